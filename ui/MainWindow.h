// The main window: its creation and its procedure.
#pragma once

#include <windows.h>

#include "ui/UiServices.h"

// The main window's outer size at 96 DPI; the benchmark's floors and the test toolbar's host take it too.
constexpr int MAIN_WINDOW_WIDTH = 575;
constexpr int MAIN_WINDOW_HEIGHT = 400;

bool CreateMainWindow(int titleId, int classNameId, int menuName, int acceleratorName, int iconName,
                      const wchar_t* cursor, int showMode, int width, int height);
// The program's own window, from its own resources, at its own size.
bool CreateMainWindow(int showMode);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The main window: class "IGAME", its procedure and commands, and the services it offers the rest.
#pragma once

#include <windows.h>

#include <string>

struct MainWindowData {
    wchar_t title[324];      // string 104, "Zarvik": first caption and every message box's caption
    wchar_t className[324];  // string 109, "IGAME"
    HACCEL accelerators;
    int width;
    int height;
};

extern HINSTANCE InstanceHandle;  // stored by the entry point before anything else
extern HWND MainWindowHandle;
extern MainWindowData MainWindow;

bool CreateMainWindow(int titleId, int classNameId, int menuName, int acceleratorName, int iconName,
                      const wchar_t* cursor, int showMode, int width, int height);
void SetTitle(const std::wstring& text);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// RequestRepaint, ShowMessage and MillisecondClock are declared in core/UiServices.h.

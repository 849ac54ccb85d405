// The toolbar's 22 entries, and the window the button-state operations talk to.
#pragma once

#include <windows.h>
#include <commctrl.h>

constexpr int TOOLBAR_BUTTON_COUNT = 22;

extern const TBBUTTON ToolbarButtons[TOOLBAR_BUTTON_COUNT];
extern HWND ToolbarWindow;  // null until the main window makes its toolbar

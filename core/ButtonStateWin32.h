// The toolbar that the button-state operations talk to; null until the main window makes one.
#pragma once

#include <windows.h>

extern HWND ToolbarWindow;

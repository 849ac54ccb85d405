// The main window's handles, and what it offers the rest: repaints, the caption, message boxes.
#pragma once

#include <windows.h>

#include <string>

struct MainWindowData {
    wchar_t messageBoxCaption[324];  // string 104, "Zarvik": first caption and every message box's caption
    wchar_t className[324];  // string 109, the product's window class
    HACCEL accelerators;
    int width;   // the outer size the window is made with, for 96 DPI
    int height;
    int dpi = 96;  // what the window is laid out for: its DPI at creation, then each WM_DPICHANGED's
};

extern HINSTANCE InstanceHandle;  // stored by the entry point before anything else
extern HWND MainWindowHandle;
extern MainWindowData MainWindow;

void SetTitle(const std::wstring& text);
void RepaintWholeWindow();
int ShowMessage(const std::wstring& text);

// The main window's handles, and what it offers the rest: repaints, the caption, message boxes.
#include "ui/UiServices.h"

HINSTANCE InstanceHandle = nullptr;
HWND MainWindowHandle = nullptr;
MainWindowData MainWindow = {};

// The posted WM_PAINT comes before the platform's own, and its paint validates the window: one request,
// one paint.
void RequestRepaint() {
    InvalidateRect(MainWindowHandle, nullptr, FALSE);
    PostMessageW(MainWindowHandle, WM_PAINT, 0, 0);
}

void SetTitle(const std::wstring& text) { SetWindowTextW(MainWindowHandle, text.c_str()); }

int ShowMessage(const std::wstring& text) {
    return MessageBoxW(MainWindowHandle, text.c_str(), MainWindow.title, MB_OK);
}

// The main window's handles, and what it offers the rest: repaints, the caption, message boxes.
#include "ui/UiServices.h"

HINSTANCE InstanceHandle = nullptr;
HWND MainWindowHandle = nullptr;
MainWindowData MainWindow = {};

// The posted WM_PAINT comes before the platform's own, and its paint validates the window: one request,
// one paint.
void RepaintWholeWindow() {
    InvalidateRect(MainWindowHandle, nullptr, FALSE);
    PostMessageW(MainWindowHandle, WM_PAINT, 0, 0);
}

void SetTitle(const std::wstring& text) { SetWindowTextW(MainWindowHandle, text.c_str()); }

namespace {
struct OwnedPopup {
    HWND owner;
    HWND popup;
};
}  // namespace

static BOOL CALLBACK FindOwnedPopup(HWND window, LPARAM search) {
    auto* owned = reinterpret_cast<OwnedPopup*>(search);
    if (GetWindow(window, GW_OWNER) != owned->owner || !IsWindowVisible(window)) return TRUE;
    owned->popup = window;
    return FALSE;
}

// A disabled window has a modal box open over it; the box the players can use is at the top of that chain.
static HWND TopOfModalChain() {
    HWND top = MainWindowHandle;
    while (top != nullptr && !IsWindowEnabled(top)) {
        OwnedPopup owned = {top, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), FindOwnedPopup, reinterpret_cast<LPARAM>(&owned));
        if (owned.popup == nullptr) break;
        top = owned.popup;
    }
    return top;
}

// Owned by the window in use, so a box raised from the system dialog keeps that dialog from being pressed
// or closed under it; with no dialog open that is the main window.
int ShowMessage(const std::wstring& text) {
    return MessageBoxW(TopOfModalChain(), text.c_str(), MainWindow.messageBoxCaption, MB_OK);
}

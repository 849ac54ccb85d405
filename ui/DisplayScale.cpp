// The display scale: the main window and its dialog are laid out for 96 DPI and grow by DPI / 96.
#include "ui/DisplayScale.h"

#include <algorithm>

// Looked up, not imported: Windows 7 and 8.1 have neither, and the program must still start there.
using DpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

static FARPROC User32Function(const char* name) { return GetProcAddress(GetModuleHandleW(L"user32.dll"), name); }

static const auto DpiForWindow =
    reinterpret_cast<DpiForWindowFunction>(reinterpret_cast<void*>(User32Function("GetDpiForWindow")));
static const auto AdjustForDpi =
    reinterpret_cast<AdjustForDpiFunction>(reinterpret_cast<void*>(User32Function("AdjustWindowRectExForDpi")));
static const bool OnWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;

// Windows has a DPI per monitor, which only the window itself reports: a DC's LOGPIXELSX stays the
// system's DPI on every monitor. Wine has one DPI for all its screens, the prefix's, which a DC reports
// in every version, while Wine 10 on a display of unknown size says 96 for the window itself.
int WindowDpi(HWND window) {
    if (DpiForWindow != nullptr && !OnWine) {
        const UINT dpi = DpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    HDC dc = GetDC(window);
    const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSX) : 0;
    if (dc != nullptr) ReleaseDC(window, dc);
    return dpi > 0 ? dpi : BASE_DPI;
}

int ScaledToDpi(int length, int dpi) { return MulDiv(length, dpi, BASE_DPI); }

// Without the per-DPI call (before Windows 10) the program is aware of the system's DPI only, whose
// frame is the one the plain call gives.
RECT OuterForClient(SIZE client, DWORD style, int dpi) {
    RECT outer = {0, 0, client.cx, client.cy};
    if (AdjustForDpi != nullptr)
        AdjustForDpi(&outer, style, FALSE, 0, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&outer, style, FALSE, 0);
    return outer;
}

// On a small screen at a large scale the window grows past the screen; it is cut to fit instead.
void PlaceInWorkArea(HWND window, RECT outer) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        const LONG width = std::min(outer.right - outer.left, work.right - work.left);
        const LONG height = std::min(outer.bottom - outer.top, work.bottom - work.top);
        outer.left = std::max(work.left, std::min(outer.left, work.right - width));
        outer.top = std::max(work.top, std::min(outer.top, work.bottom - height));
        outer.right = outer.left + width;
        outer.bottom = outer.top + height;
    }
    SetWindowPos(window, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HBITMAP StretchBitmapNearest(HBITMAP source, int width, int height) {
    BITMAP shape = {};
    if (source == nullptr || GetObjectW(source, sizeof(shape), &shape) == 0) return nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP copy = CreateCompatibleBitmap(screen, width, height);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    if (copy != nullptr && from != nullptr && to != nullptr) {
        HGDIOBJ previousFrom = SelectObject(from, source);
        HGDIOBJ previousTo = SelectObject(to, copy);
        SetStretchBltMode(to, COLORONCOLOR);  // whole pixels only: pixel art stays sharp
        StretchBlt(to, 0, 0, width, height, from, 0, 0, shape.bmWidth, shape.bmHeight, SRCCOPY);
        SelectObject(to, previousTo);
        SelectObject(from, previousFrom);
    } else if (copy != nullptr) {
        DeleteObject(copy);
        copy = nullptr;
    }
    if (to != nullptr) DeleteDC(to);
    if (from != nullptr) DeleteDC(from);
    ReleaseDC(nullptr, screen);
    return copy;
}

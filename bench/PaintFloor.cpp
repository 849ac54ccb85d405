// The floor under space-to-paint: a window of the display's client size that, on a key's release,
// invalidates itself and stretches one prepared half-size buffer over its client area, and does nothing else;
// and the stretching window that the floor of the same work shares.
#include "bench/Bench.h"

#include <cstring>

#include "ui/Dib32.h"

static HBITMAP FloorBitmap = nullptr;
static HGDIOBJ FloorPrevious = nullptr;
static FloorPicture Floor = {nullptr, {}, nullptr};  // its memory DC holds the half-size picture, made once

// Both floors' windows: the picture they stretch is the one they were opened with.
static LRESULT CALLBACK StretchingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* picture = reinterpret_cast<const FloorPicture*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (picture == nullptr) return DefWindowProcW(window, message, wParam, lParam);  // still being made
    switch (message) {
    case WM_KEYUP:
        if (picture->compose != nullptr) picture->compose();
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        StretchBlt(dc, 0, 0, client.right, client.bottom, picture->dc, 0, 0, picture->size.cx, picture->size.cy,
                   SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

static bool PrepareFloorPicture(int width, int height) {
    Floor.size = {width, height};
    void* pixels = nullptr;
    FloorBitmap = CreateDib32(width, height, &pixels);
    Floor.dc = CreateCompatibleDC(nullptr);
    if (FloorBitmap == nullptr || Floor.dc == nullptr) return false;
    std::memset(pixels, 176, static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    FloorPrevious = SelectObject(Floor.dc, FloorBitmap);
    return true;
}

// Made like the main window: same class style and background, same frame, client area of the given size.
HWND OpenStretchingWindow(const wchar_t* className, DWORD style, int clientWidth, int clientHeight,
                          const FloorPicture* picture) {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = StretchingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = className;
    if (!RegisterClassW(&windowClass)) return nullptr;
    RECT outer = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    HWND window = CreateWindowExW(0, className, className, style, CW_USEDEFAULT, 0, outer.right - outer.left,
                                  outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr) SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
    return window;
}

// The picture is the display's back buffer size, half the client area's at 96 DPI.
HWND CreateFloorWindow(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
    if (!PrepareFloorPicture(pictureWidth, pictureHeight)) return nullptr;
    return OpenStretchingWindow(L"PAINTFLOOR", WS_OVERLAPPEDWINDOW, clientWidth, clientHeight, &Floor);
}

void DestroyFloorWindow(HWND window) {
    if (window != nullptr) DestroyWindow(window);
    if (Floor.dc != nullptr) {
        SelectObject(Floor.dc, FloorPrevious);
        DeleteDC(Floor.dc);
    }
    if (FloorBitmap != nullptr) DeleteObject(FloorBitmap);
    Floor.dc = nullptr;
    FloorBitmap = nullptr;
}

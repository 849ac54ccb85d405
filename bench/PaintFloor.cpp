// The floor under space-to-paint: a window of the display's client size that, on a key's release,
// invalidates itself and stretches one prepared half-size buffer over its client area, and does nothing else.
#include "bench/Bench.h"

#include <cstring>

#include "ui/Dib32.h"

static HDC FloorBuffer = nullptr;  // a memory DC holding the half-size picture, made once
static HBITMAP FloorPicture = nullptr;
static HGDIOBJ FloorPrevious = nullptr;
static SIZE FloorPictureSize = {};

static LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYUP:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        StretchBlt(dc, 0, 0, client.right, client.bottom, FloorBuffer, 0, 0, FloorPictureSize.cx,
                   FloorPictureSize.cy, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

static bool PrepareFloorPicture(int width, int height) {
    FloorPictureSize = {width, height};
    void* pixels = nullptr;
    FloorPicture = CreateDib32(width, height, &pixels);
    FloorBuffer = CreateCompatibleDC(nullptr);
    if (FloorPicture == nullptr || FloorBuffer == nullptr) return false;
    std::memset(pixels, 176, static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    FloorPrevious = SelectObject(FloorBuffer, FloorPicture);
    return true;
}

// Made like the main window: same class style and background, same frame, client area of the given size;
// the picture is the display's back buffer size, half the client area's at 96 DPI.
HWND CreateFloorWindow(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = FloorWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = L"PAINTFLOOR";
    if (!RegisterClassW(&windowClass) || !PrepareFloorPicture(pictureWidth, pictureHeight)) return nullptr;
    RECT outer = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    return CreateWindowExW(0, L"PAINTFLOOR", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                           outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void DestroyFloorWindow(HWND window) {
    if (window != nullptr) DestroyWindow(window);
    if (FloorBuffer != nullptr) {
        SelectObject(FloorBuffer, FloorPrevious);
        DeleteDC(FloorBuffer);
    }
    if (FloorPicture != nullptr) DeleteObject(FloorPicture);
    FloorBuffer = nullptr;
    FloorPicture = nullptr;
}

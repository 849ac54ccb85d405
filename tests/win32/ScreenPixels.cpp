// A window's pixels as the display shows them, and as the window draws itself, for comparing the two.
#include "tests/win32/ScreenPixels.h"

#include "tests/win32/window/WindowTesting.h"

static SIZE ClientSize(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

std::vector<DWORD> CanvasPixels(const PixelCanvas& canvas) {
    GdiFlush();
    std::vector<DWORD> pixels(canvas.pixels, canvas.pixels + static_cast<size_t>(canvas.width) * canvas.height);
    for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

std::vector<DWORD> ScreenPixels(HWND window) {
    const SIZE size = ClientSize(window);
    if (size.cx <= 0 || size.cy <= 0) return {};
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    PixelCanvas canvas(size.cx, size.cy);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc, 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return CanvasPixels(canvas);
}

std::vector<DWORD> PrintedPixels(HWND window) {
    const SIZE size = ClientSize(window);
    if (size.cx <= 0 || size.cy <= 0) return {};
    PixelCanvas canvas(size.cx, size.cy);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc), PRF_CLIENT);
    return CanvasPixels(canvas);
}

// Pixels the tests compare: the display's back buffer, a canvas to draw into, the strip's tiles and
// what the screen shows.
#include "tests/win32/Pixels.h"

#include <algorithm>
#include <cstdio>

#include "core/Buttons.h"
#include "resources/resource.h"
#include "ui/Dib32.h"
#include "ui/Display.h"
#include "ui/DisplayScale.h"
#include "ui/Toolbar.h"
#include "ui/UiServices.h"

DWORD BackBufferPixel(int x, int y) {
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(BackBuffer.pixels);
    return pixels[static_cast<size_t>(BackBuffer.height - 1 - y) * BackBuffer.width + x] & 0xFFFFFF;
}

PixelCanvas::PixelCanvas(int w, int h) : width(w), height(h) {
    void* bits = nullptr;
    bitmap = CreateDib32(w, -h, &bits);  // top-down
    pixels = static_cast<DWORD*>(bits);
    dc = CreateCompatibleDC(nullptr);
    previous = SelectObject(dc, bitmap);
    std::fill(pixels, pixels + static_cast<size_t>(w) * h, 0xB0B0B0);
}

PixelCanvas::~PixelCanvas() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

DWORD PixelCanvas::At(int x, int y) const {
    GdiFlush();
    return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF;
}

std::vector<DWORD> StripTile(int tile) {
    HBITMAP strip = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PIECE_STRIP));
    PixelCanvas canvas(TILE_SIZE, TILE_SIZE);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, strip);
    BitBlt(canvas.dc, 0, 0, TILE_SIZE, TILE_SIZE, source, TILE_SIZE * tile, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(strip);
    std::vector<DWORD> result;
    for (int y = 0; y < TILE_SIZE; y++)
        for (int x = 0; x < TILE_SIZE; x++) result.push_back(canvas.At(x, y));
    return result;
}

std::vector<DWORD> BackBufferNow() {
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(BackBuffer.pixels);
    if (pixels == nullptr) return {};
    return std::vector<DWORD>(pixels, pixels + static_cast<size_t>(BackBuffer.width) * BackBuffer.height);
}

std::vector<DWORD> CanvasPixels(const PixelCanvas& canvas) {
    GdiFlush();
    std::vector<DWORD> pixels(canvas.pixels, canvas.pixels + static_cast<size_t>(canvas.width) * canvas.height);
    for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

static RECT ClientArea(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return client;
}

// Through the screen's own DC, so what another window or a missed paint left there shows too.
std::vector<DWORD> ScreenPixels(HWND window, const RECT& area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return {};
    POINT origin = {area.left, area.top};
    ClientToScreen(window, &origin);
    PixelCanvas canvas(w, h);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc, 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return CanvasPixels(canvas);
}

std::vector<DWORD> ScreenPixels(HWND window) { return ScreenPixels(window, ClientArea(window)); }

std::vector<DWORD> PrintedPixels(HWND window) {
    const RECT client = ClientArea(window);
    if (client.right <= 0 || client.bottom <= 0) return {};
    PixelCanvas canvas(client.right, client.bottom);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc), PRF_CLIENT);
    return CanvasPixels(canvas);
}

std::string FirstDifference(const std::vector<DWORD>& seen, const std::vector<DWORD>& expected, int width,
                            int firstRow) {
    if (seen.size() != expected.size()) return "sizes " + std::to_string(seen.size()) + " and " +
                                                std::to_string(expected.size());
    for (size_t i = static_cast<size_t>(firstRow) * width; i < seen.size(); i++) {
        if (seen[i] == expected[i]) continue;
        char text[96];
        std::snprintf(text, sizeof text, "at %d,%d: %06lx on the screen, %06lx expected", static_cast<int>(i % width),
                      static_cast<int>(i / width), seen[i], expected[i]);
        return text;
    }
    return "";
}

std::string TileDifference(int tile, int left, int top) {
    const std::vector<DWORD> expected = StripTile(tile);
    for (int y = 0; y < TILE_SIZE; y++)
        for (int x = 0; x < TILE_SIZE; x++)
            if (BackBufferPixel(left + x, top + y) != expected[y * TILE_SIZE + x])
                return "tile " + std::to_string(tile) + " at " + std::to_string(left) + "," + std::to_string(top) +
                       ": pixel " + std::to_string(x) + "," + std::to_string(y);
    return "";
}

std::string DisplayDifference() {
    RECT client;
    GetClientRect(MainWindowHandle, &client);
    const int across = 2 * MainWindow.dpi;
    if (BackBuffer.width != client.right * BASE_DPI / across || BackBuffer.height != client.bottom * BASE_DPI / across)
        return "the back buffer is " + std::to_string(BackBuffer.width) + " x " + std::to_string(BackBuffer.height) +
               " for a client area of " + std::to_string(client.right) + " x " + std::to_string(client.bottom) +
               " at " + std::to_string(MainWindow.dpi) + " DPI";
    PixelCanvas stretched(client.right, client.bottom);
    HDC buffer = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(buffer, BackBuffer.bitmap);
    StretchBlt(stretched.dc, 0, 0, client.right, client.bottom, buffer, 0, 0, BackBuffer.width, BackBuffer.height,
               SRCCOPY);
    SelectObject(buffer, previous);
    DeleteDC(buffer);
    return FirstDifference(ScreenPixels(MainWindowHandle), CanvasPixels(stretched), client.right, ToolbarHeight + 1);
}

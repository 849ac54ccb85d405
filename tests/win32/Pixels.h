// Pixels the tests compare: the display's back buffer, a canvas to draw into, the strip's tiles and
// what the screen shows.
#pragma once

#include <windows.h>

#include <vector>

// Back-buffer pixel as 0x00RRGGBB, (0, 0) at the top left; the buffer's rows are stored bottom-up.
DWORD BackBufferPixel(int x, int y);
// The whole back buffer as stored; empty when there is none.
std::vector<DWORD> BackBufferNow();

// A 32-bit top-down DIB section selected into a memory DC, filled with the display's grey.
struct PixelCanvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    DWORD* pixels = nullptr;
    int width = 0;
    int height = 0;

    PixelCanvas(int w, int h);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;
    DWORD At(int x, int y) const;  // 0x00RRGGBB
};

// Tile n (0-15) of the image strip in this executable's resources, 40 x 40, as 0x00RRGGBB, row by row.
std::vector<DWORD> StripTile(int tile);

// The pixels of area (client coordinates of window) as the screen shows them, 0x00RRGGBB row by row;
// empty for an empty area.
std::vector<DWORD> ScreenPixels(HWND window, const RECT& area);

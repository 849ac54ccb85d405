// Pixels the tests compare: the display's back buffer, a canvas to draw into, the strip's tiles and
// what the screen shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/Dib32.h"

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
    Dib32Rows Rows() const { return {pixels, width, height, true}; }
};

// Tile n of the image strip in this executable's resources, TILE_SIZE square, as 0x00RRGGBB, row by row.
std::vector<DWORD> StripTile(int tile);

// The first pixel of the back buffer's square at (left, top) that differs from the tile, or "" when none does.
std::string TileDifference(int tile, int left, int top);

// Every pixel of the canvas, 0x00RRGGBB row by row.
std::vector<DWORD> CanvasPixels(const PixelCanvas& canvas);

// The pixels of area (client coordinates of window), or of the whole client area, read from the screen
// itself (not from the window's own surface), 0x00RRGGBB row by row; empty for an empty area. Read them
// after the window's messages are handled: the display has its paints by then.
std::vector<DWORD> ScreenPixels(HWND window, const RECT& area);
std::vector<DWORD> ScreenPixels(HWND window);

// What the window draws of its client area for WM_PRINTCLIENT onto a field of the display's grey, in the
// same layout: the window's own picture of its state, without anything left over from earlier paints.
std::vector<DWORD> PrintedPixels(HWND window);

// The first pixel from row firstRow on that differs, or "" when none does.
std::string FirstDifference(const std::vector<DWORD>& seen, const std::vector<DWORD>& expected, int width,
                            int firstRow);

// The display below the toolbar on the screen against the back buffer stretched over the client area; the
// back buffer has the 96-DPI half of the client area's size only when the last paint came at this size.
std::string DisplayDifference();

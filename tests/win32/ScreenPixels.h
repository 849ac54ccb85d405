// A window's pixels as the display shows them, and as the window draws itself, for comparing the two.
#pragma once

#include <windows.h>

#include <vector>

struct PixelCanvas;

// Every pixel of the canvas, 0x00RRGGBB row by row.
std::vector<DWORD> CanvasPixels(const PixelCanvas& canvas);

// The window's client area read from the screen itself (not from the window's own surface), 0x00RRGGBB
// row by row. Read it after the window's messages are handled: the display has its paints by then.
std::vector<DWORD> ScreenPixels(HWND window);

// What the window draws of its client area for WM_PRINTCLIENT onto a field of the display's grey, in the
// same layout: the window's own picture of its state, without anything left over from earlier paints.
std::vector<DWORD> PrintedPixels(HWND window);

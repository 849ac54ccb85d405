// The display scale: the main window and its dialog are laid out for 96 DPI and grow by DPI / 96.
#pragma once

#include <windows.h>

constexpr int BASE_DPI = 96;

// The DPI a window is shown at; BASE_DPI where the system can't tell.
int WindowDpi(HWND window);
// A length of the 96-DPI layout at that DPI, rounded to the nearest pixel.
int ScaledToDpi(int length, int dpi);
// The outer rectangle of a window of that style whose client area is client, with the frame of that DPI.
RECT OuterForClient(SIZE client, DWORD style, int dpi);
// Moves the window to outer, moved and cut to fit the work area of its monitor.
void PlaceInWorkArea(HWND window, RECT outer);
// A copy of the bitmap at width x height, each pixel repeated to a block (no blending); null on failure.
HBITMAP StretchBitmapNearest(HBITMAP source, int width, int height);

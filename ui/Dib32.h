// A 32-bit device-independent section: the display's back buffer, and the pixels tests and benchmarks read.
#pragma once

#include <windows.h>

// Pixels 0x00RRGGBB; a negative height stores the rows top-down. Null when it can't be made.
HBITMAP CreateDib32(int width, int height, void** pixels);

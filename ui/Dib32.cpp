// A 32-bit device-independent section: the display's back buffer, and the pixels tests and benchmarks read.
#include "ui/Dib32.h"

HBITMAP CreateDib32(int width, int height, void** pixels) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    *pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, pixels, nullptr, 0);
    if (bitmap == nullptr) *pixels = nullptr;
    return bitmap;
}

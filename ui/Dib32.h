// A 32-bit device-independent section: the display's back buffer, and the pixels tests and benchmarks read.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// Pixels 0x00RRGGBB; a negative height stores the rows top-down. Null when it can't be made.
HBITMAP CreateDib32(int width, int height, void** pixels);

// A 32-bit section's pixels by rows counted from the top, whichever way the section stores them. Write
// them only after GdiFlush, when no drawing of the platform's is still on its way into them.
struct Dib32Rows {
    void* pixels;
    int width, height;
    bool topDown;

    std::uint32_t* Row(int y) const {
        return static_cast<std::uint32_t*>(pixels) +
               static_cast<std::size_t>(topDown ? y : height - 1 - y) * static_cast<std::size_t>(width);
    }
};

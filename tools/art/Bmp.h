// Windows bitmap files: uncompressed, bottom-up, 4 or 8 bits per pixel with a palette.
#pragma once

#include <cstdint>
#include <vector>

#include "Palette.h"
#include "Raster.h"

// The palette is written with 2^bitsPerPixel entries, padded with black; every cell must index it.
std::vector<uint8_t> EncodeBmp(const Grid& picture, const Palette& palette, int bitsPerPixel);

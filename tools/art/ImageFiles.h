// The picture files: BMP and ICO encoders, and writing a file in one piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Palette.h"
#include "Raster.h"

// An uncompressed, bottom-up bitmap of 4 or 8 bits per pixel. The palette is written with
// 2^bitsPerPixel entries, padded with black; every cell must index it.
std::vector<uint8_t> EncodeBmp(const Grid& picture, const Palette& palette, int bitsPerPixel);

// One 32-bit image with alpha per grid, largest first, and the AND mask older readers ask for;
// cells equal to `transparent` are left clear.
std::vector<uint8_t> EncodeIco(const std::vector<Grid>& images, const Palette& palette, uint8_t transparent);

// True when path now holds exactly bytes; on failure an older file at path is left as it was.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Icon files: 32-bit images with an alpha channel and the AND mask older readers ask for.
#pragma once

#include <cstdint>
#include <vector>

#include "Palette.h"
#include "Raster.h"

// One image per grid, largest first; cells equal to `transparent` are left clear.
std::vector<uint8_t> EncodeIco(const std::vector<Grid>& images, const Palette& palette, uint8_t transparent);

// The application icon: a white knight, 32 x 32 and 16 x 16.
#pragma once

#include <vector>

#include "Raster.h"

constexpr uint8_t IconClear = 0xFF;  // cells left transparent

std::vector<Grid> DrawAppIcon();

// The toolbar's image strip: 16 tiles of 40 x 40 on the button face's silver.
#pragma once

#include "Raster.h"

constexpr int StripTileSize = 40;
constexpr int StripTileCount = 16;

Grid DrawPieceStrip();

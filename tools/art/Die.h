// A die seen from above and to the left: top, right and front faces and their pips.
#pragma once

#include <array>
#include <cstdint>

#include "Raster.h"

// On a 40 x 40 grid: the faces top, right, front (back to front) as layers, the pips as details.
LayeredShape ShapeDie();

// Each face in a colour of its own, so the die reads as a solid.
LayerStyle DieStyle(std::array<uint8_t, 3> faces, uint8_t edge, uint8_t innerEdge, uint8_t pips);

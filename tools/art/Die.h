// A die seen from above and to the left: top, right and front faces and their pips.
#pragma once

#include <vector>

#include "Pieces.h"
#include "Raster.h"

struct DieShape {
    std::vector<Grid> faces;  // top, right, front: back to front
    Grid pips;
};

// Drawn on a 40 x 40 design square placed on a width x height grid.
DieShape ShapeDie(int width, int height, Placement placement);

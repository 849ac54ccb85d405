// Pictures built as stacked layers: each part gets its own outline, so parts read apart.
#pragma once

#include <cstdint>
#include <vector>

#include "Grid.h"

// Masks hold 1 where the part is; layers are listed from the back to the front.
struct LayeredShape {
    std::vector<Grid> layers;
    Grid details;  // lines and dots drawn over the inside, never over the silhouette's edge
};

struct LayerColours {
    uint8_t fill;
    uint8_t edge;       // outline against the background
    uint8_t innerEdge;  // outline where a part lies over another part
    uint8_t shade;      // a band along one side of every part, for some roundness
    uint8_t detail;
    int shadeSide;      // +1: the right side is shaded, -1: the left side
    int shadeDepth;     // pixels; 0 for no band
};

// Paints the shape into target with its top left at (left, top); cells outside it stay.
void PaintLayers(Grid& target, int left, int top, const LayeredShape& shape, const LayerColours& colours);

// Paints one part into picture (0xFF where untouched); `whole` is the union of all the parts.
void PaintLayer(Grid& picture, const Grid& layer, const Grid& whole, const LayerColours& colours);

// The union of the parts' masks.
Grid UnionOf(const std::vector<Grid>& layers);

// Cells of mask that touch a cell outside it along a side.
bool IsEdge(const Grid& mask, int x, int y);

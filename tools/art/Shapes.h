// The shapes the pictures share: a chess piece of each kind and a die, as layered masks drawn on a 40 x 40 design square.
#pragma once

#include <array>
#include <cstdint>

#include "Raster.h"
#include "core/GameTypes.h"

// The piece's parts as masks of size x size pixels, the design square filling the grid; kind is not None.
LayeredShape ShapePiece(PieceKind kind, int size);
LayeredShape ShapePiece(PieceKind kind, int size, Placement placement);

// The toolbar's flat colours: black pieces carry light inner lines, white pieces black ones;
// both are lit from the left.
LayerStyle FlatPieceStyle(Side side, int size);

// On a 40 x 40 grid: the faces top, right, front (back to front) as layers, the pips as details.
LayeredShape ShapeDie();

// Each face in a colour of its own, so the die reads as a solid.
LayerStyle DieStyle(std::array<uint8_t, 3> faces, uint8_t edge, uint8_t innerEdge, uint8_t pips);

// The six chess pieces, drawn from shapes on a 40 x 40 design square.
#pragma once

#include "Raster.h"

enum class Piece { King, Queen, Bishop, Knight, Rook, Pawn };
enum class PieceSide { Black, White };

// The piece's parts as masks of size x size pixels, the design square filling the grid.
LayeredShape ShapePiece(Piece piece, int size);
LayeredShape ShapePiece(Piece piece, int size, Placement placement);

// The toolbar's flat colours: black pieces carry light inner lines, white pieces black ones;
// both are lit from the left.
LayerStyle FlatPieceStyle(PieceSide side, int size);

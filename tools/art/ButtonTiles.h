// The four command tiles of the strip: Black Turn, White Turn, New Game, Help (40 x 40 each).
#pragma once

#include "Raster.h"
#include "Shapes.h"

// A die in the side's colour: the side whose draw it is.
void DrawTurnTile(Grid& target, int left, int top, PieceSide side);
void DrawNewGameTile(Grid& target, int left, int top);
void DrawHelpTile(Grid& target, int left, int top);

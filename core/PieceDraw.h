// The draw of a piece kind, the turn marking and New Game, over the toolbar's button states.
#pragma once

#include "core/GameTypes.h"

extern const int BlackPieceCommands[PIECE_KIND_COUNT];
extern const int WhitePieceCommands[PIECE_KIND_COUNT];

void DrawPieceKind(Side side);
void NextTurn();
void StartNewGame();
// New Game with King, Queen, Bishop and Rook out of the draw for both sides.
void StartOpeningGame();

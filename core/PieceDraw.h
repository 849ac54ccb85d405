// The draw of a piece kind, the turn marking and New Game, over the toolbar's button states.
#pragma once

#include <array>

#include "core/Buttons.h"
#include "core/GameTypes.h"

// Indexed by kind - 1.
inline constexpr std::array<int, PIECE_KIND_COUNT> BlackPieceCommands = PieceCommandsOf(Side::Black);
inline constexpr std::array<int, PIECE_KIND_COUNT> WhitePieceCommands = PieceCommandsOf(Side::White);

// One press: dice kinds for the side, each one step of the generator, shown and recorded as one turn.
void DrawPieceKind(Side side, int dice = 1);
void NextTurn(int dice = 1);
void StartNewGame();
// New Game with King, Queen, Bishop and Rook out of the draw for both sides.
void StartOpeningGame();

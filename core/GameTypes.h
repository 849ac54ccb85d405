// Sides and piece kinds; the King-to-Pawn order is that of the buttons, text slots and pictures.
#pragma once

#include <cstdint>

enum class Side : std::int32_t { Black = 0, White = 1 };

enum class PieceKind : std::int32_t { None = 0, King = 1, Queen = 2, Bishop = 3, Knight = 4, Rook = 5, Pawn = 6 };

constexpr int PIECE_KIND_COUNT = 6;

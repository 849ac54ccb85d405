// Sides and piece kinds, King to Pawn in the order of the buttons and pictures (KindTexts.h names their texts).
#pragma once

#include <cstdint>

enum class Side : std::int32_t { Black = 0, White = 1 };

enum class PieceKind : std::int32_t { None = 0, King = 1, Queen = 2, Bishop = 3, Knight = 4, Rook = 5, Pawn = 6 };

constexpr int PIECE_KIND_COUNT = 6;

// What the display says: text-slot numbers, top line first, and the picture to show above them.
#pragma once

#include <cstdint>
#include <vector>

#include "core/GameTypes.h"

extern std::vector<std::int32_t> AnnouncementList;
extern std::int32_t PieceImage;  // 0: none; n: tile n - 1 of the piece strip

void SetDisplayToDrawnKind(Side side, PieceKind kind);
void SetDisplayToNewGame();

// What the display says: text-slot numbers, top line first, and the picture to show above them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/GameTypes.h"

extern std::vector<std::int32_t> AnnouncementList;
extern std::int32_t PieceImage;  // 0: none; n: tile n - 1 of the piece strip
// A turn of two or three dice: its pictures side by side, numbered as PieceImage, in the order drawn;
// empty for one die, whose picture is PieceImage alone.
extern std::vector<std::int32_t> TurnImages;

// Not a text slot: the line naming the turn's kinds, composed at each reading in the texts in force.
constexpr std::int32_t TURN_KINDS_LINE = -1;

void SetDisplayToDrawnKind(Side side, PieceKind kind);
void SetDisplayToTurn(Side side, const std::vector<PieceKind>& kinds);
void SetDisplayToNewGame();
// The line at that position in the texts in force; empty for a number that names nothing.
std::wstring AnnouncedLineText(std::size_t position);

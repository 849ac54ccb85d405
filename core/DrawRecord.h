// The draws of the current game as a score sheet: one line per run of one side's draws, and a tally.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/GameTypes.h"

// The oldest draws go beyond this many. The record keeps 4 bytes a draw and 16 a line, about 2 MB at the
// limit; written out for Copy, with every name as long as a language file's line may be (1,024 units), it is
// at most about 207 million units (413 MB).
constexpr std::size_t DRAW_RECORD_LIMIT = 100000;

void AddToDrawRecord(Side side, PieceKind kind);  // PieceKind::None: a stalemate
// A press of two or three dice: a line of its own, which no later draw joins.
void AddTurnToDrawRecord(Side side, const std::vector<PieceKind>& kinds);
void ClearDrawRecord();

// Lines count from 0 at New Game; those below FirstRecordLine have been let go.
std::uint64_t FirstRecordLine();
std::uint64_t RecordLineEnd();
std::uint64_t RecordDrawCount();  // every draw of the game, let go or not
std::uint64_t RecordGameNumber();  // one more at each New Game
// "12. White: Pawn, Knight, Knight", in the texts in force; once it has limit characters, it may end there.
std::wstring RecordLineText(std::uint64_t line, std::size_t limit = SIZE_MAX);
// An empty line and a heading, then per kind how often each side drew it and its share of that side's draws.
std::vector<std::wstring> RecordTallyLines();
// Every line, then the tally, each ending in CR LF: what the players copy.
std::wstring DrawRecordText();

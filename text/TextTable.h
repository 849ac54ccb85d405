// The 31 interface texts in force and their built-in Russian defaults.
#pragma once

#include <string>

constexpr int TEXT_SLOT_COUNT = 31;

enum TextSlot : int {
    TS_VERSION = 0,
    TS_LANGUAGE_NAME = 1,
    TS_HELP_FILE = 2,
    TS_PRESS_WHITE = 3,
    TS_WHITE_PROMPT = 4,
    TS_BLACK_PROMPT = 5,
    TS_STALEMATE = 6,
    TS_KING = 7,
    TS_QUEEN = 8,
    TS_BISHOP = 9,
    TS_KNIGHT = 10,
    TS_ROOK = 11,
    TS_PAWN = 12,
    TS_WHITE_MOVE = 13,
    TS_BLACK_MOVE = 14,
    TS_KING_ON = 15,
    TS_KING_OFF = 16,
    TS_QUEEN_ON = 17,
    TS_QUEEN_OFF = 18,
    TS_BISHOP_ON = 19,
    TS_BISHOP_OFF = 20,
    TS_KNIGHT_ON = 21,
    TS_KNIGHT_OFF = 22,
    TS_ROOK_ON = 23,
    TS_ROOK_OFF = 24,
    TS_PAWN_ON = 25,
    TS_PAWN_OFF = 26,
    TS_NEW_GAME = 27,
    TS_HELP_LANGUAGE = 28,
    TS_UI_CREDITS = 29,
    TS_HELP_CREDITS = 30,
};

extern std::wstring TextTable[TEXT_SLOT_COUNT];
extern const std::wstring DefaultTextTable[TEXT_SLOT_COUNT];

void ResetTextTableToDefaults();

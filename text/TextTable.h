// The 31 interface texts in force and their built-in Russian defaults.
#pragma once

#include <string>

constexpr int TEXT_SLOT_COUNT = 31;   // the lines every language file has
constexpr int TEXT_TABLE_SIZE = 47;   // with the optional lines after them, for the menu and the record

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
    // Optional: a language file may stop before any of these, and each one it leaves out or empty keeps
    // its built-in text.
    TS_WHITE_PIECES = 31,
    TS_BLACK_PIECES = 32,
    TS_PRESS = 33,
    TS_NEW_OPENING_GAME = 34,
    TS_RECORD = 35,
    TS_COPY = 36,
    TS_CLOSE = 37,
    TS_WHITE_SIDE = 38,
    TS_BLACK_SIDE = 39,
    TS_TALLY = 40,
    TS_KING_NAME = 41,
    TS_QUEEN_NAME = 42,
    TS_BISHOP_NAME = 43,
    TS_KNIGHT_NAME = 44,
    TS_ROOK_NAME = 45,
    TS_PAWN_NAME = 46,
};

extern std::wstring TextTable[TEXT_TABLE_SIZE];
extern const std::wstring DefaultTextTable[TEXT_TABLE_SIZE];

void ResetTextTableToDefaults();

// The 51 interface texts, one row each: its slot, whether every language file has it, its built-in Russian
// text and what it is for; the texts in force, and putting the built-in ones back.
#pragma once

#include <array>
#include <iterator>
#include <string>

// A slot is its text's line in a language file, less one; the shipped files fix the numbers.
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
    TS_DICE_PER_TURN = 47,
    TS_ONE_DIE = 48,
    TS_TWO_DICE = 49,
    TS_THREE_DICE = 50,
    TEXT_SLOT_END  // one past the last slot: every slot before it has its row below
};

struct TextRow {
    TextSlot slot;
    bool required;           // every language file has it; an optional one left out or empty keeps its built-in text
    const wchar_t* builtIn;  // wide, so the Russian comes out right whatever the system's ANSI code page is
    const char* role;        // what langcheck says the line is for, so a translator knows what an empty one costs
};

// The program reads a file's lines in order, so the required rows come first.
inline constexpr TextRow TextRows[] = {
    {TS_VERSION, true, L"1", "the version"},
    {TS_LANGUAGE_NAME, true, L"Language - Russian", "the language name on the Language button"},
    {TS_HELP_FILE, true, L"Russian Help.txt", "the help file name"},
    {TS_PRESS_WHITE, true, L"Нажмите Белую кнопку (или Пробел).", "the new-game prompt"},
    {TS_WHITE_PROMPT, true, L"Фигура для полухода Белых.", "White's prompt"},
    {TS_BLACK_PROMPT, true, L"Фигура для полухода Чёрных.", "Black's prompt"},
    {TS_STALEMATE, true, L"Пат!", "the stalemate line"},
    {TS_KING, true, L"Король.", "the King's name"},
    {TS_QUEEN, true, L"Ферзь.", "the Queen's name"},
    {TS_BISHOP, true, L"Слон.", "the Bishop's name"},
    {TS_KNIGHT, true, L"Конь.", "the Knight's name"},
    {TS_ROOK, true, L"Ладья.", "the Rook's name"},
    {TS_PAWN, true, L"Пешка.", "the Pawn's name"},
    {TS_WHITE_MOVE, true, L"Ход Белых", "the White Turn tooltip"},
    {TS_BLACK_MOVE, true, L"Ход Чёрных", "the Black Turn tooltip"},
    {TS_KING_ON, true, L"Король включен в генератор хода", "the King tooltip, included"},
    {TS_KING_OFF, true, L"Король не включен в генератор хода", "the King tooltip, not included"},
    {TS_QUEEN_ON, true, L"Ферзь включен в генератор хода", "the Queen tooltip, included"},
    {TS_QUEEN_OFF, true, L"Ферзь не включен в генератор хода", "the Queen tooltip, not included"},
    {TS_BISHOP_ON, true, L"Слон включен в генератор хода", "the Bishop tooltip, included"},
    {TS_BISHOP_OFF, true, L"Слон не включен в генератор хода", "the Bishop tooltip, not included"},
    {TS_KNIGHT_ON, true, L"Конь включен в генератор хода", "the Knight tooltip, included"},
    {TS_KNIGHT_OFF, true, L"Конь не включен в генератор хода", "the Knight tooltip, not included"},
    {TS_ROOK_ON, true, L"Ладья включена в генератор хода", "the Rook tooltip, included"},
    {TS_ROOK_OFF, true, L"Ладья не включена в генератор хода", "the Rook tooltip, not included"},
    {TS_PAWN_ON, true, L"Пешка включена в генератор хода", "the Pawn tooltip, included"},
    {TS_PAWN_OFF, true, L"Пешка не включена в генератор хода", "the Pawn tooltip, not included"},
    {TS_NEW_GAME, true, L"Новая Игра", "the New Game tooltip"},
    {TS_HELP_LANGUAGE, true, L"Помощь, Язык", "the Help tooltip"},
    {TS_UI_CREDITS, true, L"Перевод текста Интерфейса Zarvik Team https://zarvik.example.org",
     "the interface credits line"},
    {TS_HELP_CREDITS, true, L"Перевод текста Помощи  Zarvik Team https://zarvik.example.org",
     "the help credits line"},
    // The menu and the record: a file may stop before any of these.
    {TS_WHITE_PIECES, false, L"Фигуры Белых", "the menu's heading of White's pieces"},
    {TS_BLACK_PIECES, false, L"Фигуры Чёрных", "the menu's heading of Black's pieces"},
    {TS_PRESS, false, L"Нажать", "the name of a button's action for screen readers"},
    {TS_NEW_OPENING_GAME, false, L"Новая Игра с начальной позиции", "the menu's New Game from the opening position"},
    {TS_RECORD, false, L"Запись ходов", "the record's menu item and window title"},
    {TS_COPY, false, L"Копировать", "the record's Copy button"},
    {TS_CLOSE, false, L"Закрыть", "the record's Close button"},
    {TS_WHITE_SIDE, false, L"Белые", "White in the record"},
    {TS_BLACK_SIDE, false, L"Чёрные", "Black in the record"},
    {TS_TALLY, false, L"Сколько раз выпала каждая фигура", "the record's heading of the counts per kind"},
    {TS_KING_NAME, false, L"Король", "the King in the record"},
    {TS_QUEEN_NAME, false, L"Ферзь", "the Queen in the record"},
    {TS_BISHOP_NAME, false, L"Слон", "the Bishop in the record"},
    {TS_KNIGHT_NAME, false, L"Конь", "the Knight in the record"},
    {TS_ROOK_NAME, false, L"Ладья", "the Rook in the record"},
    {TS_PAWN_NAME, false, L"Пешка", "the Pawn in the record"},
    {TS_DICE_PER_TURN, false, L"Кубиков за ход", "the menu's Dice per turn submenu"},
    {TS_ONE_DIE, false, L"Один кубик", "the menu's one die per turn"},
    {TS_TWO_DICE, false, L"Два кубика", "the menu's two dice per turn"},
    {TS_THREE_DICE, false, L"Три кубика", "the menu's three dice per turn"},
};

constexpr int TEXT_TABLE_SIZE = static_cast<int>(std::size(TextRows));

constexpr int RequiredTextCount() {
    int count = 0;
    while (count < TEXT_TABLE_SIZE && TextRows[count].required) count++;
    return count;
}

constexpr int TEXT_SLOT_COUNT = RequiredTextCount();  // the lines every language file has

constexpr bool RowsFollowTheSlots() {
    for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++)
        if (TextRows[slot].slot != slot || TextRows[slot].required != (slot < TEXT_SLOT_COUNT)) return false;
    return TEXT_TABLE_SIZE == TEXT_SLOT_END;
}

static_assert(RowsFollowTheSlots());
static_assert(TEXT_SLOT_COUNT == 31);  // a new text is optional, so the files players already have still load

// Whether slot names a text, before a number from elsewhere indexes the table.
constexpr bool IsTextSlot(int slot) { return slot >= 0 && slot < TEXT_TABLE_SIZE; }

extern std::wstring TextTable[TEXT_TABLE_SIZE];
extern const std::array<std::wstring, TEXT_TABLE_SIZE> DefaultTextTable;  // the rows' built-in texts

void ResetTextTableToDefaults();

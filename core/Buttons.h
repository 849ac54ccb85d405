// The sixteen toolbar buttons, one row each in toolbar order; the toolbar, its tooltips, the pictures of a
// draw, the screen reader's rows, the menus and the test toolbars all read them from here.
#pragma once

#include <array>
#include <iterator>

#include "core/GameTypes.h"
#include "core/KindTexts.h"
#include "resources/resource.h"
#include "text/TextTable.h"

enum class ButtonRole { Help, Turn, NewGame, Piece };

struct ButtonRow {
    int command;
    ButtonRole role;
    Side side;              // a turn's or a piece's; Black for Help and New Game, which belong to neither
    PieceKind kind;         // None but for a piece
    int tile;               // in the piece strip, which is also the toolbar's image list
    int nameSlot;           // the text slot that names the button; a piece's while its kind is in the draw
    int outOfDrawNameSlot;  // a piece's while its kind is out of the draw (button pressed in); nameSlot for the others
    bool rowEnd;            // the last button of the toolbar's first row
};

// Help, Black Turn and the black pieces above New Game, White Turn and the white pieces, column by column.
inline constexpr ButtonRow Buttons[] = {
    {ID_HELP, ButtonRole::Help, Side::Black, PieceKind::None, 15, TS_HELP_LANGUAGE, TS_HELP_LANGUAGE, false},
    {ID_BLACK_TURN, ButtonRole::Turn, Side::Black, PieceKind::None, 12, TS_BLACK_MOVE, TS_BLACK_MOVE, false},
    {ID_BLACK_KING, ButtonRole::Piece, Side::Black, PieceKind::King, 0, TS_KING_ON, TS_KING_OFF, false},
    {ID_BLACK_QUEEN, ButtonRole::Piece, Side::Black, PieceKind::Queen, 1, TS_QUEEN_ON, TS_QUEEN_OFF, false},
    {ID_BLACK_BISHOP, ButtonRole::Piece, Side::Black, PieceKind::Bishop, 2, TS_BISHOP_ON, TS_BISHOP_OFF, false},
    {ID_BLACK_KNIGHT, ButtonRole::Piece, Side::Black, PieceKind::Knight, 3, TS_KNIGHT_ON, TS_KNIGHT_OFF, false},
    {ID_BLACK_ROOK, ButtonRole::Piece, Side::Black, PieceKind::Rook, 4, TS_ROOK_ON, TS_ROOK_OFF, false},
    {ID_BLACK_PAWN, ButtonRole::Piece, Side::Black, PieceKind::Pawn, 5, TS_PAWN_ON, TS_PAWN_OFF, true},
    {ID_NEW_GAME, ButtonRole::NewGame, Side::Black, PieceKind::None, 14, TS_NEW_GAME, TS_NEW_GAME, false},
    {ID_WHITE_TURN, ButtonRole::Turn, Side::White, PieceKind::None, 13, TS_WHITE_MOVE, TS_WHITE_MOVE, false},
    {ID_WHITE_KING, ButtonRole::Piece, Side::White, PieceKind::King, 6, TS_KING_ON, TS_KING_OFF, false},
    {ID_WHITE_QUEEN, ButtonRole::Piece, Side::White, PieceKind::Queen, 7, TS_QUEEN_ON, TS_QUEEN_OFF, false},
    {ID_WHITE_BISHOP, ButtonRole::Piece, Side::White, PieceKind::Bishop, 8, TS_BISHOP_ON, TS_BISHOP_OFF, false},
    {ID_WHITE_KNIGHT, ButtonRole::Piece, Side::White, PieceKind::Knight, 9, TS_KNIGHT_ON, TS_KNIGHT_OFF, false},
    {ID_WHITE_ROOK, ButtonRole::Piece, Side::White, PieceKind::Rook, 10, TS_ROOK_ON, TS_ROOK_OFF, false},
    {ID_WHITE_PAWN, ButtonRole::Piece, Side::White, PieceKind::Pawn, 11, TS_PAWN_ON, TS_PAWN_OFF, false},
};

constexpr int BUTTON_COUNT = static_cast<int>(std::size(Buttons));
constexpr int PIECE_STRIP_TILES = BUTTON_COUNT;  // every button shows its own tile
constexpr int TILE_SIZE = 40;                    // pixels, square

// The row of the button that carries command; -1 when none does.
constexpr int ButtonIndex(int command) {
    for (int i = 0; i < BUTTON_COUNT; i++)
        if (Buttons[i].command == command) return i;
    return -1;
}

constexpr bool IsPieceButton(int command) {
    int index = ButtonIndex(command);
    return index >= 0 && Buttons[index].role == ButtonRole::Piece;
}

// The row of side's button of a role that has no kind (a turn), or of side's piece of kind; -1 for none.
constexpr int ButtonIndex(ButtonRole role, Side side, PieceKind kind = PieceKind::None) {
    for (int i = 0; i < BUTTON_COUNT; i++)
        if (Buttons[i].role == role && Buttons[i].side == side && Buttons[i].kind == kind) return i;
    return -1;
}

// 0, which no button carries, for None.
constexpr int PieceCommand(Side side, PieceKind kind) {
    const int index = ButtonIndex(ButtonRole::Piece, side, kind);
    return index < 0 ? 0 : Buttons[index].command;
}

// The tile that shows kind for side, the picture of a draw; -1 for None.
constexpr int PieceTile(Side side, PieceKind kind) {
    const int index = ButtonIndex(ButtonRole::Piece, side, kind);
    return index < 0 ? -1 : Buttons[index].tile;
}

constexpr std::array<int, PIECE_KIND_COUNT> PieceCommandsOf(Side side) {
    std::array<int, PIECE_KIND_COUNT> commands{};
    for (int kind = 1; kind <= PIECE_KIND_COUNT; kind++)
        commands[kind - 1] = PieceCommand(side, static_cast<PieceKind>(kind));
    return commands;
}

// The numbers the resources, the bitmap and the language files fix; a row that strays fails the build.
constexpr bool RowKeepsFixedNumbers(const ButtonRow& row) {
    const int side = static_cast<int>(row.side);
    const int kind = static_cast<int>(row.kind);
    switch (row.role) {
    case ButtonRole::Help:
        return row.command == ID_HELP && row.tile == 15 && row.nameSlot == TS_HELP_LANGUAGE;
    case ButtonRole::NewGame:
        return row.command == ID_NEW_GAME && row.tile == 14 && row.nameSlot == TS_NEW_GAME;
    case ButtonRole::Turn:  // Black Turn, White Turn: tiles 12 and 13
        return row.command == ID_BLACK_TURN + side && row.tile == 12 + side &&
               row.nameSlot == (row.side == Side::White ? TS_WHITE_MOVE : TS_BLACK_MOVE);
    case ButtonRole::Piece:  // each white piece is its black piece plus 7; King to Pawn, black tiles first
        return row.kind != PieceKind::None && row.command == ID_BLACK_KING + kind - 1 + 7 * side &&
               row.tile == 6 * side + kind - 1 && row.nameSlot == KindTextsOf(row.kind).inDrawTooltip &&
               row.outOfDrawNameSlot == KindTextsOf(row.kind).outOfDrawTooltip;
    }
    return false;
}

constexpr bool ButtonsKeepFixedNumbers() {
    int rowEnds = 0;
    for (int i = 0; i < BUTTON_COUNT; i++) {
        const ButtonRow& row = Buttons[i];
        if (!RowKeepsFixedNumbers(row) || ButtonIndex(row.command) != i) return false;
        if (row.role != ButtonRole::Piece && row.outOfDrawNameSlot != row.nameSlot) return false;
        if (row.role != ButtonRole::Piece && row.kind != PieceKind::None) return false;
        if (row.rowEnd) rowEnds++;
    }
    return rowEnds == 1 && Buttons[ButtonIndex(ID_BLACK_PAWN)].rowEnd;
}

static_assert(BUTTON_COUNT == 16);
static_assert(ButtonsKeepFixedNumbers());

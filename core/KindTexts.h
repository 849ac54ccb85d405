// The texts that name each piece kind: on the display after a draw, on its buttons, in the draw record.
#pragma once

#include <iterator>

#include "core/GameTypes.h"
#include "text/TextTable.h"

struct KindTextRow {
    PieceKind kind;
    TextSlot name;              // the display's line after a draw of it
    TextSlot inDrawTooltip;     // its buttons' while it is in the draw
    TextSlot outOfDrawTooltip;  // while it is out of the draw (the button pressed in)
    TextSlot recordName;        // in the draw record's lines and its tally
};

inline constexpr KindTextRow KindTexts[] = {
    {PieceKind::King, TS_KING, TS_KING_ON, TS_KING_OFF, TS_KING_NAME},
    {PieceKind::Queen, TS_QUEEN, TS_QUEEN_ON, TS_QUEEN_OFF, TS_QUEEN_NAME},
    {PieceKind::Bishop, TS_BISHOP, TS_BISHOP_ON, TS_BISHOP_OFF, TS_BISHOP_NAME},
    {PieceKind::Knight, TS_KNIGHT, TS_KNIGHT_ON, TS_KNIGHT_OFF, TS_KNIGHT_NAME},
    {PieceKind::Rook, TS_ROOK, TS_ROOK_ON, TS_ROOK_OFF, TS_ROOK_NAME},
    {PieceKind::Pawn, TS_PAWN, TS_PAWN_ON, TS_PAWN_OFF, TS_PAWN_NAME},
};

// None, a stalemate, has no button; the display and the record name it with the stalemate line.
constexpr KindTextRow KindTextsOf(PieceKind kind) {
    for (const KindTextRow& row : KindTexts)
        if (row.kind == kind) return row;
    return {PieceKind::None, TS_STALEMATE, TS_STALEMATE, TS_STALEMATE, TS_STALEMATE};
}

constexpr bool EveryKindHasItsRow() {
    for (int kind = 1; kind <= PIECE_KIND_COUNT; kind++)
        if (KindTextsOf(static_cast<PieceKind>(kind)).kind == PieceKind::None) return false;
    return static_cast<int>(std::size(KindTexts)) == PIECE_KIND_COUNT;
}

static_assert(EveryKindHasItsRow());

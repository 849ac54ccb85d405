// What each event leaves for the display: the slot of every line and the picture.
#include "core/AnnouncementList.h"

#include <gtest/gtest.h>

#include "core/Buttons.h"

#include <functional>

#include "text/TextTable.h"

TEST(AnnouncementList, EachEventReplacesTheLinesAndPicture) {
    struct Case {
        const char* event;
        std::function<void()> record;
        std::vector<std::int32_t> lines;
        std::int32_t pieceImage;
    };
    const Case cases[] = {
        {"new game", [] { SetDisplayToNewGame(); }, {3}, 14},
        {"white King", [] { SetDisplayToDrawnKind(Side::White, PieceKind::King); }, {4, 7}, 7},
        {"white Pawn", [] { SetDisplayToDrawnKind(Side::White, PieceKind::Pawn); }, {4, 12}, 12},
        {"black King", [] { SetDisplayToDrawnKind(Side::Black, PieceKind::King); }, {5, 7}, 1},
        {"black Knight", [] { SetDisplayToDrawnKind(Side::Black, PieceKind::Knight); }, {5, 10}, 4},
        {"black Pawn", [] { SetDisplayToDrawnKind(Side::Black, PieceKind::Pawn); }, {5, 12}, 6},
        {"white stalemate", [] { SetDisplayToDrawnKind(Side::White, PieceKind::None); }, {4, 6}, 0},
        {"black stalemate", [] { SetDisplayToDrawnKind(Side::Black, PieceKind::None); }, {5, 6}, 0},
    };
    // Whatever was shown before, only the latest event remains.
    const std::function<void()> earlier[] = {[] { SetDisplayToNewGame(); },
                                             [] { SetDisplayToDrawnKind(Side::White, PieceKind::Queen); }};
    for (const Case& c : cases) {
        for (const auto& before : earlier) {
            SCOPED_TRACE(c.event);
            before();
            c.record();
            EXPECT_EQ(c.lines, AnnouncementList);
            EXPECT_EQ(c.pieceImage, PieceImage);
            EXPECT_TRUE(TurnImages.empty()) << "no row of pictures left from a turn of dice";
        }
    }
}

// A turn of dice shows its pictures in the order drawn and names its kinds as the record does, in the
// texts in force when read; a turn of one kind is an ordinary draw.
TEST(AnnouncementList, ATurnOfDiceShowsEachKindInOrder) {
    ResetTextTableToDefaults();
    const struct {
        Side side;
        std::vector<PieceKind> kinds;
        std::vector<std::int32_t> lines;
        std::vector<std::int32_t> images;
        std::wstring second;
    } cases[] = {
        {Side::White, {PieceKind::Knight, PieceKind::Pawn, PieceKind::Knight}, {4, TURN_KINDS_LINE}, {10, 12, 10},
         L"Конь, Пешка, Конь"},
        {Side::Black, {PieceKind::King, PieceKind::Rook}, {5, TURN_KINDS_LINE}, {1, 5}, L"Король, Ладья"},
        {Side::Black, {PieceKind::Pawn}, {5, 12}, {}, L"Пешка."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.second));
        SetDisplayToTurn(Side::White, {PieceKind::Queen, PieceKind::Queen, PieceKind::Queen});
        SetDisplayToTurn(c.side, c.kinds);
        EXPECT_EQ(c.lines, AnnouncementList);
        EXPECT_EQ(c.images, TurnImages);
        EXPECT_EQ(PieceTile(c.side, c.kinds[0]) + 1, PieceImage);
        EXPECT_EQ(c.side == Side::White ? TextTable[TS_WHITE_PROMPT] : TextTable[TS_BLACK_PROMPT], AnnouncedLineText(0));
        EXPECT_EQ(c.second, AnnouncedLineText(1));
        EXPECT_EQ(L"", AnnouncedLineText(2));
    }
    SetDisplayToTurn(Side::Black, {PieceKind::King, PieceKind::Rook});
    TextTable[TS_KING_NAME] = L"King";
    TextTable[TS_ROOK_NAME] = L"Rook";
    EXPECT_EQ(L"King, Rook", AnnouncedLineText(1)) << "a change of language shows at the next reading";
    ResetTextTableToDefaults();
}

// What each event leaves for the display: the slot of every line and the picture.
#include "core/AnnouncementList.h"

#include <gtest/gtest.h>

#include <functional>

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
        }
    }
}

// The score sheet of the draws: its lines and tally after the players' draws, and its bound.
#include "core/DrawRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ButtonState.h"
#include "core/PieceDraw.h"
#include "tests/support/TestToolbar.h"
#include "text/TextTable.h"

namespace {

struct Draw {
    Side side;
    PieceKind kind;  // None: every kind out, a stalemate
};

// Through the real draw, with only the wanted kind left in for that side.
void Play(const Draw& draw) {
    for (int kind = 1; kind <= PIECE_KIND_COUNT; kind++)
        CheckButton(PieceCommand(draw.side, static_cast<PieceKind>(kind)), kind != static_cast<int>(draw.kind));
    DrawPieceKind(draw.side);
}

std::vector<std::wstring> RecordLines() {
    std::vector<std::wstring> lines;
    for (std::uint64_t line = FirstRecordLine(); line < RecordLineEnd(); line++) lines.push_back(RecordLineText(line));
    return lines;
}

std::wstring Joined(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L"\r\n";
    return text;
}

class DrawRecord : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MakeTestToolbar());
        ResetTextTableToDefaults();
        StartNewGame();
    }
    void TearDown() override { RemoveTestToolbar(); }
};

constexpr Side W = Side::White;
constexpr Side B = Side::Black;

}  // namespace

TEST_F(DrawRecord, LinesJoinOneSidesDrawsAndNumberTheMovesFromTheFirstLine) {
    const struct {
        const char* game;
        std::vector<Draw> draws;
        std::vector<std::wstring> lines;
    } games[] = {
        {"two and three dice, stalemates",
         {{W, PieceKind::King}, {W, PieceKind::Pawn}, {B, PieceKind::None}, {B, PieceKind::None},
          {B, PieceKind::Knight}, {W, PieceKind::Pawn}, {B, PieceKind::Knight}, {B, PieceKind::Knight},
          {B, PieceKind::Pawn}},
         {L"1. Белые: Король, Пешка", L"1. Чёрные: Пат!, Пат!, Конь", L"2. Белые: Пешка",
          L"2. Чёрные: Конь, Конь, Пешка"}},
        {"Black first", {{B, PieceKind::Rook}, {W, PieceKind::Queen}, {B, PieceKind::Bishop}},
         {L"1. Чёрные: Ладья", L"2. Белые: Ферзь", L"2. Чёрные: Слон"}},
        {"nothing drawn yet", {}, {}},
    };
    for (const auto& game : games) {
        SCOPED_TRACE(game.game);
        Play({W, PieceKind::Queen});
        StartNewGame();  // a new game, a new record
        for (const Draw& draw : game.draws) Play(draw);
        EXPECT_EQ(game.lines, RecordLines());
        EXPECT_EQ(game.draws.size(), RecordDrawCount());
    }
}

// A press of dice is a line of its own, numbered as any line: one more at each White line. A later draw
// of one die starts a new line after it too.
TEST_F(DrawRecord, EachPressOfDiceIsOneLineAndTheTallyCountsEachDie) {
    const PieceKind N = PieceKind::Knight, P = PieceKind::Pawn, K = PieceKind::King;
    const struct {
        Side side;
        std::vector<PieceKind> kinds;  // one kind: a draw of one die
        bool dice;
    } presses[] = {
        {W, {N, P, N}, true}, {B, {P, P}, true}, {W, {N, N, N}, true}, {W, {K, P, P}, true},
        {B, {PieceKind::None}, true}, {B, {PieceKind::None}, true}, {B, {P}, false}, {B, {N}, false},
        {W, {K}, false}, {W, {P, K}, true}, {W, {K}, false},
    };
    for (const auto& press : presses) {
        if (press.dice)
            AddTurnToDrawRecord(press.side, press.kinds);
        else
            AddToDrawRecord(press.side, press.kinds[0]);
    }
    const std::vector<std::wstring> lines = {
        L"1. Белые: Конь, Пешка, Конь", L"1. Чёрные: Пешка, Пешка", L"2. Белые: Конь, Конь, Конь",
        L"3. Белые: Король, Пешка, Пешка", L"3. Чёрные: Пат!", L"3. Чёрные: Пат!", L"3. Чёрные: Пешка, Конь",
        L"4. Белые: Король", L"5. Белые: Пешка, Король", L"6. Белые: Король"};
    EXPECT_EQ(lines, RecordLines());
    EXPECT_EQ(19u, RecordDrawCount());
    const std::vector<std::wstring> tally = RecordTallyLines();
    EXPECT_EQ(L"Король: Белые 4 (31%), Чёрные 0 (0%)", tally[2]);
    EXPECT_EQ(L"Конь: Белые 5 (38%), Чёрные 1 (25%)", tally[5]);
    EXPECT_EQ(L"Пешка: Белые 4 (31%), Чёрные 3 (75%)", tally[7]);
}

// Through the real draw: three dice of the one kind left in, then a stalemate, each press a line.
TEST_F(DrawRecord, ThePlayersPressesOfDiceMakeTheirLines) {
    for (int kind = 1; kind <= PIECE_KIND_COUNT; kind++)
        CheckButton(PieceCommand(W, static_cast<PieceKind>(kind)), static_cast<PieceKind>(kind) != PieceKind::Knight);
    DrawPieceKind(W, 3);
    DrawPieceKind(W, 3);
    CheckButton(PieceCommand(W, PieceKind::Knight), true);
    DrawPieceKind(W, 2);
    EXPECT_EQ((std::vector<std::wstring>{L"1. Белые: Конь, Конь, Конь", L"2. Белые: Конь, Конь, Конь", L"3. Белые: Пат!"}),
              RecordLines());
    EXPECT_EQ(L"Конь: Белые 6 (100%), Чёрные 0", RecordTallyLines()[5]);
}

// Stalemates are in the lines but no kind, so they count in no share.
TEST_F(DrawRecord, TheTallyCountsEachKindPerSideWithItsShare) {
    for (const Draw& draw : {Draw{W, PieceKind::King}, Draw{W, PieceKind::Pawn}, Draw{W, PieceKind::Pawn},
                             Draw{B, PieceKind::None}, Draw{B, PieceKind::Knight}})
        Play(draw);
    const std::vector<std::wstring> tally = {
        L"", L"Сколько раз выпала каждая фигура", L"Король: Белые 1 (33%), Чёрные 0 (0%)",
        L"Ферзь: Белые 0 (0%), Чёрные 0 (0%)", L"Слон: Белые 0 (0%), Чёрные 0 (0%)",
        L"Конь: Белые 0 (0%), Чёрные 1 (100%)", L"Ладья: Белые 0 (0%), Чёрные 0 (0%)",
        L"Пешка: Белые 2 (67%), Чёрные 0 (0%)"};
    EXPECT_EQ(tally, RecordTallyLines());
    EXPECT_EQ(Joined({L"1. Белые: Король, Пешка, Пешка", L"1. Чёрные: Пат!, Конь"}) + Joined(tally), DrawRecordText());

    StartNewGame();
    EXPECT_EQ(L"Король: Белые 0, Чёрные 0", RecordTallyLines()[2]) << "no draws, no shares";
    EXPECT_EQ(0u, RecordLineEnd());
}

// The oldest draws go, the lines keep their numbers, the tally keeps the whole game.
TEST_F(DrawRecord, KeepsTheLastHundredThousandDraws) {
    ASSERT_EQ(100000u, DRAW_RECORD_LIMIT);
    AddToDrawRecord(B, PieceKind::Pawn);
    AddToDrawRecord(B, PieceKind::Pawn);
    for (std::size_t i = 0; i < DRAW_RECORD_LIMIT; i++) AddToDrawRecord(W, PieceKind::Knight);
    AddToDrawRecord(B, PieceKind::Rook);

    EXPECT_EQ(DRAW_RECORD_LIMIT + 3, RecordDrawCount());
    ASSERT_EQ(1u, FirstRecordLine());
    ASSERT_EQ(3u, RecordLineEnd());
    std::wstring knights;
    for (std::size_t i = 0; i < DRAW_RECORD_LIMIT - 1; i++) knights += L", Конь";
    EXPECT_TRUE(RecordLineText(1) == L"2. Белые: …" + knights) << "the rest of the White line";
    EXPECT_EQ(L"2. Чёрные: Ладья", RecordLineText(2));
    const std::vector<std::wstring> tally = RecordTallyLines();
    EXPECT_EQ(L"Конь: Белые 100000 (100%), Чёрные 0 (0%)", tally[5]);
    EXPECT_EQ(L"Пешка: Белые 0 (0%), Чёрные 2 (67%)", tally[7]);
}

// The piece draw, the turn marking and New Game, played on the test toolbar.
#include "core/PieceDraw.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "core/AnnouncementList.h"
#include "core/ButtonState.h"
#include "core/Lcg32.h"
#include "resources/resource.h"
#include "tests/support/TestToolbar.h"

// Failures then read as "check 32771 1" rather than as raw bytes.
void PrintTo(const ButtonCall& call, std::ostream* out) {
    const char* names[] = {"is-checked", "check", "enable", "hide"};
    *out << names[static_cast<int>(call.operation)] << ' ' << call.command << ' ' << call.flag;
}

namespace {

// The state whose successor is value: one step undone with the multiplier's inverse modulo 2^32.
std::uint32_t StateBefore(std::uint32_t value) {
    std::uint32_t inverse = Generator.multiplier;  // right in 3 low bits; each round doubles that
    for (int i = 0; i < 5; i++) inverse *= 2 - Generator.multiplier * inverse;
    return (value - Generator.increment) * inverse;
}

void Exclude(Side side, std::initializer_list<PieceKind> kinds) {
    for (PieceKind kind : kinds) ASSERT_TRUE(ClickTestButton(PieceCommand(side, kind)));
}

std::vector<std::int32_t> DrawLines(Side side, PieceKind kind) {
    return {side == Side::White ? 4 : 5, 6 + static_cast<std::int32_t>(kind)};
}

// Which turn button is pressed in: "black", "white", "both" or "none".
std::string TurnMarking() {
    const bool black = IsButtonChecked(ID_BLACK_TURN), white = IsButtonChecked(ID_WHITE_TURN);
    return black ? (white ? "both" : "black") : (white ? "white" : "none");
}

const PieceKind AllKinds[] = {PieceKind::King, PieceKind::Queen, PieceKind::Bishop,
                              PieceKind::Knight, PieceKind::Rook, PieceKind::Pawn};

class PieceDraw : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MakeTestToolbar());
        AnnouncementList.clear();
        PieceImage = 0;
        Generator.Reseed(1000);
    }
    void TearDown() override { RemoveTestToolbar(); }
};

}  // namespace

TEST_F(PieceDraw, FourIncludedKindsAndState1000000GiveTheKnight) {
    Exclude(Side::Black, {PieceKind::Queen, PieceKind::Rook});
    Generator.state = StateBefore(1000000);
    DrawPieceKind(Side::Black);
    EXPECT_EQ(1000000u, Generator.state);
    EXPECT_EQ(DrawLines(Side::Black, PieceKind::Knight), AnnouncementList);
    EXPECT_EQ(4, PieceImage);
    EXPECT_EQ("black", TurnMarking());
}

TEST_F(PieceDraw, OnlyBitsEightToTwentyThreePickTheKind) {
    struct Case {
        Side side;
        std::initializer_list<PieceKind> excluded;
        std::uint32_t value;
        PieceKind drawn;
    };
    const Case cases[] = {
        {Side::White, {}, 0x00000500, PieceKind::Pawn},     // 5 of 6
        {Side::White, {}, 0xFF0000FF, PieceKind::King},     // 0: the outer bits count for nothing
        {Side::Black, {}, 0x00FFFF00, PieceKind::Knight},   // 65535 mod 6 = 3
        {Side::Black, {PieceKind::King}, 0x00000000, PieceKind::Queen},
        {Side::White, {PieceKind::King, PieceKind::Queen, PieceKind::Bishop}, 0x00000100, PieceKind::Rook},
        {Side::Black, {PieceKind::Pawn}, 0x01000400, PieceKind::Rook},  // 4 of 5, bit 24 ignored
        {Side::Black, {PieceKind::King, PieceKind::Queen, PieceKind::Bishop, PieceKind::Knight, PieceKind::Rook},
         0xFFFFFFFF, PieceKind::Pawn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.value);
        ASSERT_TRUE(MakeTestToolbar());
        Exclude(c.side, c.excluded);
        Generator.state = StateBefore(c.value);
        DrawPieceKind(c.side);
        EXPECT_EQ(c.value, Generator.state);
        EXPECT_EQ(DrawLines(c.side, c.drawn), AnnouncementList);
    }
}

// Whatever the dice per turn, and after a turn of dice had pictures to show.
TEST_F(PieceDraw, StalemateOnlyAnnounces) {
    for (int dice : {1, 2, 3}) {
        for (Side side : {Side::Black, Side::White}) {
            for (Side lastDrawn : {Side::Black, Side::White}) {
                SCOPED_TRACE(testing::Message() << dice << static_cast<int>(side) << static_cast<int>(lastDrawn));
                ASSERT_TRUE(MakeTestToolbar());
                DrawPieceKind(lastDrawn, dice);
                const std::string marking = TurnMarking();
                Exclude(side, {PieceKind::King, PieceKind::Queen, PieceKind::Bishop, PieceKind::Knight,
                               PieceKind::Rook, PieceKind::Pawn});
                const std::uint32_t state = Generator.state;
                DrawPieceKind(side, dice);
                EXPECT_EQ(DrawLines(side, PieceKind::None), AnnouncementList);
                EXPECT_EQ(0, PieceImage);
                EXPECT_TRUE(TurnImages.empty());
                EXPECT_EQ(state, Generator.state);
                EXPECT_EQ(marking, TurnMarking());
            }
        }
    }
}

TEST_F(PieceDraw, AfterStalemateTheSameSideIsDueUntilAKindReturns) {
    StartNewGame();
    Exclude(Side::White, {PieceKind::King, PieceKind::Queen, PieceKind::Bishop, PieceKind::Knight,
                          PieceKind::Rook, PieceKind::Pawn});
    NextTurn();
    NextTurn();
    EXPECT_EQ(DrawLines(Side::White, PieceKind::None), AnnouncementList);
    Exclude(Side::White, {PieceKind::Bishop});  // a second click puts it back
    NextTurn();
    EXPECT_EQ(DrawLines(Side::White, PieceKind::Bishop), AnnouncementList);
    NextTurn();
    EXPECT_EQ(5, AnnouncementList[0]);
}

TEST_F(PieceDraw, ASingleIncludedKindIsDrawnEveryTimeAndStepsTheGenerator) {
    for (Side side : {Side::Black, Side::White}) {
        for (PieceKind kind : AllKinds) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(side) << static_cast<int>(kind));
            ASSERT_TRUE(MakeTestToolbar());
            for (PieceKind other : AllKinds)
                if (other != kind) Exclude(side, {other});
            Lcg32 reference = Generator;
            for (int draw = 0; draw < 5; draw++) {
                DrawPieceKind(side);
                EXPECT_EQ(DrawLines(side, kind), AnnouncementList);
                EXPECT_EQ(reference.Next(), Generator.state);
            }
        }
    }
}

// By press, not by die: a turn of three dice is one side's whole turn.
TEST_F(PieceDraw, NextTurnAlternatesFromWhiteAfterNewGame) {
    for (int dice : {1, 2, 3}) {
        SCOPED_TRACE(dice);
        StartNewGame();
        EXPECT_EQ("black", TurnMarking());
        const char* expected[] = {"white", "black", "white", "black", "white"};
        for (const char* marking : expected) {
            NextTurn(dice);
            EXPECT_EQ(std::string(marking) == "white" ? 4 : 5, AnnouncementList[0]);
            EXPECT_EQ(marking, TurnMarking());
        }
    }
}

// Each die is one step of the generator in order, so a press of n dice shows the kinds that n presses
// of one die give from the same state; a copy of the generator, stepped n times a press, keeps pace.
TEST_F(PieceDraw, APressOfDiceDrawsWhatAsManyPressesOfOneDieWould) {
    const struct {
        int dice;
        Side side;
        std::initializer_list<PieceKind> excluded;
    } cases[] = {
        {2, Side::White, {}},
        {3, Side::Black, {}},
        {2, Side::Black, {PieceKind::King, PieceKind::Queen, PieceKind::Bishop, PieceKind::Rook}},
        {3, Side::White, {PieceKind::King, PieceKind::Queen, PieceKind::Bishop, PieceKind::Rook}},
        {3, Side::Black, {PieceKind::King, PieceKind::Queen, PieceKind::Bishop, PieceKind::Knight, PieceKind::Rook}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dice << " dice, side " << static_cast<int>(c.side));
        ASSERT_TRUE(MakeTestToolbar());
        Exclude(c.side, c.excluded);
        Generator.Reseed(4242);
        std::vector<std::int32_t> oneDie;
        for (int press = 0; press < 300 * c.dice; press++) {
            DrawPieceKind(c.side);
            oneDie.push_back(PieceImage);
        }
        Generator.Reseed(4242);
        Lcg32 reference = Generator;
        std::vector<std::int32_t> dice;
        bool repeated = false;  // the same kind twice in one turn, as real dice give it
        for (int press = 0; press < 300; press++) {
            DrawPieceKind(c.side, c.dice);
            ASSERT_EQ(static_cast<std::size_t>(c.dice), TurnImages.size());
            dice.insert(dice.end(), TurnImages.begin(), TurnImages.end());
            repeated = repeated || TurnImages[0] == TurnImages[1];
            EXPECT_EQ(TurnImages[0], PieceImage);
            EXPECT_EQ((std::vector<std::int32_t>{c.side == Side::White ? 4 : 5, TURN_KINDS_LINE}), AnnouncementList);
            for (int die = 0; die < c.dice; die++) reference.Next();
            ASSERT_EQ(reference.state, Generator.state);
        }
        EXPECT_EQ(oneDie, dice);
        EXPECT_TRUE(repeated);
    }
}

TEST_F(PieceDraw, TurnButtonsDrawForTheirOwnSide) {
    StartNewGame();
    DrawPieceKind(Side::Black);  // out of turn
    EXPECT_EQ(5, AnnouncementList[0]);
    DrawPieceKind(Side::White);
    DrawPieceKind(Side::White);
    EXPECT_EQ(4, AnnouncementList[0]);
    EXPECT_EQ("white", TurnMarking());
    NextTurn();
    EXPECT_EQ(5, AnnouncementList[0]);
}

TEST_F(PieceDraw, WithoutAToolbarEveryKindCountsAndBlackIsAlwaysDue) {
    RemoveTestToolbar();
    StartNewGame();
    EXPECT_EQ(std::vector<std::int32_t>{3}, AnnouncementList);
    for (int draw = 0; draw < 2; draw++) {
        Generator.state = StateBefore(0x00000500);  // 5 of 6 included kinds: the Pawn
        NextTurn();
        EXPECT_EQ(DrawLines(Side::Black, PieceKind::Pawn), AnnouncementList);
        EXPECT_EQ(6, PieceImage);
    }
}

TEST_F(PieceDraw, NewGameResetsTheButtonsInOrderAndLeavesTheGeneratorAlone) {
    for (const auto& commands : {BlackPieceCommands, WhitePieceCommands}) {
        for (int command : commands) ClickTestButton(command);
        for (int i : {0, 5}) {
            EnableButton(commands[i], false);
            HideButton(commands[i], true);
        }
    }
    DrawPieceKind(Side::Black);  // a stalemate: the new game must not depend on the marking
    CheckButton(ID_WHITE_TURN, true);
    const std::uint32_t state = Generator.state;
    const size_t callsBefore = TestToolbarCalls().size();

    StartNewGame();

    using Op = ButtonOperation;
    std::vector<ButtonCall> expected;
    for (int command : {ID_WHITE_KING, ID_BLACK_KING, ID_WHITE_PAWN, ID_BLACK_PAWN})
        expected.insert(expected.end(), {{Op::Hide, command, 0}, {Op::Enable, command, 1}, {Op::Check, command, 0}});
    expected.insert(expected.end(), {{Op::Check, ID_BLACK_TURN, 1}, {Op::Check, ID_WHITE_TURN, 0}});
    for (int i = 1; i <= 4; i++)
        expected.insert(expected.end(), {{Op::Check, BlackPieceCommands[i], 0}, {Op::Check, WhitePieceCommands[i], 0}});
    const std::vector<ButtonCall> calls = TestToolbarCalls();
    EXPECT_EQ(expected, std::vector<ButtonCall>(calls.begin() + callsBefore, calls.end()));

    for (const auto& commands : {BlackPieceCommands, WhitePieceCommands}) {
        for (int command : commands) {
            SCOPED_TRACE(command);
            EXPECT_FALSE(IsButtonChecked(command));
            EXPECT_TRUE(IsTestButtonEnabled(command));
            EXPECT_FALSE(IsTestButtonHidden(command));
        }
    }
    EXPECT_EQ("black", TurnMarking());
    EXPECT_EQ(std::vector<std::int32_t>{3}, AnnouncementList);
    EXPECT_EQ(14, PieceImage);
    EXPECT_EQ(state, Generator.state);
}

// Kinds worked out beside the program from the generator's formula: seed 1000, black Queen and
// Rook and the white Pawn out of the draw, twelve presses of the space bar.
TEST_F(PieceDraw, AFixedSeedGivesAFixedGame) {
    StartNewGame();
    Exclude(Side::Black, {PieceKind::Queen, PieceKind::Rook});
    Exclude(Side::White, {PieceKind::Pawn});
    const std::int32_t expected[] = {11, 3, 7, 3, 7, 3, 9, 6, 8, 3, 7, 4};  // PieceImage: white k is k + 6
    std::vector<std::int32_t> images;
    for (int press = 0; press < 12; press++) {
        NextTurn();
        images.push_back(PieceImage);
    }
    EXPECT_EQ(std::vector<std::int32_t>(std::begin(expected), std::end(expected)), images);
}

// The piece draw, the turn marking and New Game; which kinds are in play lives on the toolbar.
#include "core/PieceDraw.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/AnnouncementList.h"
#include "core/ButtonState.h"
#include "core/DrawRecord.h"
#include "core/Lcg32.h"
#include "resources/resource.h"

// The display shows the last press, the record every one: a press of more dice is a line of its own,
// a stalemate among them too.
static void DisplayAndRecordDraw(Side side, const std::vector<PieceKind>& kinds, int dice) {
    SetDisplayToTurn(side, kinds);
    if (dice <= 1)
        AddToDrawRecord(side, kinds[0]);
    else
        AddTurnToDrawRecord(side, kinds);
}

// Each die is drawn from all the included kinds, as a real die has all its faces every throw, and
// takes the generator's next step, so two dice give what two presses of one die would.
static PieceKind DrawOne(const bool (&included)[PIECE_KIND_COUNT], int count) {
    std::uint32_t value = Generator.Next();
    int r = static_cast<int>(((value >> 8) & 0xFFFF) % static_cast<std::uint32_t>(count));
    for (int i = 0, j = 0; i < PIECE_KIND_COUNT; i++) {
        if (!included[i]) continue;
        if (j == r) return static_cast<PieceKind>(i + 1);
        j++;
    }
    return PieceKind::None;
}

// A checked piece button takes its kind out of the draw; a failed query leaves it in. More than one die
// makes one turn of the press: one picture and one record line for all its kinds.
void DrawPieceKind(Side side, int dice) {
    const auto& commands = side == Side::White ? WhitePieceCommands : BlackPieceCommands;
    bool included[PIECE_KIND_COUNT];
    int count = 0;
    for (int i = 0; i < PIECE_KIND_COUNT; i++) {
        included[i] = !IsButtonChecked(commands[i]);
        if (included[i]) count++;
    }
    if (count == 0) {
        // Stalemate leaves the generator alone, so the same state decides the next real draw.
        DisplayAndRecordDraw(side, {PieceKind::None}, dice);
        return;
    }

    std::vector<PieceKind> kinds;
    for (int die = 0; die < std::max(dice, 1); die++) kinds.push_back(DrawOne(included, count));
    DisplayAndRecordDraw(side, kinds, dice);
    CheckButton(ID_BLACK_TURN, side == Side::Black);  // results ignored: nothing to tell the players
    CheckButton(ID_WHITE_TURN, side == Side::White);
}

// The checked Black Turn button means Black drew last; with none checked Black is due.
void NextTurn(int dice) {
    DrawPieceKind(IsButtonChecked(ID_BLACK_TURN) ? Side::White : Side::Black, dice);
}

void StartNewGame() {
    const int kingsAndPawns[] = {ID_WHITE_KING, ID_BLACK_KING, ID_WHITE_PAWN, ID_BLACK_PAWN};
    for (int command : kingsAndPawns) {
        HideButton(command, false);
        EnableButton(command, true);
        CheckButton(command, false);
    }
    // Black Turn pressed in makes White the first to draw.
    CheckButton(ID_BLACK_TURN, true);
    CheckButton(ID_WHITE_TURN, false);
    for (int i = 1; i < PIECE_KIND_COUNT - 1; i++) {  // Queen to Rook
        CheckButton(BlackPieceCommands[i], false);
        CheckButton(WhitePieceCommands[i], false);
    }
    SetDisplayToNewGame();
    ClearDrawRecord();
}

// From the starting position only Pawns and Knights can move, so the rest start out of the draw.
void StartOpeningGame() {
    StartNewGame();
    for (PieceKind kind : {PieceKind::King, PieceKind::Queen, PieceKind::Bishop, PieceKind::Rook}) {
        CheckButton(PieceCommand(Side::Black, kind), true);
        CheckButton(PieceCommand(Side::White, kind), true);
    }
}

// The piece draw, the turn marking and New Game; which kinds are in play lives on the toolbar.
#include "core/PieceDraw.h"

#include <cstdint>
#include <initializer_list>

#include "core/AnnouncementList.h"
#include "core/ButtonState.h"
#include "core/DrawRecord.h"
#include "core/Lcg32.h"
#include "resources/resource.h"

// The display shows the last draw, the record every one.
static void DisplayAndRecordDraw(Side side, PieceKind kind) {
    SetDisplayToDrawnKind(side, kind);
    AddToDrawRecord(side, kind);
}

// A checked piece button takes its kind out of the draw; a failed query leaves it in.
void DrawPieceKind(Side side) {
    const auto& commands = side == Side::White ? WhitePieceCommands : BlackPieceCommands;
    bool included[PIECE_KIND_COUNT];
    int count = 0;
    for (int i = 0; i < PIECE_KIND_COUNT; i++) {
        included[i] = !IsButtonChecked(commands[i]);
        if (included[i]) count++;
    }
    if (count == 0) {
        // Stalemate leaves the generator alone, so the same state decides the next real draw.
        DisplayAndRecordDraw(side, PieceKind::None);
        return;
    }

    std::uint32_t value = Generator.Next();
    int r = static_cast<int>(((value >> 8) & 0xFFFF) % static_cast<std::uint32_t>(count));
    PieceKind kind = PieceKind::None;
    for (int i = 0, j = 0; i < PIECE_KIND_COUNT; i++) {
        if (!included[i]) continue;
        if (j == r) {
            kind = static_cast<PieceKind>(i + 1);
            break;
        }
        j++;
    }
    DisplayAndRecordDraw(side, kind);
    CheckButton(ID_BLACK_TURN, side == Side::Black);  // results ignored: nothing to tell the players
    CheckButton(ID_WHITE_TURN, side == Side::White);
}

// The checked Black Turn button means Black drew last; with none checked Black is due.
void NextTurn() {
    DrawPieceKind(IsButtonChecked(ID_BLACK_TURN) ? Side::White : Side::Black);
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

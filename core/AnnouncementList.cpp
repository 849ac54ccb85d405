// The display's lines as text-slot numbers, and the picture above them.
#include "core/AnnouncementList.h"

#include "core/Buttons.h"
#include "core/KindTexts.h"
#include "text/TextTable.h"

std::vector<std::int32_t> AnnouncementList;
std::int32_t PieceImage = 0;

// Slots, not texts: a change of language shows up at the next paint without rebuilding this.
void SetDisplayToDrawnKind(Side side, PieceKind kind) {
    AnnouncementList.clear();
    AnnouncementList.push_back(side == Side::White ? TS_WHITE_PROMPT : TS_BLACK_PROMPT);
    AnnouncementList.push_back(KindTextsOf(kind).name);
    PieceImage = PieceTile(side, kind) + 1;  // a stalemate has no tile: 0, no picture
}

void SetDisplayToNewGame() {
    AnnouncementList.clear();
    AnnouncementList.push_back(TS_PRESS_WHITE);
    PieceImage = Buttons[ButtonIndex(ID_WHITE_TURN)].tile + 1;  // White draws first
}

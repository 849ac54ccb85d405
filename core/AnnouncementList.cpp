// The display's lines as text-slot numbers, and the picture above them.
#include "core/AnnouncementList.h"

#include "core/Buttons.h"
#include "core/KindTexts.h"
#include "text/TextTable.h"

std::vector<std::int32_t> AnnouncementList;
std::int32_t PieceImage = 0;
std::vector<std::int32_t> TurnImages;
static std::vector<PieceKind> TurnKinds;

// Slots, not texts: a change of language shows up at the next paint without rebuilding this.
void SetDisplayToDrawnKind(Side side, PieceKind kind) {
    AnnouncementList.clear();
    AnnouncementList.push_back(side == Side::White ? TS_WHITE_PROMPT : TS_BLACK_PROMPT);
    AnnouncementList.push_back(KindTextsOf(kind).name);
    PieceImage = PieceTile(side, kind) + 1;  // a stalemate has no tile: 0, no picture
    TurnImages.clear();
    TurnKinds.clear();
}

// A turn of one kind is an ordinary draw, to the last byte of what the display says.
void SetDisplayToTurn(Side side, const std::vector<PieceKind>& kinds) {
    if (kinds.size() <= 1) {
        SetDisplayToDrawnKind(side, kinds.empty() ? PieceKind::None : kinds[0]);
        return;
    }
    SetDisplayToDrawnKind(side, kinds[0]);
    AnnouncementList.back() = TURN_KINDS_LINE;
    TurnKinds = kinds;
    for (PieceKind kind : kinds) TurnImages.push_back(PieceTile(side, kind) + 1);
}

void SetDisplayToNewGame() {
    AnnouncementList.clear();
    AnnouncementList.push_back(TS_PRESS_WHITE);
    PieceImage = Buttons[ButtonIndex(ID_WHITE_TURN)].tile + 1;  // White draws first
    TurnImages.clear();
    TurnKinds.clear();
}

// The turn's kinds by the names the record gives them, as a player would read them off the dice.
std::wstring AnnouncedLineText(std::size_t position) {
    if (position >= AnnouncementList.size()) return L"";
    const std::int32_t slot = AnnouncementList[position];
    if (slot != TURN_KINDS_LINE) return IsTextSlot(slot) ? TextTable[slot] : std::wstring();
    std::wstring text;
    for (std::size_t i = 0; i < TurnKinds.size(); i++)
        text += (i > 0 ? L", " : L"") + TextTable[KindTextsOf(TurnKinds[i]).recordName];
    return text;
}

// The toolbar's buttons, and the button-state operations as messages to the toolbar that carries them.
#include "ui/ToolbarButtons.h"

#include <iterator>

#include "core/ButtonState.h"
#include "resources/resource.h"
#include "ui/Accessibility.h"

HWND ToolbarWindow = nullptr;

// Entry 10 ends the first row, so Help, Black Turn and the black pieces sit above New Game, White Turn
// and the white pieces. Separators with image 0 get the toolbar's default width.
const TBBUTTON ToolbarButtons[TOOLBAR_BUTTON_COUNT] = {
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {}, 0, 0},
    {15, ID_HELP, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {}, 0, 0},
    {12, ID_BLACK_TURN, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {}, 0, 0},
    {0, ID_BLACK_KING, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {1, ID_BLACK_QUEEN, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {2, ID_BLACK_BISHOP, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {3, ID_BLACK_KNIGHT, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {4, ID_BLACK_ROOK, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {5, ID_BLACK_PAWN, TBSTATE_ENABLED | TBSTATE_WRAP, TBSTYLE_CHECK, {}, 0, 0},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {}, 0, 0},
    {14, ID_NEW_GAME, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {}, 0, 0},
    {13, ID_WHITE_TURN, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {}, 0, 0},
    {6, ID_WHITE_KING, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {7, ID_WHITE_QUEEN, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {8, ID_WHITE_BISHOP, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {9, ID_WHITE_KNIGHT, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {10, ID_WHITE_ROOK, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
    {11, ID_WHITE_PAWN, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
};
static_assert(std::size(ToolbarButtons) == 22);

// A toolbar answers -1 for a command no button carries, so only 1 counts as a yes.
// Without a toolbar nothing is sent: every button reads as up and every change fails.
static bool AskToolbar(UINT message, int command, LPARAM lParam) {
    if (ToolbarWindow == nullptr) return false;
    return SendMessageW(ToolbarWindow, message, static_cast<WPARAM>(command), lParam) == 1;
}

bool IsButtonChecked(int command) { return AskToolbar(TB_ISBUTTONCHECKED, command, 0); }

// Draws and New Game change states behind the screen reader's back, so each change is announced here.
bool CheckButton(int command, bool checked) {
    const LRESULT before = ToolbarWindow != nullptr ? SendMessageW(ToolbarWindow, TB_GETSTATE, command, 0) : -1;
    const bool was = before != -1 && (before & TBSTATE_CHECKED) != 0;
    const bool done = AskToolbar(TB_CHECKBUTTON, command, MAKELPARAM(checked, 0));
    if (done && was != checked) AnnounceButtonState(command);
    return done;
}

bool EnableButton(int command, bool enabled) {
    return AskToolbar(TB_ENABLEBUTTON, command, MAKELPARAM(enabled, 0));
}

bool HideButton(int command, bool hidden) {
    return AskToolbar(TB_HIDEBUTTON, command, MAKELPARAM(hidden, 0));
}

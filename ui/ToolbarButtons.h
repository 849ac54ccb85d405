// The toolbar's 22 entries, laid out from the button table, and the window the button-state operations
// talk to.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>

#include "core/Buttons.h"

// A separator opens each group: Help, a turn, and each side's run of pieces.
constexpr bool SeparatorBefore(int index) {
    const ButtonRow& row = Buttons[index];
    return index == 0 || row.role != ButtonRole::Piece || Buttons[index - 1].role != ButtonRole::Piece ||
           Buttons[index - 1].side != row.side;
}

constexpr int CountSeparators() {
    int count = 0;
    for (int i = 0; i < BUTTON_COUNT; i++) count += SeparatorBefore(i) ? 1 : 0;
    return count;
}

constexpr int TOOLBAR_BUTTON_COUNT = BUTTON_COUNT + CountSeparators();

// Buttons carry no text; a separator with image 0 gets the toolbar's default width, and the row end's wrap
// flag starts the second row.
constexpr std::array<TBBUTTON, TOOLBAR_BUTTON_COUNT> LayOutToolbar() {
    std::array<TBBUTTON, TOOLBAR_BUTTON_COUNT> entries{};
    int entry = 0;
    for (int i = 0; i < BUTTON_COUNT; i++) {
        const ButtonRow& row = Buttons[i];
        if (SeparatorBefore(i)) {
            entries[entry].fsState = TBSTATE_ENABLED;
            entries[entry++].fsStyle = TBSTYLE_SEP;
        }
        TBBUTTON& button = entries[entry++];
        button.iBitmap = row.tile;
        button.idCommand = row.command;
        button.fsState = static_cast<BYTE>(TBSTATE_ENABLED | (row.rowEnd ? TBSTATE_WRAP : 0));
        button.fsStyle = row.role == ButtonRole::Piece ? TBSTYLE_CHECK : TBSTYLE_BUTTON;
    }
    return entries;
}

inline constexpr std::array<TBBUTTON, TOOLBAR_BUTTON_COUNT> ToolbarButtons = LayOutToolbar();

// The layout the toolbar has always had: separators at entries 0, 2, 4, 11, 13 and 15; entry 10 wraps.
constexpr bool KeepsTheKnownLayout() {
    for (int entry = 0; entry < TOOLBAR_BUTTON_COUNT; entry++) {
        const bool separator = entry == 0 || entry == 2 || entry == 4 || entry == 11 || entry == 13 || entry == 15;
        if ((ToolbarButtons[entry].fsStyle == TBSTYLE_SEP) != separator) return false;
    }
    return (ToolbarButtons[10].fsState & TBSTATE_WRAP) != 0;
}
static_assert(TOOLBAR_BUTTON_COUNT == 22 && KeepsTheKnownLayout());

extern HWND ToolbarWindow;  // null until the main window makes its toolbar
// Told of each button whose checked state CheckButton changed; the screen-reader layer sets it. A toggle
// by the players' own click is not reported here: its command is.
extern void (*ButtonStateListener)(int command);

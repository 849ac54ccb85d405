// The context menu: every command of the toolbar, and the game commands no button carries, for players
// who use the keyboard alone.
#include "ui/ContextMenu.h"

#include <iterator>
#include <string>

#include "core/Buttons.h"
#include "core/ButtonState.h"
#include "resources/resource.h"
#include "text/Config.h"
#include "text/TextTable.h"
#include "ui/Toolbar.h"
#include "ui/ToolbarButtons.h"
#include "ui/UiServices.h"

// Each side's turn with its pieces in a submenu, White first as the game begins, then the game commands
// and Help. Buttons come from the button table by role and side; the rest are commands of their own.
namespace {
enum class Part { Turn, Pieces, NewGame, Command, Dice, Help, Separator };
struct MenuPart {
    Part part;
    Side side;
    int command;  // a command no button carries
    int text;     // the submenu's or the command's text slot
};
}  // namespace

static const MenuPart MenuLayout[] = {
    {Part::Turn, Side::White, 0, 0},
    {Part::Pieces, Side::White, 0, TS_WHITE_PIECES},
    {Part::Turn, Side::Black, 0, 0},
    {Part::Pieces, Side::Black, 0, TS_BLACK_PIECES},
    {Part::Separator, Side::Black, 0, 0},
    {Part::NewGame, Side::Black, 0, 0},
    {Part::Command, Side::Black, ID_NEW_OPENING_GAME, TS_NEW_OPENING_GAME},
    {Part::Command, Side::Black, ID_DRAW_RECORD, TS_RECORD},
    {Part::Dice, Side::Black, 0, TS_DICE_PER_TURN},
    {Part::Separator, Side::Black, 0, 0},
    {Part::Help, Side::Black, 0, 0},
};

// A single & would underline the letter after it.
static std::wstring MenuText(const std::wstring& text) {
    std::wstring escaped;
    for (wchar_t c : text) escaped += c == L'&' ? std::wstring(L"&&") : std::wstring(1, c);
    return escaped;
}

// The item says what the tooltip says and, like the button, is checked while the button is pressed in.
static bool AppendButton(HMENU menu, const ButtonRow& row) {
    const LRESULT state = ToolbarWindow != nullptr ? SendMessageW(ToolbarWindow, TB_GETSTATE, row.command, 0) : -1;
    UINT flags = MF_STRING;
    if (IsButtonChecked(row.command)) flags |= MF_CHECKED;
    if (state == -1 || !(state & TBSTATE_ENABLED) || (state & TBSTATE_HIDDEN)) flags |= MF_GRAYED;
    return AppendMenuW(menu, flags, row.command, MenuText(TooltipText(row.command)).c_str()) != FALSE;
}

static bool AppendButtons(HMENU menu, ButtonRole role, Side side) {
    bool ok = true;
    for (const ButtonRow& row : Buttons) {
        const bool sided = role == ButtonRole::Turn || role == ButtonRole::Piece;
        if (row.role == role && (!sided || row.side == side)) ok = AppendButton(menu, row) && ok;
    }
    return ok;
}

static bool AppendPieces(HMENU menu, Side side, int text) {
    HMENU pieces = CreatePopupMenu();
    if (pieces == nullptr) return false;
    if (AppendButtons(pieces, ButtonRole::Piece, side) &&
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(pieces), MenuText(TextTable[text]).c_str()))
        return true;
    DestroyMenu(pieces);
    return false;
}

// Index dice - 1: the command and text of each choice of dice per turn.
static const MenuPart DiceChoices[] = {
    {Part::Command, Side::Black, ID_ONE_DIE, TS_ONE_DIE},
    {Part::Command, Side::Black, ID_TWO_DICE, TS_TWO_DICE},
    {Part::Command, Side::Black, ID_THREE_DICE, TS_THREE_DICE},
};

// Radio items, the one in force marked, as a player picks how many dice to throw.
static bool AppendDice(HMENU menu, int text) {
    HMENU dice = CreatePopupMenu();
    if (dice == nullptr) return false;
    bool ok = true;
    for (const MenuPart& choice : DiceChoices)
        ok = ok && AppendMenuW(dice, MF_STRING, choice.command, MenuText(TextTable[choice.text]).c_str()) != FALSE;
    const int first = DiceChoices[0].command, last = DiceChoices[std::size(DiceChoices) - 1].command;
    ok = ok && CheckMenuRadioItem(dice, first, last, first + DicePerTurn - 1, MF_BYCOMMAND) != FALSE;
    if (ok && AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(dice), MenuText(TextTable[text]).c_str()))
        return true;
    DestroyMenu(dice);
    return false;
}

// The choice is kept in config.txt at once; one that can't be written is not made, and the players hear so.
void ChooseDicePerTurn(int command) {
    int dice = 0;
    for (int i = 0; i < static_cast<int>(std::size(DiceChoices)); i++)
        if (DiceChoices[i].command == command) dice = i + 1;
    if (dice == 0 || dice == DicePerTurn) return;
    const std::wstring configPath = ModulePath(ConfigFileName);
    if (!SaveDiceChoice(dice, configPath)) {
        ShowMessage(SaveConfigErrorMessage(configPath));
        return;
    }
    // The same size again: the platform widens a window now too narrow for the row to the new limit.
    RECT outer = {};
    if (MainWindowHandle != nullptr && !IsIconic(MainWindowHandle) && !IsZoomed(MainWindowHandle) &&
        GetWindowRect(MainWindowHandle, &outer))
        SetWindowPos(MainWindowHandle, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static bool AppendPart(HMENU menu, const MenuPart& part) {
    switch (part.part) {
    case Part::Turn:
        return AppendButtons(menu, ButtonRole::Turn, part.side);
    case Part::Pieces:
        return AppendPieces(menu, part.side, part.text);
    case Part::NewGame:
        return AppendButtons(menu, ButtonRole::NewGame, part.side);
    case Part::Command:
        return AppendMenuW(menu, MF_STRING, part.command, MenuText(TextTable[part.text]).c_str()) != FALSE;
    case Part::Dice:
        return AppendDice(menu, part.text);
    case Part::Help:
        return AppendButtons(menu, ButtonRole::Help, part.side);
    case Part::Separator:
        return AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) != FALSE;
    }
    return false;
}

HMENU BuildContextMenu() {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return nullptr;
    for (const MenuPart& part : MenuLayout) {
        if (AppendPart(menu, part)) continue;
        DestroyMenu(menu);  // and every submenu already in it
        return nullptr;
    }
    return menu;
}

static bool FromKeyboard(LPARAM where) { return LOWORD(where) == 0xFFFF && HIWORD(where) == 0xFFFF; }

// The keyboard's menu and a click on the display or the toolbar are the game's; elsewhere the window keeps
// what every window has there, such as Restore, Move and Close on its caption and icon.
bool IsGameMenuPoint(HWND window, LPARAM where) {
    return FromKeyboard(where) || SendMessageW(window, WM_NCHITTEST, 0, where) == HTCLIENT;
}

// From the keyboard the menu opens at the display's top-left corner, just under the toolbar.
static POINT MenuPoint(HWND window, LPARAM where) {
    if (!FromKeyboard(where)) return {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    POINT point = {0, ToolbarHeight};
    ClientToScreen(window, &point);
    return point;
}

// A button's item does what a click on the button does, so the toggle, its tooltip and its announcements
// are the click's own; the other commands go to the window as a menu's always do.
void OpenContextMenu(HWND window, LPARAM where) {
    if (!IsWindowEnabled(window)) return;  // a modal box is up: nothing under it may change the game
    HMENU menu = BuildContextMenu();
    if (menu == nullptr) return;
    const POINT point = MenuPoint(window, where);
    const int command = static_cast<int>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, point.x, point.y,
                         window, nullptr));
    DestroyMenu(menu);
    if (command == 0) return;  // closed without a choice
    if (ButtonIndex(command) >= 0) {
        PressButton(command);
    } else {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
}

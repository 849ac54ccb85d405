// The toolbar as a screen reader sees it: one element per button, in toolbar order, separators left out.
#include "ui/AccessibleToolbar.h"

#include "core/Buttons.h"
#include "ui/Toolbar.h"

// Where a button stands: its element, and its row and column as the button table lays the rows out.
struct ButtonPlace {
    const ButtonRow* button;
    LONG element;
    int row;
    int column;
};

// The first button for which matches holds; no button (element 0) when none does.
template <typename Match>
static ButtonPlace FindButton(Match matches) {
    ButtonPlace place = {nullptr, 0, 0, 0};
    for (const ButtonRow& button : Buttons) {
        place.button = &button;
        place.element++;
        if (matches(place)) return place;
        place.column++;
        if (button.rowEnd) {
            place.row++;
            place.column = 0;
        }
    }
    return {nullptr, 0, 0, 0};
}

static ButtonPlace PlaceOf(LONG element) {
    return FindButton([element](const ButtonPlace& place) { return place.element == element; });
}

static ButtonPlace PlaceAt(int row, int column) {
    return FindButton([row, column](const ButtonPlace& place) { return place.row == row && place.column == column; });
}

LONG CheckButtonElement(int command) { return IsPieceButton(command) ? ButtonIndex(command) + 1 : 0; }

AccessibleToolbar::AccessibleToolbar(HWND toolbar, IAccessible* standard)
    : AccessibleObject(toolbar, standard, BUTTON_COUNT) {}

// The tooltip's text, so the name says what the picture shows and, for a piece, whether it is in the draw.
HRESULT AccessibleToolbar::Name(LONG element, BSTR* name) {
    if (element == CHILDID_SELF) return AccessibleObject::Name(element, name);
    return Text(TooltipText(PlaceOf(element).button->command), name);
}

HRESULT AccessibleToolbar::Role(LONG element, VARIANT* role) {
    if (element == CHILDID_SELF) return Number(ROLE_SYSTEM_TOOLBAR, role);
    bool check = PlaceOf(element).button->role == ButtonRole::Piece;
    return Number(check ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON, role);
}

// The toolbar is the only store of these states, so each question goes to it.
HRESULT AccessibleToolbar::State(LONG element, VARIANT* state) {
    if (element == CHILDID_SELF) return AccessibleObject::State(element, state);
    LRESULT bits = SendMessageW(window, TB_GETSTATE, PlaceOf(element).button->command, 0);
    if (bits == -1) return E_FAIL;
    LONG result = 0;
    if (bits & TBSTATE_CHECKED) result |= STATE_SYSTEM_CHECKED;
    if (bits & TBSTATE_PRESSED) result |= STATE_SYSTEM_PRESSED;
    if (!(bits & TBSTATE_ENABLED)) result |= STATE_SYSTEM_UNAVAILABLE;
    if (bits & TBSTATE_HIDDEN) result |= STATE_SYSTEM_INVISIBLE;
    return Number(result, state);
}

HRESULT AccessibleToolbar::DefaultAction(LONG element, BSTR* action) {
    if (element == CHILDID_SELF) return AccessibleObject::DefaultAction(element, action);
    return Text(L"Press", action);
}

// What a click does: a check button toggles, then the main window hears of the click as from the mouse.
// Posted, because Help opens the modal dialog and the screen reader must not wait until it closes.
HRESULT AccessibleToolbar::DoDefaultAction(LONG element) {
    if (element == CHILDID_SELF) return AccessibleObject::DoDefaultAction(element);
    const ButtonRow& button = *PlaceOf(element).button;
    LRESULT bits = SendMessageW(window, TB_GETSTATE, button.command, 0);
    if (bits == -1 || !(bits & TBSTATE_ENABLED) || (bits & TBSTATE_HIDDEN)) return E_FAIL;  // a click does nothing
    if (button.role == ButtonRole::Piece)
        SendMessageW(window, TB_CHECKBUTTON, button.command, MAKELPARAM(!(bits & TBSTATE_CHECKED), 0));
    PostMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(button.command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
    return S_OK;
}

HRESULT AccessibleToolbar::Location(LONG element, LONG* left, LONG* top, LONG* width, LONG* height) {
    if (element == CHILDID_SELF) return AccessibleObject::Location(element, left, top, width, height);
    RECT box;
    if (!SendMessageW(window, TB_GETRECT, PlaceOf(element).button->command, reinterpret_cast<LPARAM>(&box)))
        return E_FAIL;
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&box), 2);
    *left = box.left;
    *top = box.top;
    *width = box.right - box.left;
    *height = box.bottom - box.top;
    return S_OK;
}

// Through the buttons in toolbar order, and between the two rows, which line up column by column.
HRESULT AccessibleToolbar::Navigate(LONG direction, LONG element, VARIANT* end) {
    if (element == CHILDID_SELF) {
        if (direction == NAVDIR_FIRSTCHILD) return Number(1, end);
        if (direction == NAVDIR_LASTCHILD) return Number(elementCount, end);
        return AccessibleObject::Navigate(direction, element, end);
    }
    ButtonPlace from = PlaceOf(element);
    ButtonPlace to = {nullptr, 0, 0, 0};
    switch (direction) {
    case NAVDIR_NEXT:
        to = PlaceOf(element + 1);
        break;
    case NAVDIR_PREVIOUS:
        to = PlaceOf(element - 1);
        break;
    case NAVDIR_LEFT:
        to = PlaceAt(from.row, from.column - 1);
        break;
    case NAVDIR_RIGHT:
        to = PlaceAt(from.row, from.column + 1);
        break;
    case NAVDIR_UP:
        to = PlaceAt(from.row - 1, from.column);
        break;
    case NAVDIR_DOWN:
        to = PlaceAt(from.row + 1, from.column);
        break;
    }
    return to.element != 0 ? Number(to.element, end) : S_FALSE;
}

// A point on a separator or the toolbar's margin is the toolbar itself; outside it, nothing of ours.
HRESULT AccessibleToolbar::HitTest(LONG x, LONG y, VARIANT* child) {
    POINT point = {x, y};
    RECT client;
    if (!ScreenToClient(window, &point) || !GetClientRect(window, &client) || !PtInRect(&client, point))
        return S_FALSE;
    LRESULT index = SendMessageW(window, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point));
    TBBUTTON button = {};
    LONG element = CHILDID_SELF;
    if (index >= 0 && SendMessageW(window, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)) &&
        !(button.fsStyle & TBSTYLE_SEP) && ButtonIndex(button.idCommand) >= 0)
        element = ButtonIndex(button.idCommand) + 1;
    return Number(element, child);
}

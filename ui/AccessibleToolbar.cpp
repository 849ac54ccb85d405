// The toolbar as a screen reader sees it: one element per entry, separators included, numbered by toolbar
// index + 1 as the platform's own toolbar object and its events number them.
#include "ui/AccessibleToolbar.h"

#include "core/Buttons.h"
#include "text/TextTable.h"
#include "ui/Toolbar.h"
#include "ui/ToolbarButtons.h"
#include "ui/UiServices.h"

static const TBBUTTON& EntryOf(LONG element) { return ToolbarButtons[element - 1]; }

static bool IsSeparator(LONG element) { return (EntryOf(element).fsStyle & TBSTYLE_SEP) != 0; }

// Row and column as the wrap flag lays the rows out; the two rows, separators counted, line up.
struct Place {
    int row;
    int column;
};

static Place PlaceOf(LONG element) {
    Place place = {0, 0};
    for (LONG before = 1; before < element; before++) {
        place.column++;
        if (EntryOf(before).fsState & TBSTATE_WRAP) place = {place.row + 1, 0};
    }
    return place;
}

static LONG ElementAt(Place wanted) {
    for (LONG element = 1; element <= TOOLBAR_BUTTON_COUNT; element++) {
        Place place = PlaceOf(element);
        if (place.row == wanted.row && place.column == wanted.column) return element;
    }
    return 0;
}

LONG ButtonElement(int command) {
    for (LONG element = 1; element <= TOOLBAR_BUTTON_COUNT; element++)
        if (!IsSeparator(element) && EntryOf(element).idCommand == command) return element;
    return 0;
}

AccessibleToolbar::AccessibleToolbar(HWND toolbar, IAccessible* standard)
    : AccessibleObject(toolbar, standard, TOOLBAR_BUTTON_COUNT) {}

// The tooltip's text, so the name says what the picture shows and, for a piece, whether it is in the draw.
HRESULT AccessibleToolbar::Name(LONG element, BSTR* name) {
    if (element == CHILDID_SELF) return AccessibleObject::Name(element, name);
    return IsSeparator(element) ? S_FALSE : Text(TooltipText(EntryOf(element).idCommand), name);
}

HRESULT AccessibleToolbar::Role(LONG element, VARIANT* role) {
    if (element == CHILDID_SELF) return Number(ROLE_SYSTEM_TOOLBAR, role);
    if (IsSeparator(element)) return Number(ROLE_SYSTEM_SEPARATOR, role);
    return Number(IsPieceButton(EntryOf(element).idCommand) ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON, role);
}

// The toolbar is the only store of these states, so each question goes to it. While a modal box is up
// nothing under it can be used, and the buttons say so.
HRESULT AccessibleToolbar::State(LONG element, VARIANT* state) {
    if (element == CHILDID_SELF) return AccessibleObject::State(element, state);
    TBBUTTON entry = {};
    if (!SendMessageW(window, TB_GETBUTTON, element - 1, reinterpret_cast<LPARAM>(&entry))) return E_FAIL;
    LONG result = 0;
    if (entry.fsState & TBSTATE_CHECKED) result |= STATE_SYSTEM_CHECKED;
    if (entry.fsState & TBSTATE_PRESSED) result |= STATE_SYSTEM_PRESSED;
    if (!(entry.fsState & TBSTATE_ENABLED) || !IsWindowEnabled(MainWindowHandle)) result |= STATE_SYSTEM_UNAVAILABLE;
    if (entry.fsState & TBSTATE_HIDDEN) result |= STATE_SYSTEM_INVISIBLE;
    return Number(result, state);
}

HRESULT AccessibleToolbar::DefaultAction(LONG element, BSTR* action) {
    if (element == CHILDID_SELF) return AccessibleObject::DefaultAction(element, action);
    return IsSeparator(element) ? S_FALSE : Text(TextTable[TS_PRESS], action);
}

HRESULT AccessibleToolbar::DoDefaultAction(LONG element) {
    if (element == CHILDID_SELF) return AccessibleObject::DoDefaultAction(element);
    if (IsSeparator(element)) return DISP_E_MEMBERNOTFOUND;
    return PressButton(EntryOf(element).idCommand) ? S_OK : E_FAIL;
}

HRESULT AccessibleToolbar::Location(LONG element, LONG* left, LONG* top, LONG* width, LONG* height) {
    if (element == CHILDID_SELF) return AccessibleObject::Location(element, left, top, width, height);
    RECT box;
    if (!SendMessageW(window, TB_GETITEMRECT, element - 1, reinterpret_cast<LPARAM>(&box))) return E_FAIL;
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&box), 2);
    *left = box.left;
    *top = box.top;
    *width = box.right - box.left;
    *height = box.bottom - box.top;
    return S_OK;
}

// Through the entries in toolbar order, and between the two rows, which line up column by column.
HRESULT AccessibleToolbar::Navigate(LONG direction, LONG element, VARIANT* end) {
    if (element == CHILDID_SELF) {
        if (direction == NAVDIR_FIRSTCHILD) return Number(1, end);
        if (direction == NAVDIR_LASTCHILD) return Number(elementCount, end);
        return AccessibleObject::Navigate(direction, element, end);
    }
    const Place from = PlaceOf(element);
    LONG to = 0;
    switch (direction) {
    case NAVDIR_NEXT:
        to = element < elementCount ? element + 1 : 0;
        break;
    case NAVDIR_PREVIOUS:
        to = element - 1;
        break;
    case NAVDIR_LEFT:
        to = ElementAt({from.row, from.column - 1});
        break;
    case NAVDIR_RIGHT:
        to = ElementAt({from.row, from.column + 1});
        break;
    case NAVDIR_UP:
        to = ElementAt({from.row - 1, from.column});
        break;
    case NAVDIR_DOWN:
        to = ElementAt({from.row + 1, from.column});
        break;
    }
    return to != 0 ? Number(to, end) : S_FALSE;
}

// A point on the toolbar's margin is the toolbar itself; outside it, nothing of ours. Each entry's own
// rectangle decides, since the toolbar's hit test gives no index for a point on a separator.
HRESULT AccessibleToolbar::HitTest(LONG x, LONG y, VARIANT* child) {
    POINT point = {x, y};
    RECT client;
    if (!ScreenToClient(window, &point) || !GetClientRect(window, &client) || !PtInRect(&client, point))
        return S_FALSE;
    for (LONG element = 1; element <= elementCount; element++) {
        RECT box;
        TBBUTTON entry = {};
        if (SendMessageW(window, TB_GETBUTTON, element - 1, reinterpret_cast<LPARAM>(&entry)) &&
            !(entry.fsState & TBSTATE_HIDDEN) &&
            SendMessageW(window, TB_GETITEMRECT, element - 1, reinterpret_cast<LPARAM>(&box)) && PtInRect(&box, point))
            return Number(element, child);
    }
    return Number(CHILDID_SELF, child);
}

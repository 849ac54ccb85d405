// The two-row toolbar: its creation and the texts of its tooltips.
#include "ui/Toolbar.h"

#include <algorithm>

#include "core/ButtonState.h"
#include "core/Buttons.h"
#include "resources/resource.h"
#include "text/TextTable.h"
#include "ui/ToolbarButtons.h"
#include "ui/UiServices.h"

int ToolbarHeight = 0;

// Shared by every request: the tooltip copies the text before the next one can arrive.
static wchar_t TooltipBuffer[TOOLTIP_MAX_LENGTH + 1];

// A failed toolbar is not reported: the button operations then find no window and every kind counts as
// included. Without a parent there is nothing to attach a toolbar to. Transparent, it asks its parent for
// its background with or without a theme, so the display's grey shows around the buttons in either.
void CreateToolbar(HWND parent) {
    if (parent == nullptr) return;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS | TBSTYLE_TRANSPARENT;
    ToolbarWindow = CreateToolbarEx(parent, style, IDC_TOOLBAR, PIECE_STRIP_TILES, InstanceHandle, IDB_PIECE_STRIP,
                                    ToolbarButtons.data(), TOOLBAR_BUTTON_COUNT, 0, 0, TILE_SIZE, TILE_SIZE,
                                    sizeof(TBBUTTON));
    if (ToolbarWindow == nullptr) return;
    // Without CCS_NORESIZE the toolbar ignores this size and fits itself to the top of the client area.
    MoveWindow(ToolbarWindow, 0, 0, 0, 0, TRUE);
    RECT outer;
    if (GetWindowRect(ToolbarWindow, &outer)) ToolbarHeight = outer.bottom - outer.top;
}

// Read from the text table at every request, so a change of language shows at the next hover.
std::wstring TooltipText(int command) {
    const int index = ButtonIndex(command);
    if (index < 0) return L"?";
    const ButtonRow& row = Buttons[index];
    // A pressed-in piece button takes its kind out of the draw.
    return TextTable[row.role == ButtonRole::Piece && IsButtonChecked(command) ? row.textOut : row.textIn];
}

void OnTooltipRequest(NMTTDISPINFOW* request) {
    std::wstring text = TooltipText(static_cast<int>(request->hdr.idFrom));
    size_t length = std::min<size_t>(text.size(), TOOLTIP_MAX_LENGTH);
    text.copy(TooltipBuffer, length);
    TooltipBuffer[length] = L'\0';
    request->lpszText = TooltipBuffer;
}

// A check button toggles, then the main window hears of the click as from the mouse, and announces it as
// after a click. Posted, because Help opens the modal dialog and the caller must not wait until it closes.
// A screen reader or a menu still reaches the buttons while a modal box is up, but nothing may change the
// game behind the box then.
bool PressButton(int command) {
    if (ToolbarWindow == nullptr || !IsWindowEnabled(MainWindowHandle)) return false;
    TBBUTTONINFOW entry = {};
    entry.cbSize = sizeof entry;
    entry.dwMask = TBIF_STATE;
    if (SendMessageW(ToolbarWindow, TB_GETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&entry)) == -1 ||
        !(entry.fsState & TBSTATE_ENABLED) || (entry.fsState & TBSTATE_HIDDEN))
        return false;
    if (IsPieceButton(command))
        SendMessageW(ToolbarWindow, TB_CHECKBUTTON, command, MAKELPARAM(!(entry.fsState & TBSTATE_CHECKED), 0));
    PostMessageW(MainWindowHandle, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(ToolbarWindow));
    return true;
}

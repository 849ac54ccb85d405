// The two-row toolbar: its creation and the texts of its tooltips.
#include "ui/Toolbar.h"

#include <iterator>

#include "core/ButtonState.h"
#include "core/Buttons.h"
#include "resources/resource.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "ui/DisplayScale.h"
#include "ui/ToolbarButtons.h"
#include "ui/UiServices.h"

int ToolbarHeight = 0;

static SIZE ButtonSizeAtBase = {};  // what the toolbar made of the 40 x 40 tiles at 96 DPI
static int SeparatorAtBase = 0;
static HIMAGELIST ScaledTiles = nullptr;  // ours, once the toolbar shows tiles at another scale than 96 DPI

// Shared by every request: the tooltip copies the text before the next one can arrive. A loaded line fits.
static wchar_t TooltipBuffer[TEXT_LINE_MAX_LENGTH + 1];

static void MeasureToolbarHeight() {
    RECT outer;
    if (GetWindowRect(ToolbarWindow, &outer)) ToolbarHeight = outer.bottom - outer.top;
}

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
    // The sizes it derived from the tiles are the 96-DPI layout that every other scale grows from.
    const LRESULT button = SendMessageW(ToolbarWindow, TB_GETBUTTONSIZE, 0, 0);
    ButtonSizeAtBase = {LOWORD(button), HIWORD(button)};
    SeparatorAtBase = 0;
    for (int i = 0; i < TOOLBAR_BUTTON_COUNT && SeparatorAtBase == 0; i++) {
        RECT separator = {};
        if ((ToolbarButtons[i].fsStyle & TBSTYLE_SEP) &&
            SendMessageW(ToolbarWindow, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&separator)))
            SeparatorAtBase = separator.right - separator.left;
    }
    if (MainWindow.dpi != BASE_DPI) ScaleToolbar(MainWindow.dpi);
    // Without CCS_NORESIZE the toolbar ignores this size and fits itself to the top of the client area.
    MoveWindow(ToolbarWindow, 0, 0, 0, 0, TRUE);
    MeasureToolbarHeight();
}

// The strip with the toolbar's own colour mapping (its greys become the system's button colours), each
// pixel grown to a block, masked on the button face as the toolbar masks the tiles it loads itself.
static HIMAGELIST ScaledTileList(int size) {
    HBITMAP strip = CreateMappedBitmap(InstanceHandle, IDB_PIECE_STRIP, 0, nullptr, 0);
    HBITMAP scaled = StretchBitmapNearest(strip, PIECE_STRIP_TILES * size, size);
    HIMAGELIST list = scaled != nullptr ? ImageList_Create(size, size, ILC_COLORDDB | ILC_MASK, PIECE_STRIP_TILES, 0) : nullptr;
    if (list != nullptr && ImageList_AddMasked(list, scaled, GetSysColor(COLOR_BTNFACE)) < 0) {
        ImageList_Destroy(list);
        list = nullptr;
    }
    if (scaled != nullptr) DeleteObject(scaled);
    if (strip != nullptr) DeleteObject(strip);
    return list;
}

// At 125 % and 150 % a tile grows to 50 and 60 pixels: every fourth or every second of its rows and
// columns is doubled, so each pixel stays one colour and the toolbar stays in step with the window.
void ScaleToolbar(int dpi) {
    if (ToolbarWindow == nullptr) return;
    const int size = ScaledToDpi(TILE_SIZE, dpi);
    HIMAGELIST tiles = ScaledTileList(size);
    if (tiles == nullptr) return;  // the tiles keep their size; the buttons still work
    SendMessageW(ToolbarWindow, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(tiles));
    ReleaseToolbarImages();
    ScaledTiles = tiles;
    SendMessageW(ToolbarWindow, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    SendMessageW(ToolbarWindow, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(ScaledToDpi(ButtonSizeAtBase.cx, dpi), ScaledToDpi(ButtonSizeAtBase.cy, dpi)));
    // A separator's image number is its width.
    TBBUTTONINFOW separator = {};
    separator.cbSize = sizeof(separator);
    separator.dwMask = TBIF_BYINDEX | TBIF_IMAGE;
    separator.iImage = ScaledToDpi(SeparatorAtBase, dpi);
    for (int i = 0; i < TOOLBAR_BUTTON_COUNT; i++)
        if (ToolbarButtons[i].fsStyle & TBSTYLE_SEP)
            SendMessageW(ToolbarWindow, TB_SETBUTTONINFOW, i, reinterpret_cast<LPARAM>(&separator));
    SendMessageW(ToolbarWindow, TB_AUTOSIZE, 0, 0);
    MeasureToolbarHeight();
}

void ReleaseToolbarImages() {
    if (ScaledTiles != nullptr) ImageList_Destroy(ScaledTiles);
    ScaledTiles = nullptr;
}

// Read from the text table at every request, so a change of language shows at the next hover.
std::wstring TooltipText(int command) {
    const int index = ButtonIndex(command);
    if (index < 0) return L"?";
    const ButtonRow& row = Buttons[index];
    // A pressed-in piece button takes its kind out of the draw.
    const int slot = row.role == ButtonRole::Piece && IsButtonChecked(command) ? row.outOfDrawNameSlot : row.nameSlot;
    return TextTable[slot];
}

void OnTooltipRequest(NMTTDISPINFOW* request) {
    const std::wstring text = TooltipText(static_cast<int>(request->hdr.idFrom));
    const size_t length = text.copy(TooltipBuffer, std::size(TooltipBuffer) - 1);
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

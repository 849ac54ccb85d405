// The draw record's window: a list of the record's lines and its tally, Copy and Close.
#include "ui/DrawRecordWindow.h"

#include <commctrl.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "core/DrawRecord.h"
#include "resources/resource.h"
#include "text/TextTable.h"
#include "ui/UiServices.h"

HWND DrawRecordWindow = nullptr;

// What the list shows: the lines [firstLine, lineEnd) of that game after that many draws, then the tally.
struct ShownRecord {
    std::uint64_t game;
    std::uint64_t draws;
    std::uint64_t firstLine;
    std::uint64_t lineEnd;
};
static ShownRecord Shown = {};
// The line with the most characters so far sets how far the list scrolls sideways, measured once a change.
static std::wstring LongestLine;
static bool LongerLine = false;
static int ColumnWidth = 0;
// A list-view draws no more of a row than this, so no more is asked for or measured.
constexpr std::size_t SHOWN_ROW_LENGTH = 260;

static HWND RecordList() { return GetDlgItem(DrawRecordWindow, IDC_RECORD_LIST); }

static int ShownLines(const ShownRecord& shown) { return static_cast<int>(shown.lineEnd - shown.firstLine); }

static std::wstring RowText(int row, std::size_t limit) {
    const int lines = ShownLines(Shown);
    if (row < lines) return RecordLineText(Shown.firstLine + static_cast<std::uint64_t>(row), limit);
    const std::vector<std::wstring> tally = RecordTallyLines();
    const std::size_t index = static_cast<std::size_t>(row - lines);
    return index < tally.size() ? tally[index] : L"";
}

static int RowCount() { return ShownLines(Shown) + static_cast<int>(RecordTallyLines().size()); }

// The list asks for a row's text each time it draws it or a screen reader reads it.
static void GiveRowText(NMLVDISPINFOW* info) {
    if ((info->item.mask & LVIF_TEXT) == 0 || info->item.pszText == nullptr || info->item.cchTextMax <= 0) return;
    const std::size_t room = static_cast<std::size_t>(info->item.cchTextMax) - 1;
    const std::wstring text = RowText(info->item.iItem, room);
    info->item.pszText[text.copy(info->item.pszText, room)] = L'\0';
}

static void Measure(int row) {
    std::wstring text = RowText(row, SHOWN_ROW_LENGTH);
    if (text.size() <= LongestLine.size()) return;
    LongestLine = std::move(text);
    LongerLine = true;
}

// A few characters' room more, since a shorter line of wider letters can be wider still; never narrower
// than the list, so a selected row is marked across it.
static void FitWidth(HWND list) {
    if (list == nullptr) return;  // a first WM_SIZE comes before the controls
    if (LongerLine) {
        LongerLine = false;
        HDC dc = GetDC(list);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
        SIZE size = {};
        GetTextExtentPoint32W(dc, LongestLine.c_str(), static_cast<int>(LongestLine.size()), &size);
        SelectObject(dc, previous);
        ReleaseDC(list, dc);
        ColumnWidth = size.cx + size.cx / 8 + 2 * GetSystemMetrics(SM_CXEDGE);
    }
    RECT client = {};
    GetClientRect(list, &client);
    const int width = ColumnWidth > client.right ? ColumnWidth : static_cast<int>(client.right);
    if (SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0) != width) SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, width);
}

static bool AtBottom(HWND list) {
    const LRESULT top = SendMessageW(list, LVM_GETTOPINDEX, 0, 0);
    return top + SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0) >= SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
}

static void ScrollToBottom(HWND list) {
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(RowCount() - 1), FALSE);
}

// Every line and the tally measured again: at opening and in new texts.
static void MeasureAllRows(HWND list) {
    LongestLine.clear();
    for (int row = 0, rows = RowCount(); row < rows; row++) Measure(row);
    FitWidth(list);
    InvalidateRect(list, nullptr, TRUE);
}

// At opening the list starts at its end, as a score sheet is read: the latest draws above the tally.
static void FillRecordList(HWND list) {
    Shown = {RecordGameNumber(), RecordDrawCount(), FirstRecordLine(), RecordLineEnd()};
    SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(RowCount()), 0);
    MeasureAllRows(list);
    ScrollToBottom(list);
}

// Posted by FollowDrawRecord; the record catches up when it arrives.
constexpr UINT WM_FOLLOW_RECORD = WM_APP + 1;
static bool FollowPosted = false;

static bool ShowsTheRecord() { return Shown.game == RecordGameNumber() && Shown.draws == RecordDrawCount(); }

// Posted, so the display's paint, posted before, comes first: the players see a draw no later for
// the record being open.
void FollowDrawRecord() {
    if (DrawRecordWindow == nullptr || FollowPosted || ShowsTheRecord()) return;
    FollowPosted = PostMessageW(DrawRecordWindow, WM_FOLLOW_RECORD, 0, 0) != FALSE;
}

// Where a row shown before a change stands after it: a line keeps its place in the game, a tally row
// its place in the tally; -1 for a line let go.
static int RowAfter(const ShownRecord& before, int row) {
    const int lines = ShownLines(before);
    if (row < 0) return -1;
    if (row >= lines) return row - lines + ShownLines(Shown);
    const std::uint64_t line = before.firstLine + static_cast<std::uint64_t>(row);
    if (before.game != Shown.game || line < Shown.firstLine) return -1;
    return static_cast<int>(line - Shown.firstLine);
}

static void MarkRow(HWND list, int row, UINT mask, UINT state) {
    LVITEMW item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

static int MarkedRow(HWND list, UINT state) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), state));
}

// A list-view looks for the selected row row by row, milliseconds at the record's limit; the players select
// with the focus, so the focused row is asked first.
static int SelectedRow(HWND list) {
    if (SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == 0) return -1;
    const int focused = MarkedRow(list, LVNI_FOCUSED);
    if (focused >= 0 && SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(focused), LVIS_SELECTED) != 0)
        return focused;
    return MarkedRow(list, LVNI_SELECTED);
}

// The list's two scroll bars as the players see them: where they are, their thumbs and their arrows.
struct ScrollBarsLook {
    SCROLLBARINFO vertical;
    SCROLLBARINFO horizontal;
};

static ScrollBarsLook LookOfScrollBars(HWND list) {
    ScrollBarsLook look = {};
    look.vertical.cbSize = look.horizontal.cbSize = sizeof(SCROLLBARINFO);
    GetScrollBarInfo(list, OBJID_VSCROLL, &look.vertical);
    GetScrollBarInfo(list, OBJID_HSCROLL, &look.horizontal);
    return look;
}

struct ListBeforeChange {
    ScrollBarsLook bars;
    bool waitingForPaint;  // turning drawing off drops a paint still to come
};

// Under Wine a list-view draws its scroll bars each time it sets them, four times a change of its row count,
// and a themed bar takes about 10 ms here. So the list changes with the window's own drawing off, which the
// list-view does not see: it sets its bars without drawing them. Its own WM_SETREDRAW would not do, as
// turning it back on sets the bars again, drawing them.
static ListBeforeChange StopDrawing(HWND list) {
    const ListBeforeChange before = {LookOfScrollBars(list), GetUpdateRect(list, nullptr, FALSE) != FALSE};
    DefWindowProcW(list, WM_SETREDRAW, FALSE, 0);
    return before;
}

// The rows are drawn again; the frame (border and bars), which Wine also asks for when drawing is turned back
// on, only when a bar looks different or a paint was dropped.
static void DrawChanges(HWND list, const ListBeforeChange& before) {
    DefWindowProcW(list, WM_SETREDRAW, TRUE, 0);
    const ScrollBarsLook bars = LookOfScrollBars(list);
    const bool frame = before.waitingForPaint || std::memcmp(&before.bars, &bars, sizeof(bars)) != 0;
    if (!frame) RedrawWindow(list, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | (frame ? RDW_FRAME : 0));
}

// A draw lengthens the last line or starts a new one and changes the tally; at the record's limit it also
// shortens the first line or lets it go. The rows are asked for only when shown, so a draw costs the same
// however many lines the game has. The player's selected row, focused row and top row stay where they are,
// so a screen reader keeps its place; a view at the bottom follows the new lines.
static void CatchUp() {
    FollowPosted = false;
    if (ShowsTheRecord()) return;
    HWND list = RecordList();
    const ShownRecord before = Shown;
    const bool atBottom = AtBottom(list);
    const int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    const int selected = SelectedRow(list), focused = MarkedRow(list, LVNI_FOCUSED);
    Shown = {RecordGameNumber(), RecordDrawCount(), FirstRecordLine(), RecordLineEnd()};
    const int rows = RowCount();
    const ListBeforeChange unchanged = StopDrawing(list);
    SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    // Marks are moved only when their row moved, so a screen reader hears nothing new at a draw.
    const int selectedAfter = RowAfter(before, selected);
    const int selectedNow = SelectedRow(list);
    if (selectedNow != selectedAfter) {
        if (selectedNow >= 0) MarkRow(list, selectedNow, LVIS_SELECTED, 0);
        if (selectedAfter >= 0) MarkRow(list, selectedAfter, LVIS_SELECTED, LVIS_SELECTED);
    }
    // A focused line let go hands the focus to the first row, so the keys still start somewhere near.
    const int focusedAfter = RowAfter(before, focused) >= 0 ? RowAfter(before, focused) : 0;
    if (focused >= 0 && MarkedRow(list, LVNI_FOCUSED) != focusedAfter)
        MarkRow(list, focusedAfter, LVIS_FOCUSED, LVIS_FOCUSED);
    if (before.game != Shown.game) LongestLine.clear();
    const int lastLine = RowAfter(before, ShownLines(before) - 1);  // only it and the rows below it changed
    for (int row = lastLine > 0 ? lastLine : 0; row < rows; row++) Measure(row);
    FitWidth(list);
    if (atBottom) {
        ScrollToBottom(list);
    } else {
        RECT first = {};
        first.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        const int wanted = RowAfter(before, top) > 0 ? RowAfter(before, top) : 0;
        const int by = wanted - static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
        if (by != 0) SendMessageW(list, LVM_SCROLL, 0, by * (first.bottom - first.top));
    }
    DrawChanges(list, unchanged);
}

static void SetRecordTexts(HWND dialog) {
    SetWindowTextW(dialog, TextTable[TS_RECORD].c_str());
    SetDlgItemTextW(dialog, IDC_RECORD_COPY, TextTable[TS_COPY].c_str());
    SetDlgItemTextW(dialog, IDCANCEL, TextTable[TS_CLOSE].c_str());
}

void RefreshDrawRecordTexts() {
    if (DrawRecordWindow == nullptr) return;
    SetRecordTexts(DrawRecordWindow);
    CatchUp();
    MeasureAllRows(RecordList());
}

// The list takes what the button row below it leaves; the buttons keep to the bottom right corner.
static void LayOut(HWND dialog) {
    RECT units = {4, 4, 52, 14};  // margin x and y, button width and height, in dialog units
    MapDialogRect(dialog, &units);
    const int margin = units.left, buttonWidth = units.right, buttonHeight = units.bottom;
    RECT client;
    GetClientRect(dialog, &client);
    const int buttonTop = client.bottom - units.top - buttonHeight;
    MoveWindow(GetDlgItem(dialog, IDC_RECORD_LIST), margin, units.top, client.right - 2 * margin,
               buttonTop - 2 * units.top, TRUE);
    MoveWindow(GetDlgItem(dialog, IDCANCEL), client.right - margin - buttonWidth, buttonTop, buttonWidth,
               buttonHeight, TRUE);
    MoveWindow(GetDlgItem(dialog, IDC_RECORD_COPY), client.right - 2 * (margin + buttonWidth), buttonTop,
               buttonWidth, buttonHeight, TRUE);
    FitWidth(GetDlgItem(dialog, IDC_RECORD_LIST));
}

// Beside the main window and as high, so the display stays in view; moved back onto the screen when it
// would leave it.
static void PlaceBesideMainWindow(HWND dialog) {
    RECT main, own;
    GetWindowRect(MainWindowHandle, &main);
    GetWindowRect(dialog, &own);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(MainWindowHandle, MONITOR_DEFAULTTONEAREST), &monitor);
    const int width = own.right - own.left;
    int left = main.right;
    if (left + width > monitor.rcWork.right) left = monitor.rcWork.right - width;
    if (left < monitor.rcWork.left) left = monitor.rcWork.left;
    SetWindowPos(dialog, nullptr, left, main.top, width, main.bottom - main.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A language file's names decide the text's size: at the record's limit with the longest names that is
// hundreds of megabytes, which a machine may not have to give. That is a failed copy, not an end.
bool CopyDrawRecord(HWND owner) {
    std::wstring text;
    try {
        text = DrawRecordText();
    } catch (const std::bad_alloc&) {
        return false;
    }
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return false;
    void* target = GlobalLock(memory);
    if (target != nullptr) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    bool ok = target != nullptr && OpenClipboard(owner);
    if (ok) {
        ok = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        CloseClipboard();  // its failure changes nothing: the data is there or it is not
    }
    if (!ok) GlobalFree(memory);  // the clipboard owns it only after SetClipboardData succeeded
    return ok;
}

static INT_PTR OnRecordCommand(HWND dialog, int command) {
    switch (command) {
    case IDC_RECORD_COPY:
        // Another program may hold the clipboard open; the players try again. The box is the record's, so
        // the record cannot be closed or copied again under it.
        if (!CopyDrawRecord(dialog)) MessageBoxW(dialog, L"Error Copy Record To Clipboard!", MainWindow.messageBoxCaption, MB_OK);
        return TRUE;
    case IDCANCEL:  // Close, Esc and the close box
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

static void MakeColumn(HWND list) {
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    const LPARAM style = LVS_EX_DOUBLEBUFFER | LVS_EX_FULLROWSELECT;  // a row marked across, as in a list box
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, static_cast<WPARAM>(style), style);
}

static INT_PTR OnRecordNotify(const NMHDR* header, LPARAM lParam) {
    if (header->idFrom != IDC_RECORD_LIST || header->code != LVN_GETDISPINFOW) return FALSE;
    GiveRowText(reinterpret_cast<NMLVDISPINFOW*>(lParam));
    return TRUE;
}

static INT_PTR CALLBACK DrawRecordProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        DrawRecordWindow = dialog;
        SetRecordTexts(dialog);
        MakeColumn(RecordList());
        LayOut(dialog);
        PlaceBesideMainWindow(dialog);
        FillRecordList(RecordList());
        return TRUE;  // the focus goes to the list, the first tab stop
    case WM_SIZE:
        LayOut(dialog);
        return TRUE;
    case WM_COMMAND:
        return OnRecordCommand(dialog, LOWORD(wParam));
    case WM_NOTIFY:
        return OnRecordNotify(reinterpret_cast<const NMHDR*>(lParam), lParam);
    case WM_FOLLOW_RECORD:
        CatchUp();
        return TRUE;
    case WM_DESTROY:
        DrawRecordWindow = nullptr;
        FollowPosted = false;  // a message still queued goes with the window
        return FALSE;
    }
    return FALSE;
}

bool OpenDrawRecord() {
    if (DrawRecordWindow == nullptr)
        CreateDialogParamW(InstanceHandle, MAKEINTRESOURCEW(IDD_DRAW_RECORD), MainWindowHandle, DrawRecordProc, 0);
    if (DrawRecordWindow == nullptr) return false;
    ShowWindow(DrawRecordWindow, SW_SHOW);
    SetActiveWindow(DrawRecordWindow);
    return true;
}

// Space in the list draws, as in the main window: at a board the players keep one key for the draw. The
// dialog manager takes the rest, so Tab, Esc and Enter work as in any dialog.
bool RouteDrawRecordMessage(MSG* message) {
    if (DrawRecordWindow == nullptr) return false;
    const bool key = message->message == WM_KEYDOWN || message->message == WM_KEYUP;
    if (key && message->wParam == VK_SPACE && message->hwnd == RecordList()) {
        if (message->message == WM_KEYUP) SendMessageW(MainWindowHandle, WM_KEYUP, VK_SPACE, message->lParam);
        return true;
    }
    return IsDialogMessageW(DrawRecordWindow, message) != FALSE;
}

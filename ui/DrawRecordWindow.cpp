// The draw record's window: a list of the record's lines and its tally, Copy and Close.
#include "ui/DrawRecordWindow.h"

#include <cstring>
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

static HWND RecordList() { return GetDlgItem(DrawRecordWindow, IDC_RECORD_LIST); }

static void InsertItem(HWND list, int index, const std::wstring& text) {
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    if (text.size() <= LongestLine.size()) return;
    LongestLine = text;
    LongerLine = true;
}

// A few characters' room more, since a shorter line of wider letters can be wider still.
static void FitWidth(HWND list) {
    if (!LongerLine) return;
    LongerLine = false;
    HDC dc = GetDC(list);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, LongestLine.c_str(), static_cast<int>(LongestLine.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(size.cx + size.cx / 8), 0);
}

static void ReplaceItem(HWND list, int index, const std::wstring& text) {
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    InsertItem(list, index, text);
}

static int ItemCount(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

// Changes are made with the list's drawing off: each one would otherwise redraw the scroll bar at once,
// which made a draw five times slower. Then the list scrolls as far as it can, so the latest lines stand
// just above the tally, and is drawn once.
static void BeginChanges(HWND list) { SendMessageW(list, WM_SETREDRAW, FALSE, 0); }

static void EndChanges(HWND list) {
    FitWidth(list);
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(ItemCount(list) - 1), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

static void FillRecordList() {
    HWND list = RecordList();
    BeginChanges(list);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    LongestLine.clear();
    for (std::uint64_t line = FirstRecordLine(); line < RecordLineEnd(); line++)
        InsertItem(list, -1, RecordLineText(line));
    const std::vector<std::wstring> tally = RecordTallyLines();
    for (const std::wstring& line : tally) InsertItem(list, -1, line);
    Shown = {RecordGameNumber(), RecordDrawCount(), FirstRecordLine(), RecordLineEnd()};
    EndChanges(list);
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

// A draw either lengthens the last line or starts a new one, and changes the tally; at the record's
// limit it also shortens the first line or lets it go. Only those items change, so a draw costs the
// same however many lines the game has.
static void CatchUp() {
    FollowPosted = false;
    if (ShowsTheRecord()) return;
    if (Shown.game != RecordGameNumber() || Shown.firstLine == Shown.lineEnd || FirstRecordLine() >= Shown.lineEnd) {
        FillRecordList();
        return;
    }
    HWND list = RecordList();
    BeginChanges(list);
    for (; Shown.firstLine < FirstRecordLine(); Shown.firstLine++) SendMessageW(list, LB_DELETESTRING, 0, 0);
    if (RecordDrawCount() > DRAW_RECORD_LIMIT) ReplaceItem(list, 0, RecordLineText(Shown.firstLine));
    const int lastLine = static_cast<int>(Shown.lineEnd - Shown.firstLine) - 1;
    ReplaceItem(list, lastLine, RecordLineText(Shown.lineEnd - 1));
    for (; Shown.lineEnd < RecordLineEnd(); Shown.lineEnd++)
        InsertItem(list, static_cast<int>(Shown.lineEnd - Shown.firstLine), RecordLineText(Shown.lineEnd));
    const std::vector<std::wstring> tally = RecordTallyLines();
    const int tallyStart = static_cast<int>(Shown.lineEnd - Shown.firstLine);
    for (int i = 0; i < static_cast<int>(tally.size()); i++) ReplaceItem(list, tallyStart + i, tally[i]);
    Shown.draws = RecordDrawCount();
    EndChanges(list);
}

static void SetRecordTexts(HWND dialog) {
    SetWindowTextW(dialog, TextTable[TS_RECORD].c_str());
    SetDlgItemTextW(dialog, IDC_RECORD_COPY, TextTable[TS_COPY].c_str());
    SetDlgItemTextW(dialog, IDCANCEL, TextTable[TS_CLOSE].c_str());
}

void RefreshDrawRecordTexts() {
    if (DrawRecordWindow == nullptr) return;
    SetRecordTexts(DrawRecordWindow);
    FillRecordList();
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

bool CopyDrawRecord(HWND owner) {
    const std::wstring text = DrawRecordText();
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
        // Another program may hold the clipboard open; the players try again.
        if (!CopyDrawRecord(dialog)) ShowMessage(L"Error Copy Record To Clipboard!");
        return TRUE;
    case IDCANCEL:  // Close, Esc and the close box
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK DrawRecordProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        DrawRecordWindow = dialog;
        SetRecordTexts(dialog);
        LayOut(dialog);
        PlaceBesideMainWindow(dialog);
        FillRecordList();
        return TRUE;  // the focus goes to the list, the first tab stop
    case WM_SIZE:
        LayOut(dialog);
        return TRUE;
    case WM_COMMAND:
        return OnRecordCommand(dialog, LOWORD(wParam));
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

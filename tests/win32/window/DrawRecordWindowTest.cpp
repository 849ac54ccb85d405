// The draw record's window: read from another process as a player reads it, and the draws it follows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "core/AnnouncementList.h"
#include "core/DrawRecord.h"
#include "core/Lcg32.h"
#include "core/PieceDraw.h"
#include "resources/resource.h"
#include "tests/win32/OtherProcess.h"
#include "tests/win32/Pixels.h"
#include "tests/win32/TestWindow.h"
#include "text/StringList.h"
#include "text/TextTable.h"
#include "ui/DrawRecordWindow.h"

namespace {

// As much of a row as a screen reader here gives room for: a longer line is cut there.
constexpr int ROW_ROOM = 1024;

// The record's rows [first, end) as a screen reader reads them from another process, through memory of the
// list's own; the tally, after an empty row, is left out unless asked for. The program may change the list
// between two messages, as it updates it when it gets to it: callers wait for the lines they expect.
std::vector<std::wstring> ListedLines(HANDLE process, HWND record, bool withTally = false, int first = 0,
                                      int end = INT_MAX) {
    HWND list = GetDlgItem(record, IDC_RECORD_LIST);
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + ROW_ROOM * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    LVITEMW item = {};
    item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
    item.cchTextMax = ROW_ROOM;
    std::vector<std::wstring> lines;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = first; remote != nullptr && row < count && row < end; row++) {
        std::wstring text(ROW_ROOM, L'\0');
        if (!WriteProcessMemory(process, remote, &item, sizeof(item), nullptr)) break;
        const LRESULT length = SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
        if (length < 0 || length >= ROW_ROOM ||
            !ReadProcessMemory(process, item.pszText, text.data(), ROW_ROOM * sizeof(wchar_t), nullptr))
            break;
        text.resize(static_cast<std::size_t>(length));
        if (text.empty() && !withTally) break;
        lines.push_back(text);
    }
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return lines;
}

// The program with the built-in texts as its language file, driven as the context menu and the keys would.
class RecordWindow : public ProgramFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramFixture::SetUp());
        ASSERT_TRUE(WriteStringList(DefaultTextTable.data(), TEXT_TABLE_SIZE, folder + L"Languages\\Russian.Lang.txt"));
        std::vector<std::wstring> test(TEXT_TABLE_SIZE);
        for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) test[slot] = L"Test text " + std::to_wstring(slot);
        test[TS_VERSION] = L"1";
        ASSERT_TRUE(WriteStringList(test.data(), TEXT_TABLE_SIZE, folder + L"Languages\\Test.Lang.txt"));
        ASSERT_NO_FATAL_FAILURE(Start());
        main = WaitForWindow(process.dwProcessId, ProductClassName().c_str(), FullTitle());
        ASSERT_NE(nullptr, main);
        toolbar = FindWindowExW(main, nullptr, TOOLBARCLASSNAMEW, nullptr);
        ASSERT_NE(nullptr, toolbar);
    }
    void TearDown() override {
        if (main != nullptr && IsWindow(main)) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            EXPECT_EQ(0u, ExitCode());
        }
        ProgramFixture::TearDown();
    }

    void Command(int command) { SendMessageW(main, WM_COMMAND, command, 0); }
    void Space() { SendMessageW(main, WM_KEYUP, VK_SPACE, 0xC0390001); }
    // Only that kind left in the draw for the side; PieceKind::None leaves none.
    void Only(Side side, PieceKind kind) {
        const int first = side == Side::White ? ID_WHITE_KING : ID_BLACK_KING;
        for (int i = 0; i < PIECE_KIND_COUNT; i++)
            SendMessageW(toolbar, TB_CHECKBUTTON, first + i, MAKELPARAM(i + 1 != static_cast<int>(kind), 0));
    }

    HWND main = nullptr;
    HWND toolbar = nullptr;
};

TEST_F(RecordWindow, ShowsEveryDrawAtOnceInTheLinesOfAScoreSheet) {
    Command(ID_DRAW_RECORD);
    HWND record = WaitForWindow(process.dwProcessId, L"#32770", L"Запись ходов");
    ASSERT_NE(nullptr, record);
    EXPECT_EQ(main, GetWindow(record, GW_OWNER));
    EXPECT_EQ(L"Копировать", WindowText(GetDlgItem(record, IDC_RECORD_COPY)));
    EXPECT_EQ(L"Закрыть", WindowText(GetDlgItem(record, IDCANCEL)));
    HWND list = GetDlgItem(record, IDC_RECORD_LIST);
    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<std::wstring> lines;
    } steps[] = {
        {"White Turn",
         [&] {
             Only(Side::White, PieceKind::King);
             Only(Side::Black, PieceKind::None);
             Command(ID_WHITE_TURN);
         },
         {L"1. Белые: Король"}},
        {"White Turn again", [&] { Only(Side::White, PieceKind::Pawn); Command(ID_WHITE_TURN); },
         {L"1. Белые: Король, Пешка"}},
        {"space bar: a stalemate for Black", [&] { Space(); }, {L"1. Белые: Король, Пешка", L"1. Чёрные: Пат!"}},
        {"Space in the list draws for Black again",
         [&] {
             Only(Side::Black, PieceKind::Knight);
             PostMessageW(list, WM_KEYDOWN, VK_SPACE, 0x00390001);
             PostMessageW(list, WM_KEYUP, VK_SPACE, 0xC0390001);
         },
         {L"1. Белые: Король, Пешка", L"1. Чёрные: Пат!, Конь"}},
        {"space bar: White", [&] { Space(); },
         {L"1. Белые: Король, Пешка", L"1. Чёрные: Пат!, Конь", L"2. Белые: Пешка"}},
        {"New Game", [&] { Command(ID_NEW_GAME); }, {}},
        {"Black Turn first", [&] { Only(Side::Black, PieceKind::Rook); Command(ID_BLACK_TURN); },
         {L"1. Чёрные: Ладья"}},
        {"the opening New Game", [&] { Command(ID_NEW_OPENING_GAME); }, {}},
    };
    for (const auto& step : steps) {
        step.act();
        PumpUntil([&] { return ListedLines(process.hProcess, record) == step.lines; });  // the record catches up by a posted message
        EXPECT_EQ(step.lines, ListedLines(process.hProcess, record)) << step.what;
    }
    Only(Side::Black, PieceKind::Knight);
    Command(ID_BLACK_TURN);
    Only(Side::White, PieceKind::Pawn);
    Command(ID_WHITE_TURN);
    const std::vector<std::wstring> expected = {L"1. Чёрные: Конь", L"2. Белые: Пешка", L"",
                                                L"Сколько раз выпала каждая фигура",
                                                L"Король: Белые 0 (0%), Чёрные 0 (0%)",
                                                L"Ферзь: Белые 0 (0%), Чёрные 0 (0%)",
                                                L"Слон: Белые 0 (0%), Чёрные 0 (0%)",
                                                L"Конь: Белые 0 (0%), Чёрные 1 (100%)",
                                                L"Ладья: Белые 0 (0%), Чёрные 0 (0%)",
                                                L"Пешка: Белые 1 (100%), Чёрные 0 (0%)"};
    PumpUntil([&] { return ListedLines(process.hProcess, record, true) == expected; });
    EXPECT_EQ(expected, ListedLines(process.hProcess, record, true));

    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    SendMessageW(GetDlgItem(record, IDC_RECORD_COPY), BM_CLICK, 0, 0);
    std::wstring copied;
    for (const std::wstring& line : expected) copied += line + L"\r\n";
    EXPECT_TRUE(PumpUntil([&] { return ClipboardTextWhole() == copied; })) << "Copy gives the list as plain text";

    ASSERT_TRUE(ChooseLanguageIn(process.dwProcessId, main, folder + L"Languages\\Test.Lang.txt"));
    EXPECT_TRUE(PumpUntil([&] { return WindowText(record) == L"Test text 35"; })) << "the caption follows";
    EXPECT_EQ(L"Test text 36", WindowText(GetDlgItem(record, IDC_RECORD_COPY)));
    EXPECT_EQ(L"Test text 37", WindowText(GetDlgItem(record, IDCANCEL)));
    EXPECT_EQ((std::vector<std::wstring>{L"1. Test text 39: Test text 44", L"2. Test text 38: Test text 46"}),
              ListedLines(process.hProcess, record));

    PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0x00010001);  // through the program's message loop
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(record); })) << "Esc closes the record";
}

// The box is the record's: the record cannot be closed or copied again under it, and the game goes on.
TEST_F(RecordWindow, ACopyThatFailsSaysSoOverTheRecord) {
    Command(ID_DRAW_RECORD);
    HWND record = WaitForWindow(process.dwProcessId, L"#32770", L"Запись ходов");
    ASSERT_NE(nullptr, record);
    ASSERT_TRUE(OpenClipboard(nullptr));  // held here, as another program may hold it
    PostMessageW(record, WM_COMMAND, IDC_RECORD_COPY, 0);
    HWND box = WaitForWindow(process.dwProcessId, L"#32770", L"Zarvik");
    CloseClipboard();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(L"Error Copy Record To Clipboard!", WindowText(GetDlgItem(box, 0xFFFF)));
    EXPECT_EQ(record, GetWindow(box, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(record));
    EXPECT_TRUE(IsWindowEnabled(main));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(box) && IsWindowEnabled(record); }));
}

TEST_F(RecordWindow, TheOpeningNewGameLeavesOnlyKnightsAndPawnsInTheDraw) {
    for (int command = ID_BLACK_KING; command <= ID_WHITE_PAWN; command++)
        SendMessageW(toolbar, TB_CHECKBUTTON, command, TRUE);
    Command(ID_WHITE_TURN);
    Command(ID_NEW_OPENING_GAME);
    const LRESULT out[PIECE_KIND_COUNT] = {1, 1, 1, 0, 1, 0};  // King to Pawn: pressed in, so out of the draw
    for (int i = 0; i < PIECE_KIND_COUNT; i++) {
        EXPECT_EQ(out[i], SendMessageW(toolbar, TB_ISBUTTONCHECKED, BlackPieceCommands[i], 0)) << i;
        EXPECT_EQ(out[i], SendMessageW(toolbar, TB_ISBUTTONCHECKED, WhitePieceCommands[i], 0)) << i;
    }
    EXPECT_EQ(1, SendMessageW(toolbar, TB_ISBUTTONCHECKED, ID_BLACK_TURN, 0)) << "White draws first";
    EXPECT_EQ(0, SendMessageW(toolbar, TB_ISBUTTONCHECKED, ID_WHITE_TURN, 0));
}

}  // namespace

// Kind k for White shows picture k + 6, for Black picture k; Space alternates from White.
TEST(RecordWindowInProcess, TheDrawsAreTheGeneratorsWithTheRecordOpenOrClosed) {
    ASSERT_TRUE(OpenTestMainWindow());
    ResetTextTableToDefaults();
    std::vector<std::int32_t> pictures[2];
    for (bool open : {false, true}) {
        Generator.Reseed(4321);
        StartNewGame();
        if (open) SendCommand(ID_DRAW_RECORD);
        ASSERT_EQ(open, DrawRecordWindow != nullptr);
        Lcg32 reference = Generator;
        for (int press = 0; press < 200; press++) {
            ReleaseSpace();
            PumpMessages();
            pictures[open].push_back(PieceImage);
            const int kind = static_cast<int>(((reference.Next() >> 8) & 0xFFFF) % PIECE_KIND_COUNT) + 1;
            ASSERT_EQ(press % 2 == 0 ? kind + PIECE_KIND_COUNT : kind, PieceImage) << press;
        }
        EXPECT_EQ(reference.state, Generator.state);
    }
    EXPECT_EQ(pictures[0], pictures[1]);
    CloseTestMainWindow();
}

// At the limit each draw lets the oldest go: the first line shortens, then goes, as in the record itself.
TEST(RecordWindowInProcess, FollowsTheRecordPastItsLimit) {
    ASSERT_TRUE(OpenTestMainWindow());
    ResetTextTableToDefaults();
    ClearDrawRecord();
    AddToDrawRecord(Side::Black, PieceKind::Pawn);
    AddToDrawRecord(Side::Black, PieceKind::Pawn);
    for (std::size_t i = 2; i < DRAW_RECORD_LIMIT; i++) AddToDrawRecord(Side::White, PieceKind::Knight);
    SendCommand(ID_DRAW_RECORD);
    auto listedText = [] {
        std::wstring text;
        for (const std::wstring& line : ListedLines(GetCurrentProcess(), DrawRecordWindow, true)) text += line + L"\r\n";
        return text;
    };
    auto recordText = [] {  // the long White line as far as the list gives it
        std::wstring text;
        for (std::uint64_t line = FirstRecordLine(); line < RecordLineEnd(); line++)
            text += RecordLineText(line).substr(0, ROW_ROOM - 1) + L"\r\n";
        for (const std::wstring& line : RecordTallyLines()) text += line + L"\r\n";
        return text;
    };
    for (std::uint64_t firstLine : {0, 0, 1}) {
        ASSERT_EQ(firstLine, FirstRecordLine());
        EXPECT_TRUE(PumpUntil([&] { return listedText() == recordText(); })) << RecordDrawCount();
        AddToDrawRecord(Side::White, PieceKind::Knight);
        FollowDrawRecord();
    }
    CloseTestMainWindow();
}


// A player reading an earlier line keeps it selected and in view while the game goes on, also when a line
// let go at the limit moves every row up; a view at the bottom follows the new lines.
TEST(RecordWindowInProcess, ADrawKeepsTheSelectedRowAndTheTopRow) {
    ASSERT_TRUE(OpenTestMainWindow());
    ResetTextTableToDefaults();
    ClearDrawRecord();
    for (std::size_t i = 0; i + 2 < DRAW_RECORD_LIMIT; i++)  // a line a draw, the last one Black's
        AddToDrawRecord(i % 2 == 0 ? Side::White : Side::Black, PieceKind::Knight);
    SendCommand(ID_DRAW_RECORD);
    HWND list = GetDlgItem(DrawRecordWindow, IDC_RECORD_LIST);
    auto send = [&](UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return static_cast<int>(SendMessageW(list, message, wParam, lParam));
    };
    auto row = [&](int index) {
        const std::vector<std::wstring> text = ListedLines(GetCurrentProcess(), DrawRecordWindow, true, index, index + 1);
        return text.empty() ? L"(none)" : text[0];
    };
    const struct {
        const char* what;
        Side side;
        int selected;  // rows from the end; the tally's King row is 6th
        int top;       // rows from the end, 0: the view at the bottom
    } draws[] = {
        {"Black again lengthens the last line", Side::Black, 40, 60},
        {"White starts a line below a selected tally row", Side::White, 6, 60},
        {"the first line let go moves every row up", Side::Black, 40, 60},
        {"a view at the bottom", Side::White, 40, 0},
    };
    for (const auto& draw : draws) {
        const int count = send(LVM_GETITEMCOUNT);
        LVITEMW item = {};
        item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        send(LVM_SETITEMSTATE, count - draw.selected, reinterpret_cast<LPARAM>(&item));
        send(LVM_ENSUREVISIBLE, count - 1);
        if (draw.top > 0) send(LVM_ENSUREVISIBLE, count - draw.top);  // scrolled up to it: the top row
        const std::wstring selected = row(count - draw.selected), top = row(send(LVM_GETTOPINDEX));
        AddToDrawRecord(draw.side, PieceKind::Knight);
        FollowDrawRecord();
        PumpMessages();
        EXPECT_EQ(selected, row(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED))) << draw.what;
        EXPECT_EQ(selected, row(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED))) << draw.what;
        if (draw.top > 0) EXPECT_EQ(top, row(send(LVM_GETTOPINDEX))) << draw.what;
        else EXPECT_EQ(send(LVM_GETITEMCOUNT), send(LVM_GETTOPINDEX) + send(LVM_GETCOUNTPERPAGE)) << draw.what;
    }
    CloseTestMainWindow();
}

// The list's frame, border and scroll bars, as the screen shows it once the record caught up with a draw,
// against the frame drawn afresh: no old thumb is left where a draw moved it, and a frame waiting for its
// paint when the draw came gets it.
TEST(RecordWindowInProcess, TheScrollBarsShowWhereADrawLeftThem) {
    ASSERT_TRUE(OpenTestMainWindow());
    ResetTextTableToDefaults();
    ClearDrawRecord();
    for (int i = 0; i < 30; i++) AddToDrawRecord(i % 2 == 0 ? Side::White : Side::Black, PieceKind::Knight);
    SendCommand(ID_DRAW_RECORD);
    HWND list = GetDlgItem(DrawRecordWindow, IDC_RECORD_LIST);
    RECT frame = {};
    GetWindowRect(list, &frame);
    MapWindowPoints(nullptr, DrawRecordWindow, reinterpret_cast<POINT*>(&frame), 2);
    const struct {
        const char* what;
        Side side;
        bool atTop;    // the view scrolled to the first line, else at the bottom
        bool smeared;  // the frame painted over and waiting for its paint, as when uncovered
    } draws[] = {
        {"a new line follows at the bottom: the thumb moves and shrinks", Side::White, false, false},
        {"a new line below a view at the top: the thumb shrinks", Side::Black, true, false},
        {"the same side again while the frame waits for its paint", Side::Black, false, true},
    };
    for (const auto& draw : draws) {
        if (draw.atTop) SendMessageW(list, LVM_ENSUREVISIBLE, 0, FALSE);
        PumpMessages();
        if (draw.smeared) {
            HDC dc = GetWindowDC(list);
            RECT whole = {0, 0, frame.right - frame.left, frame.bottom - frame.top};
            FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            ReleaseDC(list, dc);
            RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        }
        AddToDrawRecord(draw.side, PieceKind::Knight);
        FollowDrawRecord();
        PumpMessages();
        const std::vector<DWORD> seen = ScreenPixels(DrawRecordWindow, frame);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        PumpMessages();
        EXPECT_EQ("", FirstDifference(seen, ScreenPixels(DrawRecordWindow, frame), frame.right - frame.left, 0))
            << draw.what;
    }
    CloseTestMainWindow();
}

// The draw record's window: read from another process as a player reads it, and the draws it follows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "core/AnnouncementList.h"
#include "core/DrawRecord.h"
#include "core/Lcg32.h"
#include "core/PieceDraw.h"
#include "resources/resource.h"
#include "tests/win32/OtherProcess.h"
#include "tests/win32/TestWindow.h"
#include "text/StringList.h"
#include "text/TextTable.h"
#include "ui/DrawRecordWindow.h"

namespace {

// The record's list, item by item; the tally, after an empty item, is left out unless asked for. From
// another process the list can change between two messages, as the program updates it when it gets to
// it: an item longer by now than its length said overran the text (LB_GETTEXT takes no size), so the
// text has room to spare, and an item gone meanwhile ends the read. Callers wait for the lines they expect.
std::vector<std::wstring> ListedLines(HWND record, bool withTally = false) {
    HWND list = GetDlgItem(record, IDC_RECORD_LIST);
    std::vector<std::wstring> lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 4096, L'\0');
        const LRESULT read = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        if (length < 0 || read < 0) break;
        text.resize(static_cast<std::size_t>(read));
        if (text.empty() && !withTally) break;
        lines.push_back(text);
    }
    return lines;
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"(the clipboard is held)";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* units = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (units != nullptr) text = units;
    if (units != nullptr) GlobalUnlock(data);
    CloseClipboard();
    return text;
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
        PumpUntil([&] { return ListedLines(record) == step.lines; });  // the record catches up by a posted message
        EXPECT_EQ(step.lines, ListedLines(record)) << step.what;
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
    PumpUntil([&] { return ListedLines(record, true) == expected; });
    EXPECT_EQ(expected, ListedLines(record, true));

    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    SendMessageW(GetDlgItem(record, IDC_RECORD_COPY), BM_CLICK, 0, 0);
    std::wstring copied;
    for (const std::wstring& line : expected) copied += line + L"\r\n";
    EXPECT_TRUE(PumpUntil([&] { return ClipboardText() == copied; })) << "Copy gives the list as plain text";

    ASSERT_TRUE(ChooseLanguageIn(process.dwProcessId, main, folder + L"Languages\\Test.Lang.txt"));
    EXPECT_TRUE(PumpUntil([&] { return WindowText(record) == L"Test text 35"; })) << "the caption follows";
    EXPECT_EQ(L"Test text 36", WindowText(GetDlgItem(record, IDC_RECORD_COPY)));
    EXPECT_EQ(L"Test text 37", WindowText(GetDlgItem(record, IDCANCEL)));
    EXPECT_EQ((std::vector<std::wstring>{L"1. Test text 39: Test text 44", L"2. Test text 38: Test text 46"}),
              ListedLines(record));

    PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0x00010001);  // through the program's message loop
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(record); })) << "Esc closes the record";
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
        for (const std::wstring& line : ListedLines(DrawRecordWindow, true)) text += line + L"\r\n";
        return text;
    };
    for (std::uint64_t firstLine : {0, 0, 1}) {
        ASSERT_EQ(firstLine, FirstRecordLine());
        EXPECT_TRUE(PumpUntil([&] { return listedText() == DrawRecordText(); })) << RecordDrawCount();
        AddToDrawRecord(Side::White, PieceKind::Knight);
        FollowDrawRecord();
    }
    CloseTestMainWindow();
}


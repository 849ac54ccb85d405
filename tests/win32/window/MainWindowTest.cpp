// The main window's procedure, its commands, its services and the program's start-up and loop.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/StartUp.h"
#include "core/AnnouncementList.h"
#include "core/ButtonState.h"
#include "core/Buttons.h"
#include "core/Lcg32.h"
#include "core/PieceDraw.h"
#include "resources/resource.h"
#include "tests/support/TestFiles.h"
#include "tests/win32/ModalBoxes.h"
#include "tests/win32/TestWindow.h"
#include "text/Config.h"
#include "text/StringList.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "ui/ContextMenu.h"
#include "ui/Display.h"
#include "ui/DrawRecordWindow.h"
#include "ui/MainWindow.h"
#include "ui/Toolbar.h"
#include "ui/ToolbarButtons.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTestMainWindow()); }
    void TearDown() override { CloseTestMainWindow(); }
};

// The constant of the piece pictures: 1-6 black, 7-12 white.
bool ShowsAPieceOf(int firstImage) { return PieceImage >= firstImage && PieceImage < firstImage + 6; }

TEST_F(MainWindowTest, SpaceDrawsOnReleaseOnlyAndAlternatesFromWhite) {
    StartNewGame();
    PumpMessages();
    const LPARAM heldDown = 0x40390001;  // scan code 0x39, "previously down": auto-repeat
    for (int i = 0; i < 3; i++) {
        SendMessageW(MainWindowHandle, WM_KEYDOWN, VK_SPACE, i == 0 ? 0x00390001 : heldDown);
        SendMessageW(MainWindowHandle, WM_CHAR, L' ', heldDown);
    }
    SendMessageW(MainWindowHandle, WM_KEYUP, VK_RETURN, 0xC01C0001);
    EXPECT_EQ(std::vector<std::int32_t>{TS_PRESS_WHITE}, AnnouncementList);
    EXPECT_EQ(0, PumpMessages());

    const struct {
        std::int32_t prompt;
        int firstImage;
        int checkedTurn;
    } expected[] = {{TS_WHITE_PROMPT, 7, ID_WHITE_TURN}, {TS_BLACK_PROMPT, 1, ID_BLACK_TURN},
                    {TS_WHITE_PROMPT, 7, ID_WHITE_TURN}};
    for (const auto& draw : expected) {
        ReleaseSpace();
        ASSERT_EQ(2u, AnnouncementList.size());
        EXPECT_EQ(draw.prompt, AnnouncementList[0]);
        EXPECT_TRUE(ShowsAPieceOf(draw.firstImage)) << PieceImage;
        EXPECT_TRUE(IsToolbarButtonChecked(draw.checkedTurn));
        EXPECT_EQ(1, PumpMessages());
    }
}

TEST_F(MainWindowTest, TurnAndNewGameButtonsDriveTheCoreAndRepaintOnce) {
    const struct {
        int command;
        std::int32_t firstLine;
        int firstImage;  // 14: the White Turn tile of a new game
        int checkedTurn, uncheckedTurn;
    } clicks[] = {{ID_WHITE_TURN, TS_WHITE_PROMPT, 7, ID_WHITE_TURN, ID_BLACK_TURN},
                  {ID_WHITE_TURN, TS_WHITE_PROMPT, 7, ID_WHITE_TURN, ID_BLACK_TURN},
                  {ID_BLACK_TURN, TS_BLACK_PROMPT, 1, ID_BLACK_TURN, ID_WHITE_TURN},
                  {ID_NEW_GAME, TS_PRESS_WHITE, 14, ID_BLACK_TURN, ID_WHITE_TURN}};
    for (const auto& click : clicks) {
        ClickToolbarButton(ID_BLACK_QUEEN);  // a new game must put this kind back
        ASSERT_TRUE(ClickToolbarButton(click.command));
        EXPECT_EQ(click.firstLine, AnnouncementList.at(0)) << click.command;
        EXPECT_EQ(click.command == ID_NEW_GAME ? 1u : 2u, AnnouncementList.size());
        if (click.firstImage == 14)
            EXPECT_EQ(14, PieceImage);
        else
            EXPECT_TRUE(ShowsAPieceOf(click.firstImage)) << PieceImage;
        EXPECT_TRUE(IsToolbarButtonChecked(click.checkedTurn)) << click.command;
        EXPECT_FALSE(IsToolbarButtonChecked(click.uncheckedTurn)) << click.command;
        EXPECT_EQ(1, PumpMessages()) << click.command;
    }
    EXPECT_FALSE(IsToolbarButtonChecked(ID_BLACK_QUEEN));
}

int ToolbarPaints = 0;
WNDPROC ToolbarProcedure = nullptr;

LRESULT CALLBACK CountToolbarPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) ToolbarPaints++;
    return CallWindowProcW(ToolbarProcedure, window, message, wParam, lParam);
}

// Painting over the toolbar would make it redraw all its buttons after every draw: a grey flash.
TEST_F(MainWindowTest, ARepaintOfTheDisplayLeavesTheToolbarAlone) {
    PumpMessages();
    ToolbarPaints = 0;
    ToolbarProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(ToolbarWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountToolbarPaints)));
    RepaintWholeWindow();
    EXPECT_EQ(1, PumpMessages());
    EXPECT_EQ(0, ToolbarPaints);
    SetWindowLongPtrW(ToolbarWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToolbarProcedure));
}

TEST(MainWindowSetUp, FailsWithoutInstanceOrStringsAndMakesNoToolbarThen) {
    const struct {
        bool instance;
        int titleId, classNameId;
    } cases[] = {{false, IDS_APP_TITLE, IDS_WINDOW_CLASS}, {true, 9999, IDS_WINDOW_CLASS}, {true, IDS_APP_TITLE, 9999}};
    for (const auto& setUp : cases) {
        CloseTestMainWindow();
        InstanceHandle = setUp.instance ? GetModuleHandleW(nullptr) : nullptr;
        EXPECT_FALSE(CreateMainWindow(setUp.titleId, setUp.classNameId, IDM_APP_MENU, IDC_APP_ACCELERATORS, IDI_APP,
                                      IDC_ARROW, SW_SHOWNORMAL, 575, 400));
        EXPECT_EQ(nullptr, MainWindowHandle);
        EXPECT_EQ(nullptr, ToolbarWindow);
        EXPECT_EQ(nullptr, FindWindowW(ProductClassName().c_str(), nullptr));
    }
    CloseTestMainWindow();
}

TEST_F(MainWindowTest, ComesUpAt575By400WithoutMenuAndWithTheTitleFromTheResources) {
    RECT outer;
    GetWindowRect(MainWindowHandle, &outer);
    EXPECT_EQ(575, outer.right - outer.left);
    EXPECT_EQ(400, outer.bottom - outer.top);
    EXPECT_EQ(nullptr, GetMenu(MainWindowHandle));
    EXPECT_EQ(L"Zarvik", WindowText(MainWindowHandle));
    EXPECT_EQ(ProductClassName(), MainWindow.className);
    EXPECT_TRUE(IsWindowVisible(MainWindowHandle));
    EXPECT_NE(nullptr, MainWindow.accelerators);
}

// The first game must not repeat the last: the state is the reseed of a clock value read during start-up.
TEST_F(MainWindowTest, StartUpSeedsTheGeneratorFromTheClock) {
    WriteTestLanguageFiles();
    const DWORD before = timeGetTime();
    StartUp();
    const DWORD after = timeGetTime();
    bool seeded = false;
    for (DWORD clock = before; clock - before <= after - before && !seeded; clock++) {
        Lcg32 fromClock;
        fromClock.Reseed(clock);
        seeded = fromClock.state == Generator.state;
    }
    EXPECT_TRUE(seeded) << Generator.state << " after a start between " << before << " and " << after;
}

TEST_F(MainWindowTest, StartUpTitlesLoadsTheTextsAndStartsAGame) {
    const auto lines = WriteTestLanguageFiles();
    StartUp();
    EXPECT_EQ(FullTitle(), WindowText(MainWindowHandle));
    EXPECT_EQ(lines[TS_PRESS_WHITE], TextTable[TS_PRESS_WHITE]);
    EXPECT_EQ(std::vector<std::int32_t>{TS_PRESS_WHITE}, AnnouncementList);
    EXPECT_EQ(14, PieceImage);
    EXPECT_TRUE(IsToolbarButtonChecked(ID_BLACK_TURN));
    EXPECT_EQ(1, PumpMessages());
}

TEST_F(MainWindowTest, ShowMessageIsAnOkBoxOwnedByTheWindowAndCaptionedWithTheTitle) {
    SetTitle(L"Something else");  // the box keeps the resource title
    std::vector<SeenMessage> seen;
    HWND cancel = nullptr, ok = nullptr;
    const DialogStep readAndAnswer = AnswerMessage(seen);
    const DialogStep readButtons = {L"Zarvik", [&](HWND box) {
                                        ok = GetDlgItem(box, IDOK);
                                        cancel = GetDlgItem(box, IDCANCEL);
                                        readAndAnswer.act(box);
                                    }};
    int answer = 0;
    EXPECT_TRUE(PlayDialogs([&] { answer = ShowMessage(L"Line one:\n\nC:\\path\\file.txt"); }, {readButtons}));
    EXPECT_EQ(IDOK, answer);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(L"Zarvik", seen[0].caption);
    EXPECT_EQ(L"Line one:\n\nC:\\path\\file.txt", seen[0].text);
    EXPECT_EQ(MainWindowHandle, seen[0].owner);
    EXPECT_NE(nullptr, ok);
    EXPECT_EQ(nullptr, cancel);
}

TEST_F(MainWindowTest, ExitCommandEndsTheLoopWithCodeZero) {
    PostMessageW(MainWindowHandle, WM_COMMAND, ID_EXIT, 0);
    EXPECT_EQ(0, RunMessageLoop());
    EXPECT_FALSE(IsWindow(MainWindowHandle));
}

// Types a character with Alt held: Alt, then the keys that make the character in the current layout. The
// loop's TranslateMessage turns them into WM_SYSCHAR.
void TypeWithAlt(wchar_t character) {
    SHORT keys = VkKeyScanW(character);
    std::vector<WORD> held = {VK_MENU};
    if (HIBYTE(keys) & 1) held.push_back(VK_SHIFT);
    held.push_back(LOBYTE(keys));
    TypeKeys(held);
}

TEST_F(MainWindowTest, AltQuestionMarkAltSlashAndHelpOpenTheSystemDialog) {
    SetForegroundWindow(MainWindowHandle);
    SetFocus(MainWindowHandle);
    std::vector<HWND> owners;
    const DialogStep closeTheDialog = Answer(IDCANCEL, [&](HWND dialog) {
        EXPECT_NE(nullptr, GetDlgItem(dialog, IDC_LANGUAGE)) << "not the system dialog";
        owners.push_back(GetWindow(dialog, GW_OWNER));
    });
    auto post = [](UINT message, WPARAM wParam) {
        return WhenNoBox([=] { PostMessageW(MainWindowHandle, message, wParam, 0); });
    };
    // Each key goes in only once no box is open, so it reaches the program's own loop; a box too many or
    // too few leaves a step unplayed.
    int exitCode = -1;
    EXPECT_TRUE(PlayDialogs([&] { exitCode = RunMessageLoop(); },
                            {WhenNoBox([] { TypeWithAlt(L'?'); }), closeTheDialog,
                             WhenNoBox([] { TypeWithAlt(L'/'); }), closeTheDialog,
                             WhenNoBox([] { TypeWithAlt(L'x'); }), post(WM_CHAR, L'?'), post(WM_COMMAND, ID_HELP),
                             closeTheDialog, post(WM_COMMAND, ID_DRAW_RECORD), WhenNoBox([] {
                                 EXPECT_EQ(DrawRecordWindow, GetAncestor(GetFocus(), GA_ROOT)) << "typed in the record";
                                 TypeWithAlt(L'?');
                             }),
                             closeTheDialog, post(WM_COMMAND, ID_EXIT)}))
        << "only Alt+?, Alt+/ and Help open the dialog, Alt+? from the draw record too";
    EXPECT_EQ(0, exitCode);
    EXPECT_EQ(std::vector<HWND>(4, MainWindowHandle), owners);
}

// Command, text and check mark of every item, submenus' included, read in the program's own process: no
// other can read a menu.
using MenuItem = std::tuple<int, std::wstring, bool>;
std::set<MenuItem> OpenMenuItems;

void ReadMenu(HMENU menu) {
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        wchar_t text[256] = {};
        MENUITEMINFOW item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
        item.dwTypeData = text;
        item.cch = 256;
        GetMenuItemInfoW(menu, i, TRUE, &item);
        if (item.hSubMenu != nullptr) ReadMenu(item.hSubMenu);
        if (item.hSubMenu == nullptr && !(item.fType & MFT_SEPARATOR))
            OpenMenuItems.insert({static_cast<int>(item.wID), text, (item.fState & MFS_CHECKED) != 0});
    }
}

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu == nullptr || !IsWindowVisible(menu)) return;
    KillTimer(nullptr, timer);
    ReadMenu(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)));
    EndMenu();
}

// The dice per turn chosen through the menu's own command, kept in config.txt: the item in force is checked.
TEST_F(MainWindowTest, TheMenuKeyAndShiftF10OpenAMenuThatSaysWhatTheToolbarSays) {
    WriteTestLanguageFiles();
    FillTextTableWithSlotNumbers();
    StartNewGame();
    for (int command : {ID_WHITE_QUEEN, ID_BLACK_PAWN}) SendMessageW(ToolbarWindow, TB_CHECKBUTTON, command, TRUE);
    SetForegroundWindow(MainWindowHandle);
    SetFocus(MainWindowHandle);
    const std::pair<int, int> diceItems[] = {{ID_THREE_DICE, 3}, {ID_TWO_DICE, 2}, {ID_ONE_DIE, 1}};
    for (const auto& [chosen, dice] : diceItems) {
        SendCommand(chosen);
        ASSERT_EQ(dice, DicePerTurn);
        std::wstring lines[CONFIG_LINE_MAX];
        int linesRead = 0;
        EXPECT_TRUE(ReadStringLines(lines, CONFIG_LINE_MAX, ModulePath(ConfigFileName), linesRead));
        EXPECT_EQ(dice == 1 ? 3 : 4, linesRead) << "config.txt's lines with " << dice << " dice";
        EXPECT_EQ(dice == 1 ? L"" : std::to_wstring(dice), lines[3]);
        std::set<MenuItem> expected = {{ID_NEW_OPENING_GAME, TextTable[TS_NEW_OPENING_GAME], false},
                                       {ID_DRAW_RECORD, TextTable[TS_RECORD], false},
                                       {ID_ONE_DIE, TextTable[TS_ONE_DIE], dice == 1},
                                       {ID_TWO_DICE, TextTable[TS_TWO_DICE], dice == 2},
                                       {ID_THREE_DICE, TextTable[TS_THREE_DICE], dice == 3}};
        for (const ButtonRow& row : Buttons)
            expected.insert({row.command, TooltipText(row.command), IsToolbarButtonChecked(row.command)});
        for (const std::vector<WORD>& opener : {std::vector<WORD>{VK_SHIFT, VK_F10}, std::vector<WORD>{VK_APPS}}) {
            OpenMenuItems.clear();
            SetTimer(nullptr, 0, 30, ReadOpenMenu);
            TypeKeys(opener);
            EXPECT_TRUE(PumpUntil([] { return !OpenMenuItems.empty(); })) << opener.back();
            EXPECT_EQ(expected, OpenMenuItems) << opener.back() << " with " << dice << " dice";
        }
    }
}

// Another program holds config.txt: the choice is not made, the players read why, the file stays as it was.
TEST_F(MainWindowTest, ADiceChoiceThatCantBeSavedIsReportedAndNotMade) {
    WriteTestLanguageFiles();
    const std::wstring configPath = ModulePath(ConfigFileName);
    const std::string bytesBefore = ReadBytes(configPath);
    HANDLE lock = LockFile(configPath);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    std::vector<SeenMessage> messages;
    const bool answered = PlayDialogs([] { SendCommand(ID_THREE_DICE); }, {AnswerMessage(messages)});
    CloseHandle(lock);
    ASSERT_TRUE(answered);
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(L"Error Save Config File:\n\n" + configPath, messages[0].text);
    EXPECT_EQ(MainWindowHandle, messages[0].owner);
    EXPECT_EQ(1, DicePerTurn);
    EXPECT_EQ(bytesBefore, ReadBytes(configPath));
}

// The game's menu over the display and the toolbar; the caption and the icon keep the window's own.
TEST_F(MainWindowTest, ARightClickOnTheCaptionOrTheIconOpensTheWindowMenu) {
    RECT client, toolbar;
    GetClientRect(MainWindowHandle, &client);
    MapWindowPoints(MainWindowHandle, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(ToolbarWindow, &toolbar);
    const int captionY = client.top - GetSystemMetrics(SM_CYCAPTION) / 2, middle = (client.left + client.right) / 2;
    const std::tuple<POINT, LRESULT, int> clicks[] = {  // where, what is there, an item of the menu it opens
        {{middle, captionY}, HTCAPTION, SC_MOVE},
        {{client.left + GetSystemMetrics(SM_CXSMICON) / 2, captionY}, HTSYSMENU, SC_MOVE},
        {{middle, (toolbar.bottom + client.bottom) / 2}, HTCLIENT, ID_DRAW_RECORD},
        {{toolbar.right - 2, toolbar.bottom - 2}, HTCLIENT, ID_DRAW_RECORD}};
    SetForegroundWindow(MainWindowHandle);
    for (const auto& [point, hit, item] : clicks) {
        ASSERT_EQ(hit, SendMessageW(MainWindowHandle, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
        OpenMenuItems.clear();
        SetTimer(nullptr, 0, 30, ReadOpenMenu);
        SetCursorPos(point.x, point.y);
        INPUT click[2] = {{INPUT_MOUSE, {}}, {INPUT_MOUSE, {}}};
        click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        SendInput(2, click, sizeof(INPUT));
        EXPECT_TRUE(PumpUntil([] { return !OpenMenuItems.empty(); })) << hit;
        EXPECT_TRUE(std::any_of(OpenMenuItems.begin(), OpenMenuItems.end(),
                                [&](const MenuItem& shown) { return std::get<0>(shown) == item; })) << hit;
    }
}

std::wstring MenuItemText(HMENU menu, int command) {
    wchar_t text[2 * TEXT_LINE_MAX_LENGTH] = {};
    GetMenuStringW(menu, command, text, static_cast<int>(std::size(text)), MF_BYCOMMAND);
    return text;
}

// A language file's overlong lines where the players meet them, with the record open through a long game.
TEST_F(MainWindowTest, NoTextShowsMoreThanTheLoaderKeepsOfItsLine) {
    // Each slot of its own letter, so a text from the wrong slot shows.
    auto line = [](int slot, std::size_t length) { return std::wstring(length, static_cast<wchar_t>(L'А' + slot)); };
    auto kept = [&](int slot) { return line(slot, TEXT_LINE_MAX_LENGTH); };
    std::vector<std::wstring> lines = {L"1"};
    for (int slot = 1; slot < TEXT_TABLE_SIZE; slot++) lines.push_back(line(slot, 5 * TEXT_LINE_MAX_LENGTH));
    ASSERT_TRUE(WriteLanguageFile(L"TestLanguages\\Long.Lang.txt", lines));
    ASSERT_TRUE(LoadLanguage(ModulePath(L"TestLanguages\\Long.Lang.txt")));
    StartNewGame();
    for (int i = 0; i < PIECE_KIND_COUNT - 1; i++)  // only the Pawns stay in the draw
        for (int command : {WhitePieceCommands[i], BlackPieceCommands[i]}) CheckButton(command, true);
    ASSERT_TRUE(OpenDrawRecord());
    std::wstring recordLines;
    for (int draw = 0; draw < 2000; draw++) {
        ReleaseSpace();
        const int side = draw % 2 == 0 ? TS_WHITE_SIDE : TS_BLACK_SIDE;
        recordLines += std::to_wstring(draw / 2 + 1) + L". " + kept(side) + L": " + kept(TS_PAWN_NAME) + L"\r\n";
    }
    PumpMessages();  // the record catches up with every draw at once
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    SendMessageW(GetDlgItem(DrawRecordWindow, IDC_RECORD_COPY), BM_CLICK, 0, 0);
    HMENU menu = BuildContextMenu();
    const std::pair<std::wstring, std::wstring> shownAndKept[] = {
        {MenuItemText(menu, ID_DRAW_RECORD), kept(TS_RECORD)},
        {MenuItemText(menu, ID_WHITE_KING), kept(TS_KING_OFF)},         // the tooltip's text
        {DisplayText(), kept(TS_BLACK_PROMPT) + L" " + kept(TS_PAWN)},  // the screen reader's name too
        {WindowText(DrawRecordWindow), kept(TS_RECORD)},
        {WindowText(GetDlgItem(DrawRecordWindow, IDC_RECORD_COPY)), kept(TS_COPY)},
        {ClipboardTextWhole().substr(0, recordLines.size()), recordLines}};
    DestroyMenu(menu);
    for (std::size_t row = 0; row < std::size(shownAndKept); row++)  // not printed: thousands of letters
        EXPECT_TRUE(shownAndKept[row].first == shownAndKept[row].second)
            << "row " << row << ": " << shownAndKept[row].first.size() << " units";
}

}  // namespace

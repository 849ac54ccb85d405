// The main window's procedure, its commands, its services and the program's start-up and loop.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <vector>

#include "app/StartUp.h"
#include "core/AnnouncementList.h"
#include "core/Lcg32.h"
#include "core/PieceDraw.h"
#include "resources/resource.h"
#include "tests/win32/window/WindowTesting.h"
#include "text/TextTable.h"
#include "ui/MainWindow.h"
#include "ui/ToolbarButtons.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTestMainWindow()); }
    void TearDown() override { CloseTestMainWindow(); }
};

std::wstring Caption(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

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
        SendMessageW(MainWindowHandle, WM_KEYUP, VK_SPACE, 0xC0390001);
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
    RequestRepaint();
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
        EXPECT_EQ(nullptr, FindWindowW(L"IGAME", nullptr));
    }
    CloseTestMainWindow();
}

TEST_F(MainWindowTest, ComesUpAt575By400WithoutMenuAndWithTheTitleFromTheResources) {
    RECT outer;
    GetWindowRect(MainWindowHandle, &outer);
    EXPECT_EQ(575, outer.right - outer.left);
    EXPECT_EQ(400, outer.bottom - outer.top);
    EXPECT_EQ(nullptr, GetMenu(MainWindowHandle));
    EXPECT_EQ(L"Zarvik", Caption(MainWindowHandle));
    EXPECT_STREQ(L"IGAME", MainWindow.className);
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
    EXPECT_EQ(L"Zarvik 1 Moves Generator version 7", Caption(MainWindowHandle));
    EXPECT_EQ(lines[TS_PRESS_WHITE], TextTable[TS_PRESS_WHITE]);
    EXPECT_EQ(std::vector<std::int32_t>{TS_PRESS_WHITE}, AnnouncementList);
    EXPECT_EQ(14, PieceImage);
    EXPECT_TRUE(IsToolbarButtonChecked(ID_BLACK_TURN));
    EXPECT_EQ(1, PumpMessages());
}

TEST_F(MainWindowTest, ShowMessageIsAnOkBoxOwnedByTheWindowAndCaptionedWithTheTitle) {
    SetTitle(L"Something else");  // the box keeps the resource title
    std::wstring caption, text;
    HWND owner = nullptr, cancel = nullptr, ok = nullptr;
    int answer = 0;
    int boxes = AnswerDialogs([&] { answer = ShowMessage(L"Line one:\n\nC:\\path\\file.txt"); },
                              [&](HWND box) {
                                  caption = Caption(box);
                                  wchar_t body[256] = {};
                                  GetDlgItemTextW(box, 0xFFFF, body, 256);
                                  text = body;
                                  owner = GetWindow(box, GW_OWNER);
                                  ok = GetDlgItem(box, IDOK);
                                  cancel = GetDlgItem(box, IDCANCEL);
                              },
                              IDOK);
    EXPECT_EQ(1, boxes);
    EXPECT_EQ(IDOK, answer);
    EXPECT_EQ(L"Zarvik", caption);
    EXPECT_EQ(L"Line one:\n\nC:\\path\\file.txt", text);
    EXPECT_EQ(MainWindowHandle, owner);
    EXPECT_NE(nullptr, ok);
    EXPECT_EQ(nullptr, cancel);
}

TEST_F(MainWindowTest, ExitCommandEndsTheLoopWithCodeZero) {
    PostMessageW(MainWindowHandle, WM_COMMAND, ID_EXIT, 0);
    EXPECT_EQ(0, RunMessageLoop());
    EXPECT_FALSE(IsWindow(MainWindowHandle));
}

// Types a character with Alt held, as the keyboard would: Alt, then the keys that make the character in
// the current layout. The loop's TranslateMessage turns them into WM_SYSCHAR.
void TypeWithAlt(wchar_t character) {
    SHORT keys = VkKeyScanW(character);
    std::vector<WORD> held = {VK_MENU};
    if (HIBYTE(keys) & 1) held.push_back(VK_SHIFT);
    held.push_back(LOBYTE(keys));
    std::vector<INPUT> inputs;
    auto add = [&](WORD key, DWORD flags) {
        INPUT input = {INPUT_KEYBOARD, {}};
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (WORD key : held) add(key, 0);
    for (auto key = held.rbegin(); key != held.rend(); ++key) add(*key, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Each step starts only when no dialog is open, so its keys reach the program's own loop.
std::vector<std::pair<UINT, WPARAM>> Script;
size_t ScriptStep = 0;

BOOL CALLBACK FindOpenDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && std::wstring(className) == L"#32770") *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

void CALLBACK StartNextStep(HWND, UINT, UINT_PTR, DWORD) {
    bool dialogOpen = false;
    EnumThreadWindows(GetCurrentThreadId(), FindOpenDialog, reinterpret_cast<LPARAM>(&dialogOpen));
    if (dialogOpen || ScriptStep >= Script.size()) return;
    const auto& [message, wParam] = Script[ScriptStep++];
    if (message == WM_SYSCHAR)
        TypeWithAlt(static_cast<wchar_t>(wParam));
    else
        PostMessageW(MainWindowHandle, message, wParam, 0);
}

TEST_F(MainWindowTest, AltQuestionMarkAltSlashAndHelpOpenTheSystemDialog) {
    SetForegroundWindow(MainWindowHandle);
    SetFocus(MainWindowHandle);
    Script = {{WM_SYSCHAR, L'?'}, {WM_SYSCHAR, L'/'}, {WM_SYSCHAR, L'x'}, {WM_CHAR, L'?'},
              {WM_COMMAND, ID_HELP}, {WM_COMMAND, ID_EXIT}};
    ScriptStep = 0;
    std::vector<HWND> owners;
    std::vector<bool> hasLanguageButton;
    int exitCode = -1;
    UINT_PTR timer = SetTimer(nullptr, 0, 25, StartNextStep);
    int boxes = AnswerDialogs([&] { exitCode = RunMessageLoop(); },
                              [&](HWND dialog) {
                                  owners.push_back(GetWindow(dialog, GW_OWNER));
                                  hasLanguageButton.push_back(GetDlgItem(dialog, IDC_LANGUAGE) != nullptr);
                              },
                              IDCANCEL);
    KillTimer(nullptr, timer);
    EXPECT_EQ(3, boxes) << "only Alt+?, Alt+/ and Help open the dialog";
    EXPECT_EQ(0, exitCode);
    EXPECT_EQ(Script.size(), ScriptStep);
    for (size_t i = 0; i < owners.size(); i++) {
        EXPECT_TRUE(hasLanguageButton[i]) << i;
        EXPECT_EQ(MainWindowHandle, owners[i]) << i;
    }
}

}  // namespace

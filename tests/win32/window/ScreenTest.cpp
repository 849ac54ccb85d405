// The main window as the players see it on the screen: the toolbar shows the state of its buttons and the
// display shows the game, through resizing, clicks, hovering, draws and minimising.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <functional>
#include <string>
#include <vector>

#include "core/AnnouncementList.h"
#include "core/PieceDraw.h"
#include "resources/resource.h"
#include "tests/win32/Pixels.h"
#include "tests/win32/TestWindow.h"
#include "ui/Display.h"
#include "ui/MainWindow.h"
#include "ui/Toolbar.h"
#include "ui/ToolbarButtons.h"

namespace {

const std::pair<int, const char*> PieceButtons[] = {
    {ID_BLACK_KING, "Black King"}, {ID_BLACK_QUEEN, "Black Queen"}, {ID_BLACK_BISHOP, "Black Bishop"},
    {ID_BLACK_KNIGHT, "Black Knight"}, {ID_BLACK_ROOK, "Black Rook"}, {ID_BLACK_PAWN, "Black Pawn"},
    {ID_WHITE_KING, "White King"}, {ID_WHITE_QUEEN, "White Queen"}, {ID_WHITE_BISHOP, "White Bishop"},
    {ID_WHITE_KNIGHT, "White Knight"}, {ID_WHITE_ROOK, "White Rook"}, {ID_WHITE_PAWN, "White Pawn"}};
const POINT AwayFromTheToolbar = {1023, 767};  // the bottom right corner of the 1024 x 768 display

// ctest runs this suite in the tests' prefix, where Wine's theme is on, and once more in a prefix with
// theming off; ZARVIK_THEME says which, so a prefix that lost its setting fails here instead.
bool ThemeWanted() {
    wchar_t value[8] = {};
    GetEnvironmentVariableW(L"ZARVIK_THEME", value, 8);
    return std::wstring(value) != L"off";
}

class ScreenTest : public testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(AwayFromTheToolbar.x, AwayFromTheToolbar.y);
        ASSERT_TRUE(OpenTestMainWindow());
        ASSERT_NE(nullptr, ToolbarWindow);
        // Wholly on the display, grown or not.
        SetWindowPos(MainWindowHandle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        // A tooltip popping up over the buttons would hide what is under test.
        SendMessageW(reinterpret_cast<HWND>(SendMessageW(ToolbarWindow, TB_GETTOOLTIPS, 0, 0)), TTM_ACTIVATE,
                     FALSE, 0);
        PumpMessages();
    }
    void TearDown() override { CloseTestMainWindow(); }
};

// The toolbar on the screen against its own drawing of its present state on the display's grey: a black
// background or a frame left over from an earlier state shows as a difference.
std::string ToolbarDifference() {
    RECT client;
    GetClientRect(ToolbarWindow, &client);
    return FirstDifference(ScreenPixels(ToolbarWindow), PrintedPixels(ToolbarWindow), client.right, 0);
}

POINT ButtonCentre(int command) {
    RECT button = {};
    SendMessageW(ToolbarWindow, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button));
    return {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
}

void HoverOver(int command) {
    POINT centre = ButtonCentre(command);
    POINT onScreen = centre;
    ClientToScreen(ToolbarWindow, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    SendMessageW(ToolbarWindow, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
}

void LeaveTheToolbar() {
    SetCursorPos(AwayFromTheToolbar.x, AwayFromTheToolbar.y);
    SendMessageW(ToolbarWindow, WM_MOUSELEAVE, 0, 0);
}

void PressSpace() { SendMessageW(MainWindowHandle, WM_KEYUP, VK_SPACE, 0xC0390001); }

TEST_F(ScreenTest, TheToolbarAndTheDisplayShowTheStateAfterEveryAction) {
    ASSERT_EQ(ThemeWanted(), IsThemeActive() != FALSE) << "the prefix's theme is not as ZARVIK_THEME says";
    RECT start;
    GetClientRect(MainWindowHandle, &start);
    struct Step {
        std::string what;
        std::function<void()> act;
        int picture = -1;  // PieceImage after the step, when it matters
    };
    std::vector<Step> steps = {
        {"the first game",
         [] {
             StartNewGame();
             RepaintWholeWindow();
         },
         14},
        {"grown to 800 x 450", [] { ResizeClientArea(800, 450); }},
        {"maximised", [] { ShowWindow(MainWindowHandle, SW_MAXIMIZE); }},
        {"restored", [] { ShowWindow(MainWindowHandle, SW_RESTORE); }},
        {"shrunk back", [&] { ResizeClientArea(start.right, start.bottom); }},
    };
    for (const auto& [command, name] : PieceButtons) {
        steps.push_back({std::string("checking the ") + name, [command = command] { ClickToolbarButton(command); }});
        steps.push_back({std::string("unchecking the ") + name, [command = command] { ClickToolbarButton(command); }});
    }
    const std::vector<Step> game = {
        {"hovering over the Black Queen", [] { HoverOver(ID_BLACK_QUEEN); }},
        {"left the toolbar", LeaveTheToolbar},
        {"White's draw", PressSpace},
        {"Black's draw", PressSpace},
        {"every white kind taken out", [] {
             for (int command : WhitePieceCommands) ClickToolbarButton(command);
         }},
        {"White's stalemate", PressSpace, 0},
        {"a new game", [] { SendMessageW(MainWindowHandle, WM_COMMAND, ID_NEW_GAME, 0); }, 14},
        {"minimised and restored", [] {
             ShowWindow(MainWindowHandle, SW_MINIMIZE);
             PumpMessages();
             ShowWindow(MainWindowHandle, SW_RESTORE);
         }},
    };
    steps.insert(steps.end(), game.begin(), game.end());

    for (const Step& step : steps) {
        step.act();
        PumpMessages();
        EXPECT_EQ("", ToolbarDifference()) << "the toolbar after " << step.what;
        EXPECT_EQ("", DisplayDifference()) << "the display after " << step.what;
        if (step.picture >= 0) {
            EXPECT_EQ(step.picture, PieceImage) << step.what;
        }
    }
}

}  // namespace

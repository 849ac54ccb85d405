// The toolbar of the real main window: layout, toggling, tooltips and their texts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "core/AnnouncementList.h"
#include "core/Buttons.h"
#include "core/PieceDraw.h"
#include "resources/resource.h"
#include "tests/win32/TestWindow.h"
#include "text/TextTable.h"
#include "ui/MainWindow.h"
#include "ui/Toolbar.h"
#include "ui/ToolbarButtons.h"

namespace {

class ToolbarTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenTestMainWindow());
        ASSERT_NE(nullptr, ToolbarWindow);
        FillTextTableWithSlotNumbers();
    }
    void TearDown() override { CloseTestMainWindow(); }
};

RECT ButtonRect(int command) {
    RECT rect = {};
    SendMessageW(ToolbarWindow, TB_GETRECT, command, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

// The entries as created, and the rows lining up: each button of the first row above its partner.
TEST_F(ToolbarTest, TwoRowsInTheOrderOfTheStrip) {
    ASSERT_EQ(TOOLBAR_BUTTON_COUNT, SendMessageW(ToolbarWindow, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < TOOLBAR_BUTTON_COUNT; i++) {
        TBBUTTON button = {};
        SendMessageW(ToolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(ToolbarButtons[i].idCommand, button.idCommand) << "entry " << i;
        EXPECT_EQ(ToolbarButtons[i].iBitmap, button.iBitmap) << "entry " << i;
        EXPECT_EQ(ToolbarButtons[i].fsStyle, button.fsStyle) << "entry " << i;
        EXPECT_FALSE(button.fsState & TBSTATE_CHECKED) << "entry " << i;
    }
    EXPECT_EQ(2, SendMessageW(ToolbarWindow, TB_GETROWS, 0, 0));

    const int secondRow = ButtonIndex(ID_BLACK_PAWN) + 1;
    ASSERT_EQ(BUTTON_COUNT, 2 * secondRow);
    for (int column = 0; column < secondRow; column++) {
        const int above = Buttons[column].command, below = Buttons[secondRow + column].command;
        EXPECT_EQ(ButtonRect(above).left, ButtonRect(below).left) << above;
        EXPECT_LT(ButtonRect(above).bottom, ButtonRect(below).top + 1) << above;
    }
}

TEST_F(ToolbarTest, FitsTheTopOfTheClientAreaAndKeepsItsMeasuredHeight) {
    RECT client, bar;
    GetClientRect(MainWindowHandle, &client);
    GetWindowRect(ToolbarWindow, &bar);
    MapWindowPoints(nullptr, MainWindowHandle, reinterpret_cast<POINT*>(&bar), 2);
    // Its one-pixel border lies just outside the client area.
    EXPECT_EQ(-1, bar.left);
    EXPECT_EQ(-1, bar.top);
    EXPECT_EQ(client.right + 1, bar.right);
    EXPECT_EQ(bar.bottom - bar.top, ToolbarHeight);
    EXPECT_GT(ToolbarHeight, 80);  // two rows of 40-pixel images

    const int measured = ToolbarHeight;
    ResizeClientArea(700, 320);
    GetWindowRect(ToolbarWindow, &bar);
    EXPECT_EQ(702, bar.right - bar.left);
    EXPECT_EQ(measured, ToolbarHeight);
}

TEST_F(ToolbarTest, PieceButtonsToggleAndChangeNothingOnTheDisplay) {
    StartNewGame();
    PumpMessages();
    const auto lines = AnnouncementList;
    const int picture = PieceImage;
    for (const ButtonRow& piece : Buttons) {
        if (piece.role != ButtonRole::Piece) continue;
        ASSERT_TRUE(ClickToolbarButton(piece.command));
        EXPECT_TRUE(IsToolbarButtonChecked(piece.command)) << piece.command;
        EXPECT_EQ(0, PumpMessages()) << "a piece button repainted the display: " << piece.command;
    }
    EXPECT_EQ(lines, AnnouncementList);
    EXPECT_EQ(picture, PieceImage);
    ASSERT_TRUE(ClickToolbarButton(ID_WHITE_ROOK));
    EXPECT_FALSE(IsToolbarButtonChecked(ID_WHITE_ROOK));
    EXPECT_TRUE(IsToolbarButtonChecked(ID_BLACK_ROOK));
}

TEST_F(ToolbarTest, TooltipsNameTheButtonAndWhetherItsKindIsIncluded) {
    // A click toggles a piece and leaves a push button up; either way the tooltip follows the state.
    for (const ButtonRow& button : Buttons) {
        const std::wstring up = L"<" + std::to_wstring(button.nameSlot) + L">";
        const std::wstring down = L"<" + std::to_wstring(button.outOfDrawNameSlot) + L">";
        if (button.role == ButtonRole::Piece) {
            EXPECT_EQ(up, ToolbarTooltip(button.command)) << button.command;
            ClickToolbarButton(button.command);
            EXPECT_EQ(down, ToolbarTooltip(button.command)) << button.command;
            ClickToolbarButton(button.command);
        }
        EXPECT_EQ(up, ToolbarTooltip(button.command)) << button.command;
    }
    // The texts in force at the moment of the request, not those at creation.
    TextTable[TS_NEW_GAME] = L"Новая партия";
    EXPECT_EQ(L"Новая партия", ToolbarTooltip(ID_NEW_GAME));
}

std::wstring AskWindowForTooltip(int command) {
    NMTTDISPINFOW request = {};
    request.hdr.hwndFrom = ToolbarWindow;
    request.hdr.idFrom = static_cast<UINT_PTR>(command);
    request.hdr.code = TTN_NEEDTEXTW;
    EXPECT_EQ(0, SendMessageW(MainWindowHandle, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request)));
    return request.lpszText != nullptr ? request.lpszText : L"(no text)";
}

TEST_F(ToolbarTest, TooltipTextIsCutAt1024AndUnknownIdsGetAQuestionMark) {
    const std::pair<size_t, size_t> lengths[] = {{0, 0}, {1023, 1023}, {1024, 1024}, {1025, 1024}, {1500, 1024}};
    for (const auto& [length, expected] : lengths) {
        std::wstring text;
        for (size_t i = 0; i < length; i++) text += static_cast<wchar_t>(L'А' + i % 32);
        TextTable[TS_NEW_GAME] = text;
        EXPECT_EQ(text.substr(0, expected), AskWindowForTooltip(ID_NEW_GAME)) << length;
    }
    for (int unknown : {0, ID_ABOUT, ID_EXIT, 32779, ID_HELP + 1, IDC_TOOLBAR, -1})
        EXPECT_EQ(L"?", AskWindowForTooltip(unknown)) << unknown;
}

// A module without the strip: the toolbar comes up all the same, with its buttons and without pictures.
TEST_F(ToolbarTest, AMissingImageStripLeavesTheButtonsWorking) {
    DestroyWindow(ToolbarWindow);
    InstanceHandle = GetModuleHandleW(L"kernel32.dll");
    CreateToolbar(MainWindowHandle);
    InstanceHandle = GetModuleHandleW(nullptr);
    ASSERT_NE(nullptr, ToolbarWindow);
    EXPECT_EQ(22, SendMessageW(ToolbarWindow, TB_BUTTONCOUNT, 0, 0));
    ASSERT_TRUE(ClickToolbarButton(ID_WHITE_QUEEN));
    EXPECT_TRUE(IsToolbarButtonChecked(ID_WHITE_QUEEN));
    EXPECT_GT(ToolbarHeight, 0);
}

}  // namespace

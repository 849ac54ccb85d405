// The toolbar of the real main window: layout, toggling, tooltips and their texts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "core/AnnouncementList.h"
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

const int BlackPieces[] = {ID_BLACK_KING, ID_BLACK_QUEEN, ID_BLACK_BISHOP,
                           ID_BLACK_KNIGHT, ID_BLACK_ROOK, ID_BLACK_PAWN};
const int WhitePieces[] = {ID_WHITE_KING, ID_WHITE_QUEEN, ID_WHITE_BISHOP,
                           ID_WHITE_KNIGHT, ID_WHITE_ROOK, ID_WHITE_PAWN};

TEST_F(ToolbarTest, TwoRowsInTheOrderOfTheStrip) {
    // Command and image of each entry; 0, 0 is a separator.
    const std::pair<int, int> entries[] = {
        {0, 0}, {ID_HELP, 15}, {0, 0}, {ID_BLACK_TURN, 12}, {0, 0}, {ID_BLACK_KING, 0}, {ID_BLACK_QUEEN, 1},
        {ID_BLACK_BISHOP, 2}, {ID_BLACK_KNIGHT, 3}, {ID_BLACK_ROOK, 4}, {ID_BLACK_PAWN, 5}, {0, 0},
        {ID_NEW_GAME, 14}, {0, 0}, {ID_WHITE_TURN, 13}, {0, 0}, {ID_WHITE_KING, 6}, {ID_WHITE_QUEEN, 7},
        {ID_WHITE_BISHOP, 8}, {ID_WHITE_KNIGHT, 9}, {ID_WHITE_ROOK, 10}, {ID_WHITE_PAWN, 11}};
    ASSERT_EQ(22, SendMessageW(ToolbarWindow, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < 22; i++) {
        const auto [command, image] = entries[i];
        const bool piece = command >= ID_BLACK_KING && command <= ID_WHITE_PAWN;
        TBBUTTON button = {};
        SendMessageW(ToolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(command, button.idCommand) << "entry " << i;
        EXPECT_EQ(image, button.iBitmap) << "entry " << i;
        EXPECT_EQ(command == 0 ? TBSTYLE_SEP : piece ? TBSTYLE_CHECK : TBSTYLE_BUTTON, button.fsStyle) << "entry " << i;
        EXPECT_FALSE(button.fsState & TBSTATE_CHECKED) << "entry " << i;
    }
    EXPECT_EQ(2, SendMessageW(ToolbarWindow, TB_GETROWS, 0, 0));

    // The rows line up: each button of the first row stands above its partner in the second.
    const std::pair<int, int> columns[] = {{ID_HELP, ID_NEW_GAME}, {ID_BLACK_TURN, ID_WHITE_TURN}};
    for (const auto& [above, below] : columns) {
        EXPECT_EQ(ButtonRect(above).left, ButtonRect(below).left) << above;
        EXPECT_LT(ButtonRect(above).bottom, ButtonRect(below).top + 1) << above;
    }
    for (int k = 0; k < 6; k++) {
        EXPECT_EQ(ButtonRect(BlackPieces[k]).left, ButtonRect(WhitePieces[k]).left) << k;
        EXPECT_LT(ButtonRect(BlackPieces[k]).bottom, ButtonRect(WhitePieces[k]).top + 1) << k;
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
    for (const int* side : {BlackPieces, WhitePieces}) {
        for (int k = 0; k < 6; k++) {
            ASSERT_TRUE(ClickToolbarButton(side[k]));
            EXPECT_TRUE(IsToolbarButtonChecked(side[k])) << side[k];
            EXPECT_EQ(0, PumpMessages()) << "a piece button repainted the display: " << side[k];
        }
    }
    EXPECT_EQ(lines, AnnouncementList);
    EXPECT_EQ(picture, PieceImage);
    ASSERT_TRUE(ClickToolbarButton(ID_WHITE_ROOK));
    EXPECT_FALSE(IsToolbarButtonChecked(ID_WHITE_ROOK));
    EXPECT_TRUE(IsToolbarButtonChecked(ID_BLACK_ROOK));
}

TEST_F(ToolbarTest, TooltipsNameTheButtonAndWhetherItsKindIsIncluded) {
    const std::pair<int, std::wstring> plain[] = {
        {ID_BLACK_TURN, L"<14>"}, {ID_WHITE_TURN, L"<13>"}, {ID_NEW_GAME, L"<27>"}, {ID_HELP, L"<28>"}};
    for (const auto& [command, text] : plain) EXPECT_EQ(text, ToolbarTooltip(command)) << command;

    for (int k = 1; k <= 6; k++) {
        const std::wstring included = L"<" + std::to_wstring(13 + 2 * k) + L">";
        const std::wstring excluded = L"<" + std::to_wstring(14 + 2 * k) + L">";
        for (int command : {BlackPieces[k - 1], WhitePieces[k - 1]}) {
            EXPECT_EQ(included, ToolbarTooltip(command)) << command;
            ClickToolbarButton(command);
            EXPECT_EQ(excluded, ToolbarTooltip(command)) << command;
            ClickToolbarButton(command);
            EXPECT_EQ(included, ToolbarTooltip(command)) << command;
        }
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

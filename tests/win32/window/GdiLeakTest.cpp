// Painting, drawing and opening and closing things leave no GDI object and no window behind.
#include <gtest/gtest.h>

#include "core/PieceDraw.h"
#include "probes/HandleCounts.h"
#include "resources/resource.h"
#include "tests/win32/ModalBoxes.h"
#include "tests/win32/TestWindow.h"
#include "text/TextTable.h"
#include "ui/Display.h"
#include "ui/MainWindow.h"

namespace {

// One of everything the players can do to the main window, with its paints.
void PlayARound() {
    SendCommand(ID_NEW_GAME);
    for (int i = 0; i < 4; i++) {
        ReleaseSpace();
        PumpMessages();
    }
    for (int command : {ID_BLACK_KING, ID_BLACK_QUEEN, ID_BLACK_BISHOP, ID_BLACK_KNIGHT, ID_BLACK_ROOK, ID_BLACK_PAWN})
        ClickToolbarButton(command);
    SendCommand(ID_BLACK_TURN);  // stalemate
    for (int command : {ID_WHITE_TURN, ID_NEW_GAME, ID_HELP, ID_BLACK_KING}) ToolbarTooltip(command);
    ResizeClientArea(300, 200);
    ShowWindow(MainWindowHandle, SW_MINIMIZE);
    PumpMessages();
    ShowWindow(MainWindowHandle, SW_RESTORE);
    ResizeClientArea(575, 300);
    lstrcpyW(DisplayFont.lfFaceName, L"DejaVu Sans");  // a made font instead of the stock one
    DisplayFont.lfHeight = -14;
    SendCommand(ID_WHITE_TURN);
    DisplayFont = {};
    PlayDialogs([] { ShowMessage(L"message"); }, {Answer(IDOK)});
    PlayDialogs([] { SendCommand(ID_HELP); }, {Answer(IDOK)});  // the system dialog with its picture
}

TEST(GdiLeak, PlayingPaintingAndOpeningDialogsLeaksNothing) {
    ASSERT_TRUE(OpenTestMainWindow());
    FillTextTableWithSlotNumbers();
    PlayARound();  // the first round makes the platform's lazily created objects
    const int objects = CountGdiObjects();
    const int windows = CountThreadWindows();
    for (int round = 0; round < 5; round++) PlayARound();
    EXPECT_EQ(objects, CountGdiObjects());
    EXPECT_EQ(windows, CountThreadWindows());
    CloseTestMainWindow();
}

TEST(GdiLeak, ClosingTheWindowReleasesTheBackBuffer) {
    ASSERT_TRUE(OpenTestMainWindow());
    CloseTestMainWindow();  // the first window makes the platform's lazily created objects
    const int objects = CountGdiObjects();
    ASSERT_TRUE(OpenTestMainWindow());
    FillTextTableWithSlotNumbers();
    SendCommand(ID_NEW_GAME);
    ASSERT_NE(nullptr, BackBuffer.bitmap);
    CloseTestMainWindow();
    EXPECT_EQ(nullptr, BackBuffer.bitmap);
    EXPECT_EQ(objects, CountGdiObjects());
}

}  // namespace

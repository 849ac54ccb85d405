// The main window at the display scale of its Wine prefix (96 DPI in the tests' own; 120, 144 and 192 in
// one of their own, whose LogPixels ctest sets as ZARVIK_DPI says), and moved to another scale.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/AnnouncementList.h"
#include "core/PieceDraw.h"
#include "resources/resource.h"
#include "tests/win32/Pixels.h"
#include "tests/win32/TestWindow.h"
#include "text/Config.h"
#include "text/TextTable.h"
#include "ui/Display.h"
#include "ui/DisplayScale.h"
#include "ui/MainWindow.h"
#include "ui/Toolbar.h"
#include "ui/ToolbarButtons.h"

namespace {

struct Scale {
    int dpi;
    SIZE client;  // the 96-DPI client area of 567 x 373 grown by the scale
    SIZE button;  // 47 x 46 at 96 DPI
    int tile;
};
// At 192 DPI the window (1134 x 746 inside) is larger than the 1024 x 768 test screen and fits it instead.
const Scale Scales[] = {{96, {567, 373}, {47, 46}, 40},
                        {120, {709, 466}, {59, 58}, 50},
                        {144, {851, 560}, {71, 69}, 60},
                        {192, {1014, 721}, {94, 92}, 80}};

// The DPI ctest set the prefix to; 96 in the tests' own.
int PrefixDpi() {
    wchar_t value[8] = {};
    GetEnvironmentVariableW(L"ZARVIK_DPI", value, 8);
    return value[0] != L'\0' ? _wtoi(value) : 96;
}

const Scale& ScaleAt(int dpi) {
    for (const Scale& scale : Scales)
        if (scale.dpi == dpi) return scale;
    return Scales[0];
}

class ScaleTest : public testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(1023, 767);  // off the toolbar: no hover frame, no tooltip
        ASSERT_TRUE(OpenTestMainWindow());
        ASSERT_NE(nullptr, ToolbarWindow);
        TextTable[TS_PRESS_WHITE] = L"ЖЖЖ";
        // Tahoma 10 as the font dialog gives it: its height in pixels of the screen's DPI.
        HDC screen = GetDC(nullptr);
        DisplayFont.lfHeight = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        lstrcpyW(DisplayFont.lfFaceName, L"Tahoma");
        SendMessageW(reinterpret_cast<HWND>(SendMessageW(ToolbarWindow, TB_GETTOOLTIPS, 0, 0)), TTM_ACTIVATE, FALSE,
                     0);
        StartNewGame();
        RepaintWholeWindow();
        PumpMessages();
    }
    void TearDown() override { CloseTestMainWindow(); }
};

// The strip's tile as the toolbar shows it: its four greys mapped to the system's button colours, the
// button face transparent (-1), grown to size x size by whole pixels.
std::vector<long> ShownTile(int tile, int size) {
    const std::pair<DWORD, int> mapped[] = {{0x000000, COLOR_BTNTEXT}, {0x808080, COLOR_BTNSHADOW},
                                            {0xC0C0C0, COLOR_BTNFACE}, {0xFFFFFF, COLOR_BTNHIGHLIGHT}};
    const std::vector<DWORD> raw = StripTile(tile);
    PixelCanvas source(40, 40), grown(size, size);
    auto rgb = [](COLORREF c) -> DWORD { return RGB(GetBValue(c), GetGValue(c), GetRValue(c)); };  // 0x00RRGGBB
    for (int i = 0; i < 40 * 40; i++) {
        source.pixels[i] = raw[i];
        for (const auto& [colour, system] : mapped)
            if (raw[i] == colour) source.pixels[i] = rgb(GetSysColor(system));
    }
    SetStretchBltMode(grown.dc, COLORONCOLOR);
    StretchBlt(grown.dc, 0, 0, size, size, source.dc, 0, 0, 40, 40, SRCCOPY);
    const DWORD transparent = rgb(GetSysColor(COLOR_BTNFACE));
    std::vector<long> shown;
    for (DWORD pixel : CanvasPixels(grown)) shown.push_back(pixel == transparent ? -1 : static_cast<long>(pixel));
    return shown;
}

// Whether the screen shows the tile, grown to size, somewhere inside the button.
bool ButtonShowsTile(int command, int tile, int size) {
    RECT button = {};
    SendMessageW(ToolbarWindow, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button));
    const int width = button.right - button.left, height = button.bottom - button.top;
    const std::vector<DWORD> screen = ScreenPixels(ToolbarWindow, button);
    const std::vector<long> tilePixels = ShownTile(tile, size);
    for (int top = 0; top + size <= height; top++) {
        for (int left = 0; left + size <= width; left++) {
            bool same = true;
            for (int y = 0; same && y < size; y++)
                for (int x = 0; same && x < size; x++) {
                    const long expected = tilePixels[y * size + x];
                    same = expected < 0 || screen[(top + y) * width + left + x] == static_cast<DWORD>(expected);
                }
            if (same) return true;
        }
    }
    return false;
}

// The width and height of the ink below the picture in the back buffer: the line's text.
SIZE LineInk() {
    int left = BackBuffer.width, right = -1, top = BackBuffer.height, bottom = -1;
    for (int y = TextOrigin.y - 20; y < BackBuffer.height; y++)
        for (int x = 0; x < BackBuffer.width; x++)
            if (BackBufferPixel(x, y) != 0xB0B0B0) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    return {right - left + 1, bottom - top + 1};
}

void ExpectScaledTo(const Scale& scale, const char* when) {
    const LRESULT button = SendMessageW(ToolbarWindow, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_EQ(scale.button.cx, LOWORD(button)) << when;
    EXPECT_EQ(scale.button.cy, HIWORD(button)) << when;
    for (const TBBUTTON& entry : ToolbarButtons) {
        if (entry.fsStyle & TBSTYLE_SEP) continue;
        EXPECT_TRUE(ButtonShowsTile(entry.idCommand, entry.iBitmap, scale.tile))
            << "tile " << entry.iBitmap << " at " << scale.tile << " pixels " << when;
    }
    EXPECT_EQ("", DisplayDifference()) << when;
}

TEST_F(ScaleTest, TheWindowItsToolbarAndItsDisplayGrowByTheScale) {
    const Scale& scale = ScaleAt(PrefixDpi());
    ASSERT_EQ(PrefixDpi(), scale.dpi) << "no row for this DPI";
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(scale.dpi, GetDeviceCaps(screen, LOGPIXELSX)) << "the prefix's DPI is not as ZARVIK_DPI says";
    ReleaseDC(nullptr, screen);
    RECT client;
    GetClientRect(MainWindowHandle, &client);
    EXPECT_EQ(scale.client.cx, client.right);
    EXPECT_EQ(scale.client.cy, client.bottom);
    ExpectScaledTo(scale, "at start");
    // The back buffer is the 96-DPI picture at every scale: its text too, in the font the player chose.
    // Rounded twice, 10 points come back as 13 pixels at 96 DPI but 14 from 120 and 192.
    const SIZE ink = LineInk();
    EXPECT_NEAR(35, ink.cx, 2);
    EXPECT_NEAR(9, ink.cy, 1);
    // A draw repaints only the part its picture changed, rounded out to whole pixels at this scale.
    ReleaseSpace();
    PumpMessages();
    EXPECT_EQ("", DisplayDifference()) << "after a draw";
}

// The 96-DPI picture of three tiles, stretched by twice the scale: every tile whole and crisp on the screen.
TEST_F(ScaleTest, AThreeDiceTurnShowsEveryTileWholeAtThisScale) {
    const int firstLeft = PrefixDpi() == 192 ? 56 : 71;  // a back buffer 253 or 283 wide: (width - 140) / 2
    DicePerTurn = 3;
    SendMessageW(MainWindowHandle, WM_COMMAND, ID_BLACK_TURN, 0);
    PumpMessages();
    ASSERT_EQ(3u, TurnImages.size());
    const int top = ToolbarHeight * BASE_DPI / (2 * MainWindow.dpi) + 20;
    for (int die = 0; die < 3; die++) EXPECT_EQ("", TileDifference(TurnImages[die] - 1, firstLeft + 50 * die, top));
    EXPECT_EQ("", DisplayDifference());
    DicePerTurn = 1;
}

// WM_DPICHANGED comes when the window is moved to a monitor of another scale; Wine, on one screen, sends
// none, so the test sends it with the rectangle the system would suggest.
TEST_F(ScaleTest, AMoveToAnotherScaleTakesTheSuggestedRectangleAndKeepsTheGame) {
    ClickToolbarButton(ID_BLACK_QUEEN);
    ClickToolbarButton(ID_WHITE_ROOK);
    ReleaseSpace();
    PumpMessages();
    std::vector<bool> checked;
    for (const TBBUTTON& entry : ToolbarButtons) checked.push_back(IsToolbarButtonChecked(entry.idCommand));
    const auto lines = AnnouncementList;
    const int picture = PieceImage;
    for (int dpi : {144, 120, 192, 96}) {
        const std::string when = "after a move to " + std::to_string(dpi) + " DPI";
        const Scale& scale = ScaleAt(dpi);
        RECT suggested = {8, 6, 8 + scale.client.cx, 6 + scale.client.cy};
        AdjustWindowRectEx(&suggested, WS_OVERLAPPEDWINDOW, FALSE, 0);
        SendMessageW(MainWindowHandle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        PumpMessages();
        RECT outer;
        GetWindowRect(MainWindowHandle, &outer);
        EXPECT_TRUE(EqualRect(&suggested, &outer)) << when;
        ExpectScaledTo(scale, when.c_str());
        std::vector<bool> now;
        for (const TBBUTTON& entry : ToolbarButtons) now.push_back(IsToolbarButtonChecked(entry.idCommand));
        EXPECT_EQ(checked, now) << when;
        EXPECT_EQ(lines, AnnouncementList) << when;
        EXPECT_EQ(picture, PieceImage) << when;
    }
}

}  // namespace

// The display read back from its pixels: back-buffer size, picture placement, lines, failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

#include "core/AnnouncementList.h"
#include "core/Buttons.h"
#include "core/KindTexts.h"
#include "core/Lcg32.h"
#include "core/PieceDraw.h"
#include "probes/HandleCounts.h"
#include "resources/resource.h"
#include "tests/win32/Pixels.h"
#include "tests/win32/TestWindow.h"
#include "text/Config.h"
#include "text/TextTable.h"
#include "ui/Display.h"
#include "ui/DisplayLines.h"
#include "ui/MainWindow.h"
#include "ui/Toolbar.h"
#include "ui/ToolbarButtons.h"

namespace {

constexpr DWORD GREY = 0xB0B0B0;
constexpr int WhiteTurnTile = Buttons[ButtonIndex(ID_WHITE_TURN)].tile;  // a new game's picture
const wchar_t Mark[] = L"ЖЖЖ";  // symmetric, no descender: one line's ink stays inside its 16 rows

class DisplayTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenTestMainWindow());
        FillTextTableWithSlotNumbers();
        for (int slot : {TS_WHITE_PROMPT, TS_BLACK_PROMPT, TS_STALEMATE, TS_PRESS_WHITE}) TextTable[slot] = Mark;
        for (const KindTextRow& kind : KindTexts) TextTable[kind.name] = Mark;
        TextColour = RGB(10, 20, 30);
    }
    void TearDown() override { CloseTestMainWindow(); }

    static DWORD BufferPixel(int x, int y) { return BackBufferPixel(x, y); }
    static int PictureTop() { return ToolbarHeight / 2 + 20; }
    // The picture on show drawn again from nothing: another size drops what was kept.
    static std::vector<DWORD> DrawnFromNothing() {
        ResizeClientArea(600, 300);
        ResizeClientArea(574, 300);
        return BackBufferNow();
    }
};

// Every non-grey pixel in the rows below the picture: the lines, antialiasing included.
std::set<std::pair<int, int>> LineInk() {
    std::set<std::pair<int, int>> ink;
    for (int y = ToolbarHeight / 2 + 60; y < BackBuffer.height; y++)
        for (int x = 0; x < BackBuffer.width; x++)
            if (BackBufferPixel(x, y) != GREY) ink.insert({x, y});
    return ink;
}

SIZE SystemFontExtent(const wchar_t* text) {
    PixelCanvas canvas(10, 10);
    HGDIOBJ previous = SelectObject(canvas.dc, GetStockObject(SYSTEM_FONT));
    SIZE extent = {};
    GetTextExtentPoint32W(canvas.dc, text, lstrlenW(text), &extent);
    SelectObject(canvas.dc, previous);
    return extent;
}

TEST_F(DisplayTest, BackBufferIsHalfTheClientAreaAndIsStretchedOverAllOfIt) {
    ResizeClientArea(575, 300);
    HDC window = GetDC(MainWindowHandle);
    RECT lastColumn = {574, 0, 575, 300};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(window, &lastColumn, red);
    DeleteObject(red);
    RedrawWindow(MainWindowHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(287, BackBuffer.width);
    EXPECT_EQ(150, BackBuffer.height);
    EXPECT_EQ(RGB(176, 176, 176), GetPixel(window, 574, 299));
    EXPECT_EQ(RGB(176, 176, 176), GetPixel(window, 574, ToolbarHeight + 1));
    ReleaseDC(MainWindowHandle, window);
}

TEST_F(DisplayTest, NewGameShowsTheWhiteTurnTileCentredTwentyPixelsUnderTheToolbar) {
    ResizeClientArea(574, 300);
    SendCommand(ID_NEW_GAME);
    ASSERT_EQ(287, BackBuffer.width);
    const int left = 123;  // (287 - 40) / 2
    const int top = PictureTop();
    const auto tile = StripTile(WhiteTurnTile);
    int mismatches = 0;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 40; x++) mismatches += BufferPixel(left + x, top + y) != tile[y * 40 + x];
    EXPECT_EQ(0, mismatches);
    for (int i = 0; i < 40; i++) {  // a grey frame all round: nothing more and nothing shifted
        EXPECT_EQ(GREY, BufferPixel(left - 1, top + i));
        EXPECT_EQ(GREY, BufferPixel(left + 40, top + i));
        EXPECT_EQ(GREY, BufferPixel(left + i, top - 1));
        EXPECT_EQ(GREY, BufferPixel(left + i, top + 40));
    }

    // The window shows the back buffer at twice its size, each pixel as a 2 x 2 block.
    PixelCanvas screen(574, 300);
    HDC window = GetDC(MainWindowHandle);
    BitBlt(screen.dc, 0, 0, 574, 300, window, 0, 0, SRCCOPY);
    ReleaseDC(MainWindowHandle, window);
    mismatches = 0;
    for (int y = ToolbarHeight / 2 + 1; y < 150; y++)
        for (int x = 0; x < 287; x++)
            for (int corner = 0; corner < 4; corner++)
                mismatches += screen.At(2 * x + corner % 2, 2 * y + corner / 2) != BufferPixel(x, y);
    EXPECT_EQ(0, mismatches);
}

TEST_F(DisplayTest, LinesAreCentredUnderThePictureAndSixteenPixelsApart) {
    ResizeClientArea(574, 400);
    SendCommand(ID_WHITE_TURN);
    ASSERT_EQ(2u, AnnouncementList.size());
    const SIZE cell = SystemFontExtent(Mark);
    const int firstCentre = ToolbarHeight / 2 + 40 + 40;  // picture's top gap + tile + 40
    std::set<std::pair<int, int>> first, second;
    for (const auto& point : LineInk()) (point.second < firstCentre + 8 ? first : second).insert(point);
    ASSERT_FALSE(first.empty());
    std::set<std::pair<int, int>> shifted;
    for (const auto& [x, y] : first) shifted.insert({x, y + 16});
    EXPECT_EQ(shifted, second);

    // The first line is the text centred on (143, firstCentre), exactly as TextOutW draws it there.
    PixelCanvas expected(287, 200);
    SetBkMode(expected.dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(expected.dc, GetStockObject(SYSTEM_FONT));
    SetTextColor(expected.dc, TextColour);
    TextOutW(expected.dc, 143 - cell.cx / 2, firstCentre - cell.cy / 2, Mark, lstrlenW(Mark));
    SelectObject(expected.dc, previous);
    std::set<std::pair<int, int>> expectedInk;
    for (int y = 0; y < 200; y++)
        for (int x = 0; x < 287; x++)
            if (expected.At(x, y) != GREY) expectedInk.insert({x, y});
    EXPECT_EQ(expectedInk, first);
}

// Three dice: the tiles in the order drawn, centred 10 apart, closer in a narrow window and never cut while
// they fit; under them the side's line and the kinds' record names, read from the screen.
TEST_F(DisplayTest, ATurnOfThreeDiceShowsItsTilesInARowAndNamesItsKinds) {
    for (const KindTextRow& kind : KindTexts) TextTable[kind.recordName] = std::wstring(static_cast<int>(kind.kind), L'Ж');
    Generator.Reseed(77);
    std::vector<std::int32_t> images;
    for (int die = 0; die < 3; die++) {
        DrawPieceKind(Side::White);
        images.push_back(PieceImage);
    }
    const struct {
        int clientWidth;
        int lefts[3];
    } cases[] = {{574, {73, 123, 173}}, {252, {0, 43, 86}}, {244, {0, 41, 82}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clientWidth);
        ResizeClientArea(c.clientWidth, 400);
        Generator.Reseed(77);
        DicePerTurn = 3;
        SendCommand(ID_WHITE_TURN);
        ASSERT_EQ(images, TurnImages);
        for (int die = 0; die < 3; die++) EXPECT_EQ("", TileDifference(images[die] - 1, c.lefts[die], PictureTop()));
        for (int die = 0; die < 2; die++)
            for (int x = c.lefts[die] + 40; x < c.lefts[die + 1]; x++) EXPECT_EQ(GREY, BufferPixel(x, PictureTop() + 20));
        EXPECT_EQ("", DisplayDifference());

        std::wstring kinds;
        for (std::int32_t image : images)
            kinds += (kinds.empty() ? L"" : L", ") + TextTable[KindTextsOf(static_cast<PieceKind>(image - 6)).recordName];
        PixelCanvas expected(BackBuffer.width, BackBuffer.height);
        SetBkMode(expected.dc, TRANSPARENT);
        const int firstCentre = ToolbarHeight / 2 + 40 + 40;
        DrawLines(expected.dc, LOGFONTW{}, TextColour, {BackBuffer.width / 2, firstCentre}, {Mark, kinds});
        std::set<std::pair<int, int>> expectedInk;
        for (int y = ToolbarHeight / 2 + 60; y < BackBuffer.height; y++)
            for (int x = 0; x < BackBuffer.width; x++)
                if (expected.At(x, y) != GREY) expectedInk.insert({x, y});
        EXPECT_EQ(expectedInk, LineInk());
    }
    DicePerTurn = 1;
}

// The window keeps the width of the row without gaps, so no tile of a turn is ever cut; one die keeps the
// platform's limit. Choosing more dice widens a window that is now too narrow.
TEST_F(DisplayTest, TheWindowKeepsATurnsRowOfTilesWhole) {
    WriteTestLanguageFiles();  // the choice is saved beside the tests
    const struct {
        int command, dice, narrowest;
    } cases[] = {{ID_ONE_DIE, 1, 130}, {ID_THREE_DICE, 3, 240}, {ID_TWO_DICE, 2, 160}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dice);
        SendCommand(ID_ONE_DIE);
        ResizeClientArea(130, 400);
        SendCommand(c.command);
        ASSERT_EQ(c.dice, DicePerTurn);
        RECT client = {};
        GetClientRect(MainWindowHandle, &client);
        EXPECT_EQ(c.narrowest, client.right) << "after the choice";
        ResizeClientArea(110, 400);  // the platform's own limit is a little less
        GetClientRect(MainWindowHandle, &client);
        EXPECT_EQ(c.dice == 1 ? 110 : c.narrowest, client.right) << "made narrower";
        SendCommand(ID_WHITE_TURN);
        for (int die = 0; die < c.dice && c.dice > 1; die++)
            EXPECT_EQ("", TileDifference(TurnImages[die] - 1, 40 * die, PictureTop()));
    }
}

TEST_F(DisplayTest, StalemateShowsNoPictureAndKeepsTheLinesWhereTheLastPictureLeftThem) {
    ResizeClientArea(574, 300);
    SendCommand(ID_WHITE_TURN);
    const auto before = LineInk();
    ASSERT_FALSE(before.empty());
    for (int command : WhitePieceCommands) ClickToolbarButton(command);
    // Narrower before the stalemate's first paint: a picture would now centre the lines at 100, not 143.
    SendMessageW(MainWindowHandle, WM_COMMAND, ID_WHITE_TURN, 0);
    ResizeClientArea(400, 300);
    ASSERT_EQ(0, PieceImage);
    ASSERT_EQ(200, BackBuffer.width);
    EXPECT_EQ(before, LineInk());
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 200; x++) ASSERT_EQ(GREY, BufferPixel(x, PictureTop() + y)) << x << "," << y;
}

TEST_F(DisplayTest, PictureIsCutAtTheLeftOfANarrowTarget) {
    const auto tile = StripTile(PieceTile(Side::White, PieceKind::King));
    const struct {
        int width, left;
    } cases[] = {{30, -5}, {41, 0}, {120, 40}};
    for (const auto& target : cases) {
        PixelCanvas canvas(target.width, 100);
        PieceImage = 7;  // the white King
        TextOrigin = {-1, -1};
        DrawPiecePicture(canvas.Rows(), 10);
        EXPECT_EQ(target.width / 2, TextOrigin.x);
        EXPECT_EQ(10 + 40 + 40, TextOrigin.y);
        int mismatches = 0;
        for (int y = 0; y < 40; y++)
            for (int x = std::max(0, target.left); x < std::min(target.width, target.left + 40); x++)
                mismatches += canvas.At(x, 30 + y) != tile[y * 40 + (x - target.left)];
        EXPECT_EQ(0, mismatches) << target.width;
    }
}

TEST_F(DisplayTest, NoPictureOrNoStripDrawsNothingAndKeepsTheTextOrigin) {
    const struct {
        int image;
        HINSTANCE module;
    } cases[] = {{0, GetModuleHandleW(nullptr)}, {7, GetModuleHandleW(L"kernel32.dll")}, {17, GetModuleHandleW(nullptr)}};
    for (const auto& setting : cases) {
        PixelCanvas canvas(100, 100);
        PieceImage = setting.image;
        InstanceHandle = setting.module;
        TextOrigin = {12, 34};
        DrawPiecePicture(canvas.Rows(), 0);
        EXPECT_EQ(12, TextOrigin.x) << setting.image;
        EXPECT_EQ(34, TextOrigin.y) << setting.image;
        int drawnPixels = 0;
        for (int y = 0; y < 100; y++)
            for (int x = 0; x < 100; x++) drawnPixels += canvas.At(x, y) != GREY;
        EXPECT_EQ(0, drawnPixels) << setting.image;
    }
    InstanceHandle = GetModuleHandleW(nullptr);
}

TEST_F(DisplayTest, MinimisedWindowDrawsNothingAndRestoringDrawsAgain) {
    SendCommand(ID_NEW_GAME);
    ShowWindow(MainWindowHandle, SW_MINIMIZE);
    PumpMessages();
    RECT client;
    GetClientRect(MainWindowHandle, &client);
    ASSERT_EQ(0, client.right);
    RepaintWholeWindow();
    PumpMessages();
    EXPECT_EQ(nullptr, BackBuffer.pixels);
    EXPECT_EQ(0, BackBuffer.width);

    ShowWindow(MainWindowHandle, SW_RESTORE);
    PumpMessages();
    GetClientRect(MainWindowHandle, &client);
    ASSERT_NE(nullptr, BackBuffer.pixels);
    EXPECT_EQ(client.right / 2, BackBuffer.width);
    EXPECT_EQ(client.bottom / 2, BackBuffer.height);
    EXPECT_EQ(StripTile(WhiteTurnTile)[0], BufferPixel((BackBuffer.width - 40) / 2, PictureTop()));
}

TEST_F(DisplayTest, ALineWiderThanTheTargetStartsAtItsLeftEdge) {
    const std::wstring longLine(30, L'Ж');
    PixelCanvas drawn(100, 40), expected(100, 40);
    SetBkMode(drawn.dc, TRANSPARENT);
    DrawLines(drawn.dc, LOGFONTW{}, RGB(10, 20, 30), {50, 20}, {longLine});

    SetBkMode(expected.dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(expected.dc, GetStockObject(SYSTEM_FONT));
    SetTextColor(expected.dc, RGB(10, 20, 30));
    TextOutW(expected.dc, 0, 20 - SystemFontExtent(longLine.c_str()).cy / 2, longLine.c_str(), 30);
    SelectObject(expected.dc, previous);
    int mismatches = 0;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 100; x++) mismatches += drawn.At(x, y) != expected.At(x, y);
    EXPECT_EQ(0, mismatches);
}

// With the GDI handle table full, CreateFontIndirectW fails for real: every line becomes the error text.
TEST_F(DisplayTest, AFontThatCannotBeMadeGivesTheErrorLineAtEachLinesHeight) {
    PixelCanvas drawn(300, 80), expected(300, 80);
    LOGFONTW font = {};
    font.lfHeight = -12;
    lstrcpyW(font.lfFaceName, L"DejaVu Sans");

    std::vector<HFONT> filler;
    LOGFONTW small = {};
    small.lfHeight = 8;
    for (HFONT made; filler.size() < 100000 && (made = CreateFontIndirectW(&small)) != nullptr;) filler.push_back(made);
    ASSERT_EQ(nullptr, CreateFontIndirectW(&font)) << "the handle table did not fill up";
    DrawLines(drawn.dc, font, RGB(10, 20, 30), {150, 20}, {Mark, Mark});
    for (HFONT made : filler) DeleteObject(made);

    SetBkMode(expected.dc, TRANSPARENT);
    SetTextColor(expected.dc, RGB(64, 64, 64));
    TextOutW(expected.dc, 0, 20, L"Error Create Font!", 18);
    TextOutW(expected.dc, 0, 36, L"Error Create Font!", 18);
    int mismatches = 0, ink = 0;
    for (int y = 0; y < 80; y++) {
        for (int x = 0; x < 300; x++) {
            mismatches += drawn.At(x, y) != expected.At(x, y);
            ink += drawn.At(x, y) == 0x404040;
        }
    }
    EXPECT_EQ(0, mismatches);
    EXPECT_GT(ink, 50);
}

// The memory DC can't be made either: the paint draws nothing, and the next one draws what was due.
TEST_F(DisplayTest, APaintWithoutGdiHandlesDrawsNothingAndRecovers) {
    SendCommand(ID_NEW_GAME);
    static_cast<DWORD*>(BackBuffer.pixels)[0] = 0x123456;
    std::vector<HGDIOBJ> filler;
    for (HGDIOBJ made; filler.size() < 100000 && (made = CreateSolidBrush(RGB(1, 2, 3))) != nullptr;)
        filler.push_back(made);
    TextColour = RGB(1, 2, 3);
    RepaintWholeWindow();
    PumpMessages();
    EXPECT_EQ(0x123456u, static_cast<DWORD*>(BackBuffer.pixels)[0]);
    for (HGDIOBJ made : filler) DeleteObject(made);
    RepaintWholeWindow();
    PumpMessages();
    EXPECT_EQ(GREY, static_cast<DWORD*>(BackBuffer.pixels)[0] & 0xFFFFFF);
}

// A paint composes the back buffer only after a change of what it shows, and otherwise only copies it.
TEST_F(DisplayTest, APaintComposesTheBufferOnlyWhenWhatItShowsChanged) {
    ResizeClientArea(574, 300);
    SendCommand(ID_NEW_GAME);
    const struct {
        const char* change;
        std::function<void()> make;
        bool composed;
    } cases[] = {
        {"nothing", [] {}, false},
        {"a draw", [] { SendMessageW(MainWindowHandle, WM_COMMAND, ID_WHITE_TURN, 0); }, true},
        {"nothing again", [] {}, false},
        {"a text on show", [] { TextTable[AnnouncementList[1]] = L"ЖЖ"; }, true},
        {"the font", [] { lstrcpyW(DisplayFont.lfFaceName, L"Tahoma"); }, true},
        {"the colour", [] { TextColour = RGB(200, 0, 0); }, true},
        {"the size", [] { ResizeClientArea(600, 300); }, true},
        // Lines kept as ink were drawn with the old smoothing; Wine draws alike either way, so only this shows.
        {"the font smoothing", [] { SendMessageW(MainWindowHandle, WM_SETTINGCHANGE, SPI_SETFONTSMOOTHING, 0); }, true},
        {"another setting", [] { SendMessageW(MainWindowHandle, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0); }, false},
        {"a new game", [] { SendMessageW(MainWindowHandle, WM_COMMAND, ID_NEW_GAME, 0); }, true},
    };
    for (const auto& step : cases) {
        DWORD& corner = static_cast<DWORD*>(BackBuffer.pixels)[0];  // bottom left: always the grey field
        corner = 0x123456;
        step.make();
        RepaintWholeWindow();
        PumpMessages();
        EXPECT_EQ(step.composed, BufferPixel(0, BackBuffer.height - 1) != 0x123456) << step.change;
    }
}

// A kept line comes back only onto grey field, and only a line drawn on grey field is kept: a big font's
// first line reaches into the tile and its second over the first, and where either was kept alone (a
// stalemate shows no tile, an empty line no ink) it is drawn again over what lies there. Each picture is
// compared with its own drawn from nothing.
TEST_F(DisplayTest, KeptLinesComeBackExactlyAsDrawnAfresh) {
    ResizeClientArea(574, 300);
    TextTable[TS_WHITE_PROMPT] = L"Ход белых: gjpqy";
    TextTable[TS_KING] = L"Король ДЙЩgjy";
    TextTable[TS_STALEMATE] = L"";
    TextTable[TS_BLACK_PROMPT] = L".";  // inside the big second line's bounds, clear of their edge
    const struct {
        int image;
        std::vector<std::int32_t> lines;
    } shows[] = {{7, {TS_WHITE_PROMPT, TS_KING}},
                 {0, {TS_BLACK_PROMPT, TS_KING}},
                 {0, {TS_STALEMATE, TS_KING}},
                 {0, {TS_WHITE_PROMPT, TS_STALEMATE}},
                 {7, {TS_WHITE_PROMPT, TS_KING}}};
    for (int height : {0, -12, -40}) {
        DisplayFont = {};
        if (height != 0) lstrcpyW(DisplayFont.lfFaceName, L"DejaVu Sans");
        DisplayFont.lfHeight = height;
        for (size_t step = 0; step < std::size(shows); step++) {
            PieceImage = shows[step].image;
            AnnouncementList = shows[step].lines;
            RepaintWholeWindow();
            PumpMessages();
            const auto composed = BackBufferNow();
            EXPECT_TRUE(composed == DrawnFromNothing()) << "font height " << height << ", step " << step;
        }
    }
}

// A line drawn while its font could not be made is drawn afresh when it is shown again, not copied.
TEST_F(DisplayTest, ALineDrawnWithoutItsFontIsDrawnAfreshWhenShownAgain) {
    ResizeClientArea(574, 300);
    lstrcpyW(DisplayFont.lfFaceName, L"DejaVu Sans");
    DisplayFont.lfHeight = -12;
    const auto show = [](int image, int second) {
        PieceImage = image;
        AnnouncementList = {TS_WHITE_PROMPT, second};
        RepaintWholeWindow();
        PumpMessages();
        return BackBufferNow();
    };
    const auto errorPixels = [](const std::vector<DWORD>& pixels) {
        return std::count_if(pixels.begin(), pixels.end(), [](DWORD pixel) { return (pixel & 0xFFFFFF) == 0x404040; });
    };
    show(1, TS_KING);  // a first line kept: only the second needs the font
    std::vector<HFONT> filler;
    LOGFONTW small = {};
    small.lfHeight = 8;
    for (HFONT made; filler.size() < 100000 && (made = CreateFontIndirectW(&small)) != nullptr;) filler.push_back(made);
    // A handle at a time, until the paint's memory DCs can be made and the lines' font can't.
    std::vector<DWORD> failed;
    while (!filler.empty() && errorPixels(failed) == 0) {
        DeleteObject(filler.back());
        filler.pop_back();
        failed = show(7, TS_DICE_PER_TURN);
    }
    for (HFONT made : filler) DeleteObject(made);
    ASSERT_GT(errorPixels(failed), 10) << "the second line did not fall back to the error text";

    show(1, TS_KING);
    const auto again = show(7, TS_DICE_PER_TURN);
    EXPECT_EQ(0, errorPixels(again));
    EXPECT_TRUE(again == DrawnFromNothing());
}

}  // namespace

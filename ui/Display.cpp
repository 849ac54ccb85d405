// The display: a half-size back buffer with the piece picture and the announcement lines, stretched x2.
// At another DPI the back buffer stays the 96-DPI one, stretched by twice the scale.
#include "ui/Display.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "core/AnnouncementList.h"
#include "core/Buttons.h"
#include "resources/resource.h"
#include "text/Config.h"
#include "ui/Dib32.h"
#include "ui/DisplayLines.h"
#include "ui/DisplayScale.h"
#include "ui/Toolbar.h"
#include "ui/UiServices.h"

BackBufferData BackBuffer = {};
POINT TextOrigin = {0, 0};
LOGFONTW DisplayFont = {};
COLORREF TextColour = 0;

constexpr BYTE BACKGROUND_BYTE = 176;
constexpr int PICTURE_GAP = 20;  // back-buffer pixels between the toolbar's edge and the picture
constexpr int LINE_GAP = 40;     // from the picture's top edge to the first line's centre, less the tile

// What the back buffer was last composed from. A paint that finds the same again only copies it, so a
// repaint that changes nothing costs no more than the copy.
namespace {
struct DisplayContent {
    int width, height, top, pieceImage;
    COLORREF colour;
    LOGFONTW font;
    std::vector<std::wstring> lines;
    std::vector<std::int32_t> turnImages;

    bool operator==(const DisplayContent& other) const {
        return width == other.width && height == other.height && top == other.top &&
               pieceImage == other.pieceImage && colour == other.colour && lines == other.lines &&
               turnImages == other.turnImages &&
               std::memcmp(&font, &other.font, sizeof(font)) == 0;
    }
};
}  // namespace

static std::optional<DisplayContent> Composed;
static RECT Inked = {};  // where the composed picture differs from the grey field

static std::wstring AnnouncedLine(size_t position) { return AnnouncedLineText(position); }

static DisplayContent ContentNow(int top) {
    DisplayContent now = {BackBuffer.width, BackBuffer.height, top, PieceImage, TextColour, DisplayFont, {}, TurnImages};
    for (size_t i = 0; i < AnnouncementList.size(); i++) now.lines.push_back(AnnouncedLine(i));
    return now;
}

static void DropBackBuffer() {
    if (BackBuffer.bitmap != nullptr) DeleteObject(BackBuffer.bitmap);
    BackBuffer = {};
    Composed.reset();
    Inked = {};
    ForgetKeptLines();
}

// The size is recorded even when creation fails, so a failing size is not retried at every paint.
static void FitBackBuffer(int w, int h) {
    if (w == BackBuffer.width && h == BackBuffer.height) return;
    DropBackBuffer();
    BackBuffer.width = w;
    BackBuffer.height = h;
    if (w <= 0 || h <= 0) return;  // a minimised or collapsed window: nothing to draw into
    BackBuffer.bitmap = CreateDib32(w, h, &BackBuffer.pixels);  // positive height: rows bottom-up
}

// The back buffer is a 96-DPI picture, so its lines are drawn in the font's 96-DPI size. A LOGFONT's
// height is in pixels of the screen's DPI, where the font dialog and the stock font measured it; the
// width goes to 0, the font's own for that height (Wine keeps the stock font's 96-DPI width).
static LOGFONTW FontAtBaseDpi(HDC target, const LOGFONTW& font) {
    const int screenDpi = GetDeviceCaps(target, LOGPIXELSY);
    if (screenDpi == BASE_DPI || screenDpi <= 0) return font;
    LOGFONTW scaled = font;
    if (font.lfFaceName[0] == L'\0' && GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(scaled), &scaled) == 0)
        return font;
    scaled.lfHeight = MulDiv(scaled.lfHeight, BASE_DPI, screenDpi);
    scaled.lfWidth = font.lfFaceName[0] == L'\0' ? 0 : MulDiv(scaled.lfWidth, BASE_DPI, screenDpi);
    return scaled;
}

constexpr std::uint32_t FIELD_PIXEL = 0x01010101u * BACKGROUND_BYTE;

static Dib32Rows BackBufferRows() { return {BackBuffer.pixels, BackBuffer.width, BackBuffer.height, false}; }

// The window pixels a back-buffer rectangle is stretched over, with a pixel to spare on each side for the
// rounding of the stretch.
static RECT OnTheWindow(const RECT& area, int clientWidth, int clientHeight) {
    const int w = BackBuffer.width, h = BackBuffer.height;
    return {area.left * clientWidth / w - 1, area.top * clientHeight / h - 1,
            (area.right * clientWidth + w - 1) / w + 1, (area.bottom * clientHeight + h - 1) / h + 1};
}

// Marks for the coming paint the part of the window whose picture changed: the old ink and the new. A
// first picture in a buffer marks the whole window, which may show anything before it.
static void Compose(HDC memory, DisplayContent content, int clientWidth, int clientHeight) {
    const bool first = !Composed;
    const RECT before = Inked;
    GdiFlush();  // the last paint's drawing must have landed before the pixels are written directly
    std::memset(BackBuffer.pixels, BACKGROUND_BYTE,
                static_cast<size_t>(BackBuffer.width) * static_cast<size_t>(BackBuffer.height) * 4);
    Inked = {};
    DrawPiecePicture(BackBufferRows(), content.top, &Inked);
    // A turn of dice's kinds come again once in hundreds of turns: keeping them would cost more than it saves.
    const auto kinds = std::find(AnnouncementList.begin(), AnnouncementList.end(), TURN_KINDS_LINE);
    ComposeLines({memory, BackBufferRows(), FIELD_PIXEL}, TextOrigin, content.lines,
                 FontAtBaseDpi(memory, DisplayFont), TextColour,
                 static_cast<size_t>(kinds - AnnouncementList.begin()), &Inked);
    Composed = std::move(content);
    RECT changed;
    UnionRect(&changed, &before, &Inked);
    if (first || !IsRectEmpty(&changed)) {
        const RECT area = OnTheWindow(changed, clientWidth, clientHeight);
        InvalidateRect(MainWindowHandle, first ? nullptr : &area, FALSE);
    }
}

// Composes before the paint begins, so the paint takes in what the new picture changed; the copy is
// of the whole picture, and the platform keeps it to the part of the window that needs it.
void PaintDisplay() {
    RECT client = {};
    GetClientRect(MainWindowHandle, &client);
    FitBackBuffer(client.right * BASE_DPI / (2 * MainWindow.dpi), client.bottom * BASE_DPI / (2 * MainWindow.dpi));
    HDC memory = BackBuffer.pixels != nullptr ? CreateCompatibleDC(nullptr) : nullptr;
    HGDIOBJ previous = memory != nullptr ? SelectObject(memory, BackBuffer.bitmap) : nullptr;
    if (memory != nullptr) {
        // The toolbar's extent in the back buffer: half its height at 96 DPI.
        DisplayContent now = ContentNow(ToolbarHeight * BASE_DPI / (2 * MainWindow.dpi));
        if (!Composed || !(now == *Composed)) Compose(memory, std::move(now), client.right, client.bottom);
    }
    PAINTSTRUCT paint;
    HDC window = BeginPaint(MainWindowHandle, &paint);
    // One copy of the finished picture: the window never shows a half-drawn display.
    if (window != nullptr && memory != nullptr)
        StretchBlt(window, 0, 0, client.right, client.bottom, memory, 0, 0, BackBuffer.width, BackBuffer.height,
                   SRCCOPY);
    EndPaint(MainWindowHandle, &paint);
    // Nothing composed and the window left as it was: the next picture is drawn over all of it.
    if (memory == nullptr) {
        Composed.reset();
        return;
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void RepaintChangedPart() { PostMessageW(MainWindowHandle, WM_PAINT, 0, 0); }

// Lines kept as ink were drawn the way the system smoothed fonts then: after a change of it, the whole
// picture is drawn afresh.
void RedrawAfterSettingChange(UINT setting) {
    switch (setting) {
    case SPI_SETFONTSMOOTHING:
    case SPI_SETFONTSMOOTHINGTYPE:
    case SPI_SETFONTSMOOTHINGCONTRAST:
    case SPI_SETFONTSMOOTHINGORIENTATION:
        ForgetKeptLines();
        Composed.reset();
        RepaintWholeWindow();
        return;
    }
}

// The grey the display's copy puts under the toolbar, for the toolbar that asks for its parent's background
// with its own DC, its origin already moved to where it sits on the main window.
void PaintDisplayBackground(HDC target) {
    RECT area;
    if (GetClipBox(target, &area) == ERROR) return;
    COLORREF previous = SetDCBrushColor(target, RGB(BACKGROUND_BYTE, BACKGROUND_BYTE, BACKGROUND_BYTE));
    FillRect(target, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(target, previous);
}

// The strip's tiles as the back buffer's pixels, rows top-down, loaded at the first picture and kept for
// the module they came from: loading took more than half of a draw's composing, and a tile copied as
// pixels needs no device context and no conversion of the strip's 4-bit colours at each draw.
namespace {
struct StripPixelsData {
    HINSTANCE module;
    int width, side;  // side 0: no strip
    std::vector<std::uint32_t> pixels;
};
}  // namespace

static StripPixelsData Strip = {};

// A module without the strip leaves it empty, and the next picture tries again.
static const StripPixelsData& StripPixels() {
    if (Strip.side > 0 && Strip.module == InstanceHandle) return Strip;
    Strip = {InstanceHandle, 0, 0, {}};
    auto strip = static_cast<HBITMAP>(
        LoadImageW(InstanceHandle, MAKEINTRESOURCEW(IDB_PIECE_STRIP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP shape = {};
    if (strip == nullptr || GetObjectW(strip, sizeof(shape), &shape) == 0 || shape.bmHeight <= 0) {
        if (strip != nullptr) DeleteObject(strip);
        return Strip;
    }
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), shape.bmWidth, -shape.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<size_t>(shape.bmWidth) * static_cast<size_t>(shape.bmHeight));
    HDC reader = CreateCompatibleDC(nullptr);
    const bool read = reader != nullptr && GetDIBits(reader, strip, 0, static_cast<UINT>(shape.bmHeight),
                                                     pixels.data(), &info, DIB_RGB_COLORS) == shape.bmHeight;
    if (reader != nullptr) DeleteDC(reader);
    DeleteObject(strip);
    if (!read) return Strip;
    // As a copy into a 32-bit section leaves them: the fourth byte 0, so every pixel of a tile is ink.
    for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFFu;
    Strip.width = shape.bmWidth;
    Strip.side = shape.bmHeight;
    Strip.pixels = std::move(pixels);
    return Strip;
}

void ReleaseBackBuffer() {
    DropBackBuffer();
    Strip = {};
}

// Tile image (counted from 1) with its top left corner at (left, top) of the target, cut where the target
// ends; drawn grows by what was copied.
static void CopyTile(const Dib32Rows& target, const StripPixelsData& strip, int image, int left, int top,
                     RECT* drawn) {
    const RECT tile = {left, top, left + strip.side, top + strip.side};
    const RECT whole = {0, 0, target.width, target.height};
    RECT shown;
    if (!IntersectRect(&shown, &tile, &whole)) return;
    for (int y = shown.top; y < shown.bottom; y++) {
        const size_t from = static_cast<size_t>(y - top) * static_cast<size_t>(strip.width) +
                            static_cast<size_t>(strip.side * (image - 1) + shown.left - left);
        std::copy_n(strip.pixels.data() + from, shown.right - shown.left, target.Row(y) + shown.left);
    }
    UnionRect(drawn, drawn, &shown);
}

// The tiles of a turn of dice, left to right in the order drawn and centred as a row. A narrow window
// shrinks the gaps to nothing before any tile is cut; narrower still, the row starts at the left edge.
static void DrawTurnPictures(const Dib32Rows& target, const StripPixelsData& strip, int top, RECT* drawn) {
    constexpr int TILE_GAP = 10;  // back-buffer pixels between two tiles
    const int w = target.width, side = strip.side;
    const int count = static_cast<int>(TurnImages.size());
    const int gap = std::clamp((w - count * side) / (count - 1), 0, TILE_GAP);
    int left = std::max(0, (w - count * side - (count - 1) * gap) / 2);
    for (std::int32_t image : TurnImages) {
        if (image >= 1 && image <= strip.width / side) CopyTile(target, strip, image, left, top, drawn);
        left += side + gap;
    }
}

// The row of tiles at its narrowest, the gaps gone, fills the back buffer's width of the client area at
// this scale. One die keeps the platform's own limit.
void KeepTurnRowWhole(MINMAXINFO* limits) {
    if (DicePerTurn <= 1 || MainWindowHandle == nullptr) return;
    const int row = (DicePerTurn * TILE_SIZE * 2 * MainWindow.dpi + BASE_DPI - 1) / BASE_DPI;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(MainWindowHandle, GWL_STYLE));
    const RECT outer = OuterForClient({row, 0}, style, MainWindow.dpi);
    limits->ptMinTrackSize.x = std::max<LONG>(limits->ptMinTrackSize.x, outer.right - outer.left);
}

// TextOrigin moves only with a picture, so a stalemate's lines stay where the last picture put them.
// A window too short or too narrow for the tile simply cuts it; a strip that can't be loaded shows none.
void DrawPiecePicture(const Dib32Rows& target, int top, RECT* drawn) {
    if (PieceImage == 0) return;
    const StripPixelsData& strip = StripPixels();
    const int side = strip.side;
    // A tile number past the strip's end would copy whatever lies beyond it.
    if (side == 0 || PieceImage < 1 || PieceImage > strip.width / side) return;
    TextOrigin.x = target.width / 2;
    TextOrigin.y = top + side + LINE_GAP;
    RECT tiles = {};
    if (TurnImages.size() > 1)
        DrawTurnPictures(target, strip, top + PICTURE_GAP, &tiles);
    else
        CopyTile(target, strip, PieceImage, (target.width - side) / 2, top + PICTURE_GAP, &tiles);
    if (drawn != nullptr) *drawn = tiles;
}

std::wstring DisplayText() {
    std::wstring text;
    for (size_t i = 0; i < AnnouncementList.size(); i++) text += (i > 0 ? L" " : L"") + AnnouncedLine(i);
    return text;
}

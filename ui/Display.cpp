// The display: a half-size back buffer with the piece picture and the announcement lines, stretched x2.
// At another DPI the back buffer stays the 96-DPI one, stretched by twice the scale.
#include "ui/Display.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "core/AnnouncementList.h"
#include "core/Buttons.h"
#include "resources/resource.h"
#include "text/Config.h"
#include "ui/Dib32.h"
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
constexpr int LINE_SPACING = 16;
constexpr COLORREF ERROR_COLOUR = RGB(64, 64, 64);
static const wchar_t FontErrorText[] = L"Error Create Font!";

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

// A picture once composed, kept as its ink: a draw of a kind already shown fills the grey field and copies
// the ink back, and draws no tile or line. A stalemate's lines stand where the last picture left them, so
// that place counts too. The sixteen kept are one language's pictures (each side's six kinds and
// stalemate, and the first prompt); another language, font or colour fills them and they start over, and
// a new size drops them with the buffer.
namespace {
struct KeptPicture {
    DisplayContent content;
    POINT originBefore, originAfter;
    RECT inked;
    std::vector<std::uint32_t> ink;  // the inked rectangle's rows, top first
};
}  // namespace

static std::vector<KeptPicture> Kept;
constexpr size_t KEPT_PICTURE_LIMIT = 16;

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
    Kept.clear();
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

// Row y of the back buffer, counted from the top; the buffer stores its rows bottom-up.
static std::uint32_t* BufferRow(int y) {
    return static_cast<std::uint32_t*>(BackBuffer.pixels) +
           static_cast<size_t>(BackBuffer.height - 1 - y) * static_cast<size_t>(BackBuffer.width);
}

// Where the back buffer differs from the grey field, in its own pixels; empty when nowhere. The tile is
// copied with its alpha bytes 0, so even its grey pixels count.
static RECT InkBounds() {
    const int w = BackBuffer.width, h = BackBuffer.height;
    RECT bounds = {w, h, 0, 0};
    for (int y = 0; y < h; y++) {
        const std::uint32_t* row = BufferRow(y);
        int left = 0, right = w;
        while (left < w && row[left] == FIELD_PIXEL) left++;
        if (left == w) continue;
        while (row[right - 1] == FIELD_PIXEL) right--;
        bounds = {std::min<LONG>(bounds.left, left), std::min<LONG>(bounds.top, y),
                  std::max<LONG>(bounds.right, right), y + 1};
    }
    return bounds.left < bounds.right ? bounds : RECT{};
}

static const KeptPicture* FindKept(const DisplayContent& content) {
    for (const KeptPicture& kept : Kept)
        if (kept.originBefore.x == TextOrigin.x && kept.originBefore.y == TextOrigin.y && kept.content == content)
            return &kept;
    return nullptr;
}

static void Keep(const DisplayContent& content, POINT originBefore) {
    if (Kept.size() == KEPT_PICTURE_LIMIT) Kept.clear();
    KeptPicture kept = {content, originBefore, TextOrigin, Inked, {}};
    for (int y = Inked.top; y < Inked.bottom; y++)
        kept.ink.insert(kept.ink.end(), BufferRow(y) + Inked.left, BufferRow(y) + Inked.right);
    Kept.push_back(std::move(kept));
}

static void CopyKept(const KeptPicture& kept) {
    const size_t width = static_cast<size_t>(kept.inked.right - kept.inked.left);
    for (int y = kept.inked.top; y < kept.inked.bottom; y++)
        std::copy_n(kept.ink.data() + static_cast<size_t>(y - kept.inked.top) * width, width,
                    BufferRow(y) + kept.inked.left);
    TextOrigin = kept.originAfter;
    Inked = kept.inked;
}

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
    int w = BackBuffer.width;
    int h = BackBuffer.height;
    const bool first = !Composed;
    const RECT before = Inked;
    GdiFlush();  // the last paint's drawing must have landed before the pixels are written directly
    std::memset(BackBuffer.pixels, BACKGROUND_BYTE, static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
    if (const KeptPicture* kept = FindKept(content)) {
        CopyKept(*kept);
    } else {
        const POINT originBefore = TextOrigin;
        const bool pictured = DrawPiecePicture(memory, w, h, content.top);
        const bool lined = DrawAnnouncementLines(memory, FontAtBaseDpi(memory, DisplayFont), TextColour);
        GdiFlush();
        Inked = InkBounds();
        // A tile or font that could not be made is tried again. A turn of dice is one of hundreds of pictures
        // that seldom comes twice: keeping it would cost its copy and push out the pictures that do.
        if (pictured && lined && content.turnImages.size() <= 1) Keep(content, originBefore);
    }
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

// The grey the display's copy puts under the toolbar, for the toolbar that asks for its parent's background
// with its own DC, its origin already moved to where it sits on the main window.
void PaintDisplayBackground(HDC target) {
    RECT area;
    if (GetClipBox(target, &area) == ERROR) return;
    COLORREF previous = SetDCBrushColor(target, RGB(BACKGROUND_BYTE, BACKGROUND_BYTE, BACKGROUND_BYTE));
    FillRect(target, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(target, previous);
}

// Loaded at the first picture and kept, for the module it came from: loading it took more than half of
// a draw's composing. As a section it keeps its 4-bit pixels, with no conversion to the screen's format.
static HBITMAP Strip = nullptr;
static HINSTANCE StripModule = nullptr;

static HBITMAP PieceStrip() {
    if (Strip != nullptr && StripModule == InstanceHandle) return Strip;
    if (Strip != nullptr) DeleteObject(Strip);
    StripModule = InstanceHandle;
    Strip = static_cast<HBITMAP>(
        LoadImageW(InstanceHandle, MAKEINTRESOURCEW(IDB_PIECE_STRIP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    return Strip;
}

void ReleaseBackBuffer() {
    DropBackBuffer();
    if (Strip != nullptr) DeleteObject(Strip);
    Strip = nullptr;
    StripModule = nullptr;
}

// The tiles of a turn of dice, left to right in the order drawn and centred as a row. A narrow window
// shrinks the gaps to nothing before any tile is cut; narrower still, the row starts at the left edge.
static void DrawTurnPictures(HDC target, HDC tiles, int w, int top, int side, int stripTiles) {
    constexpr int TILE_GAP = 10;  // back-buffer pixels between two tiles
    const int count = static_cast<int>(TurnImages.size());
    const int gap = std::clamp((w - count * side) / (count - 1), 0, TILE_GAP);
    int left = std::max(0, (w - count * side - (count - 1) * gap) / 2);
    for (std::int32_t image : TurnImages) {
        if (image >= 1 && image <= stripTiles)
            BitBlt(target, left, top + PICTURE_GAP, side, side, tiles, side * (image - 1), 0, SRCCOPY);
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
// A window too short or too narrow for the tile simply cuts it. False when a picture was due and none came.
bool DrawPiecePicture(HDC target, int w, [[maybe_unused]] int h, int top) {
    if (PieceImage == 0) return true;
    HBITMAP strip = PieceStrip();
    if (strip == nullptr) return false;
    BITMAP shape = {};
    int side = GetObjectW(strip, sizeof(shape), &shape) != 0 ? shape.bmHeight : 0;
    // A tile number past the strip's end would copy whatever lies beyond it.
    bool onStrip = side > 0 && PieceImage >= 1 && PieceImage <= shape.bmWidth / side;
    HDC tiles = onStrip ? CreateCompatibleDC(nullptr) : nullptr;
    if (tiles != nullptr) {
        HGDIOBJ previous = SelectObject(tiles, strip);
        TextOrigin.x = w / 2;
        TextOrigin.y = top + side + LINE_GAP;
        if (TurnImages.size() > 1)
            DrawTurnPictures(target, tiles, w, top, side, shape.bmWidth / side);
        else
            BitBlt(target, (w - side) / 2, top + PICTURE_GAP, side, side, tiles, side * (PieceImage - 1), 0, SRCCOPY);
        SelectObject(tiles, previous);
        DeleteDC(tiles);
    }
    return tiles != nullptr;
}

// False when a line came out as the error text.
bool DrawAnnouncementLines(HDC target, const LOGFONTW& font, COLORREF colour) {
    SetBkMode(target, TRANSPARENT);
    bool ok = true;
    for (size_t i = 0; i < AnnouncementList.size(); i++) {
        ok = DrawCentredLine(target, font, colour, TextOrigin.x, TextOrigin.y + LINE_SPACING * static_cast<int>(i),
                             AnnouncedLine(i)) && ok;
    }
    return ok;
}

std::wstring DisplayText() {
    std::wstring text;
    for (size_t i = 0; i < AnnouncementList.size(); i++) text += (i > 0 ? L" " : L"") + AnnouncedLine(i);
    return text;
}

// Each line makes and deletes its own font; only the back buffer outlives a paint.
bool DrawCentredLine(HDC target, const LOGFONTW& font, COLORREF colour, int x, int y, const std::wstring& text) {
    bool ownFont = font.lfFaceName[0] != L'\0';
    HFONT lineFont = ownFont ? CreateFontIndirectW(&font) : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    if (lineFont == nullptr) {
        SetTextColor(target, ERROR_COLOUR);
        TextOutW(target, 0, y, FontErrorText, static_cast<int>(std::size(FontErrorText)) - 1);
        return false;
    }
    HGDIOBJ previous = SelectObject(target, lineFont);
    SetTextColor(target, colour);
    int length = static_cast<int>(text.size());
    SIZE extent = {};
    GetTextExtentPoint32W(target, text.c_str(), length, &extent);
    // A line wider than the window starts at its left edge and runs off the right one.
    int left = std::max(0, x - static_cast<int>(extent.cx) / 2);
    TextOutW(target, left, y - static_cast<int>(extent.cy) / 2, text.c_str(), length);
    SelectObject(target, previous);
    if (ownFont) DeleteObject(lineFont);
    return true;
}

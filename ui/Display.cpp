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

// A line once drawn, kept as its ink: a picture copies a line it has shown before back onto grey field
// instead of drawing it. Its ink is the line's own when it was drawn on grey field and the bounds the
// platform kept of its drawing hold all of it. The last used stay (the prompts of every draw, one
// language's kind names and stalemate); a new size drops them with the buffer.
namespace {
struct KeptLine {
    std::wstring text;
    LOGFONTW font;
    COLORREF colour;
    POINT centre;
    RECT bounds, inked;
    std::vector<std::uint32_t> ink;  // the inked rectangle's rows, top first
    std::uint64_t lastUse;
};
}  // namespace

static std::vector<KeptLine> KeptLines;
static std::uint64_t LineUses = 0;
constexpr size_t KEPT_LINE_LIMIT = 24;

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
    KeptLines.clear();
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

static std::uint32_t* BufferRow(int y) { return BackBufferRows().Row(y); }

// Where the back buffer differs from the grey field inside area, in its own pixels; empty when nowhere.
static RECT InkWithin(const RECT& area) {
    RECT bounds = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; y++) {
        const std::uint32_t* row = BufferRow(y);
        int left = area.left, right = area.right;
        while (left < right && row[left] == FIELD_PIXEL) left++;
        if (left == right) continue;
        while (row[right - 1] == FIELD_PIXEL) right--;
        bounds = {std::min<LONG>(bounds.left, left), std::min<LONG>(bounds.top, y),
                  std::max<LONG>(bounds.right, right), y + 1};
    }
    return bounds.left < bounds.right ? bounds : RECT{};
}

static bool Overlaps(const RECT& area, const std::vector<RECT>& taken) {
    RECT common;
    return std::any_of(taken.begin(), taken.end(), [&](const RECT& other) { return IntersectRect(&common, &area, &other); });
}

// Whether a line's ink runs past the bounds the platform kept of its drawing: ink on the ring just outside
// them, where no part drawn before it lies.
static bool InkPast(const RECT& bounds, const std::vector<RECT>& taken) {
    const auto inkAt = [&taken](int x, int y) {
        if (x < 0 || y < 0 || x >= BackBuffer.width || y >= BackBuffer.height) return false;
        for (const RECT& part : taken)
            if (x >= part.left && x < part.right && y >= part.top && y < part.bottom) return false;
        return BufferRow(y)[x] != FIELD_PIXEL;
    };
    for (int x = bounds.left - 1; x <= bounds.right; x++)
        if (inkAt(x, bounds.top - 1) || inkAt(x, bounds.bottom)) return true;
    for (int y = bounds.top; y < bounds.bottom; y++)
        if (inkAt(bounds.left - 1, y) || inkAt(bounds.right, y)) return true;
    return false;
}

static KeptLine* FindKeptLine(const std::wstring& text, const LOGFONTW& font, COLORREF colour, POINT centre) {
    for (KeptLine& kept : KeptLines) {
        if (kept.centre.x == centre.x && kept.centre.y == centre.y && kept.colour == colour && kept.text == text &&
            std::memcmp(&kept.font, &font, sizeof(font)) == 0) {
            kept.lastUse = ++LineUses;
            return &kept;
        }
    }
    return nullptr;
}

static void KeepLine(const std::wstring& text, const LOGFONTW& font, COLORREF colour, POINT centre,
                     const RECT& bounds, const RECT& inked) {
    if (KeptLines.size() == KEPT_LINE_LIMIT)
        KeptLines.erase(std::min_element(KeptLines.begin(), KeptLines.end(), [](const KeptLine& a, const KeptLine& b) {
            return a.lastUse < b.lastUse;
        }));
    KeptLine kept = {text, font, colour, centre, bounds, inked, {}, ++LineUses};
    for (int y = inked.top; y < inked.bottom; y++)
        kept.ink.insert(kept.ink.end(), BufferRow(y) + inked.left, BufferRow(y) + inked.right);
    KeptLines.push_back(std::move(kept));
}

static void CopyKeptLine(const KeptLine& kept) {
    const size_t width = static_cast<size_t>(kept.inked.right - kept.inked.left);
    for (int y = kept.inked.top; y < kept.inked.bottom; y++)
        std::copy_n(kept.ink.data() + static_cast<size_t>(y - kept.inked.top) * width, width,
                    BufferRow(y) + kept.inked.left);
}

// The lines' font, made at the first line drawn and deleted with the pen: only the back buffer, the strip's
// pixels and the kept lines outlive a paint. A font that can't be made gives the error text for each line.
namespace {
class LinePen {
public:
    LinePen(HDC target, const LOGFONTW& font, COLORREF colour) : target(target), font(font), colour(colour) {}
    ~LinePen() {
        if (made == nullptr) return;
        SelectObject(target, previous);
        if (font.lfFaceName[0] != L'\0') DeleteObject(made);
    }
    LinePen(const LinePen&) = delete;
    LinePen& operator=(const LinePen&) = delete;

    // False when the line came out as the error text.
    bool Draw(POINT centre, const std::wstring& text) {
        if (!tried) Make();
        if (made == nullptr) {
            TextOutW(target, 0, centre.y, FontErrorText, static_cast<int>(std::size(FontErrorText)) - 1);
            return false;
        }
        const int length = static_cast<int>(text.size());
        SIZE extent = {};
        GetTextExtentPoint32W(target, text.c_str(), length, &extent);
        // A line wider than the window starts at its left edge and runs off the right one.
        const int left = std::max(0, static_cast<int>(centre.x - extent.cx / 2));
        TextOutW(target, left, centre.y - static_cast<int>(extent.cy) / 2, text.c_str(), length);
        return true;
    }

private:
    void Make() {
        tried = true;
        made = font.lfFaceName[0] != L'\0' ? CreateFontIndirectW(&font)
                                            : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        SetBkMode(target, TRANSPARENT);
        SetTextColor(target, made != nullptr ? colour : ERROR_COLOUR);
        if (made != nullptr) previous = SelectObject(target, made);
    }

    HDC target;
    const LOGFONTW& font;
    COLORREF colour;
    bool tried = false;
    HFONT made = nullptr;
    HGDIOBJ previous = nullptr;
};
}  // namespace

// Each line copied from its kept ink where it has some and falls on grey field only; the others drawn, and
// kept when they fell on grey field only. Inked grows by each line's ink, searched inside the bounds the
// platform kept of the line's drawing, which spares searching the whole buffer at every draw.
static void ComposeLines(HDC memory, const std::vector<std::wstring>& lines, const LOGFONTW& font, COLORREF colour) {
    const RECT whole = {0, 0, BackBuffer.width, BackBuffer.height};
    std::vector<RECT> taken = {Inked};  // where the field is no longer grey
    bool searchWhole = false;
    LinePen pen(memory, font, colour);
    bool bounding = false;
    for (size_t i = 0; i < lines.size(); i++) {
        const POINT centre = {TextOrigin.x, TextOrigin.y + LINE_SPACING * static_cast<int>(i)};
        const KeptLine* kept = FindKeptLine(lines[i], font, colour, centre);
        if (kept != nullptr && !Overlaps(kept->bounds, taken)) {
            CopyKeptLine(*kept);
            UnionRect(&Inked, &Inked, &kept->inked);
            taken.push_back(kept->bounds);
            continue;
        }
        if (!bounding) bounding = SetBoundsRect(memory, nullptr, DCB_ENABLE | DCB_RESET) != 0;
        const bool drawn = pen.Draw(centre, lines[i]);
        GdiFlush();
        RECT bounds = {};
        const UINT boundsKept = bounding ? GetBoundsRect(memory, &bounds, DCB_RESET) : 0;
        if (drawn && boundsKept != 0 && (boundsKept & DCB_SET) != DCB_SET) continue;  // no ink at all
        IntersectRect(&bounds, &bounds, &whole);
        // Ink of unknown extent: nothing kept is copied over it, and the whole buffer is searched.
        if (!drawn || boundsKept == 0 || InkPast(bounds, taken)) {
            searchWhole = true;
            taken.push_back(whole);
            continue;
        }
        const RECT ink = InkWithin(bounds);
        UnionRect(&Inked, &Inked, &ink);
        // A turn of dice's kinds come again once in hundreds of turns: keeping them would cost more than it saves.
        const bool seldomAgain = i < AnnouncementList.size() && AnnouncementList[i] == TURN_KINDS_LINE;
        if (!seldomAgain && !Overlaps(bounds, taken)) KeepLine(lines[i], font, colour, centre, bounds, ink);
        taken.push_back(bounds);
    }
    if (searchWhole) Inked = InkWithin(whole);
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
    const bool first = !Composed;
    const RECT before = Inked;
    GdiFlush();  // the last paint's drawing must have landed before the pixels are written directly
    std::memset(BackBuffer.pixels, BACKGROUND_BYTE,
                static_cast<size_t>(BackBuffer.width) * static_cast<size_t>(BackBuffer.height) * 4);
    Inked = {};
    DrawPiecePicture(BackBufferRows(), content.top, &Inked);
    ComposeLines(memory, content.lines, FontAtBaseDpi(memory, DisplayFont), TextColour);
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
// A window too short or too narrow for the tile simply cuts it. False when a picture was due and none came.
bool DrawPiecePicture(const Dib32Rows& target, int top, RECT* drawn) {
    if (PieceImage == 0) return true;
    const StripPixelsData& strip = StripPixels();
    const int side = strip.side;
    // A tile number past the strip's end would copy whatever lies beyond it.
    if (side == 0 || PieceImage < 1 || PieceImage > strip.width / side) return false;
    TextOrigin.x = target.width / 2;
    TextOrigin.y = top + side + LINE_GAP;
    RECT tiles = {};
    if (TurnImages.size() > 1)
        DrawTurnPictures(target, strip, top + PICTURE_GAP, &tiles);
    else
        CopyTile(target, strip, PieceImage, (target.width - side) / 2, top + PICTURE_GAP, &tiles);
    if (drawn != nullptr) *drawn = tiles;
    return true;
}

// False when a line came out as the error text.
bool DrawAnnouncementLines(HDC target, const LOGFONTW& font, COLORREF colour) {
    LinePen pen(target, font, colour);
    bool ok = true;
    for (size_t i = 0; i < AnnouncementList.size(); i++)
        ok = pen.Draw({TextOrigin.x, TextOrigin.y + LINE_SPACING * static_cast<int>(i)}, AnnouncedLine(i)) && ok;
    return ok;
}

bool DrawCentredLine(HDC target, const LOGFONTW& font, COLORREF colour, int x, int y, const std::wstring& text) {
    return LinePen(target, font, colour).Draw({x, y}, text);
}

std::wstring DisplayText() {
    std::wstring text;
    for (size_t i = 0; i < AnnouncementList.size(); i++) text += (i > 0 ? L" " : L"") + AnnouncedLine(i);
    return text;
}

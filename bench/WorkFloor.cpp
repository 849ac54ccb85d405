// The floor of the same work under space-to-paint: a window of the display's client size under the
// program's toolbar that, on a key's release, checks the two turn buttons, composes a tile and two lines
// into a half-size buffer and stretches it over its client area. Nothing is announced, recorded or kept.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "bench/Bench.h"
#include "core/Buttons.h"
#include "ui/Dib32.h"
#include "ui/ToolbarButtons.h"

namespace {
struct WorkFloorData {
    HWND toolbar;
    int top;  // the toolbar's extent in the picture
    HBITMAP picture;
    void* pixels;
    SIZE size;
    HDC buffer;  // the picture, selected once
    HGDIOBJ bufferPrevious;
    HBITMAP strip;
    HDC tiles;  // the strip, selected once
    HGDIOBJ tilesPrevious;
    HFONT font;  // ours when the screen is not at 96 DPI, else the stock one
    HGDIOBJ fontPrevious;
    int presses;
    FloorPicture stretched;
};
}  // namespace

static WorkFloorData Floor = {};

static void DrawLine(int index, const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    SIZE extent = {};
    GetTextExtentPoint32W(Floor.buffer, text.c_str(), length, &extent);
    const int y = Floor.top + TILE_SIZE + 40 + 16 * index;
    TextOutW(Floor.buffer, Floor.size.cx / 2 - extent.cx / 2, y - extent.cy / 2, text.c_str(), length);
}

// The sides take turns and each side's kinds come round in order, so every tile and text is drawn.
static void ComposeNextDraw() {
    const Side side = Floor.presses % 2 == 0 ? Side::White : Side::Black;
    const auto kind = static_cast<PieceKind>(Floor.presses / 2 % PIECE_KIND_COUNT + 1);
    Floor.presses++;
    SendMessageW(Floor.toolbar, TB_CHECKBUTTON, ID_BLACK_TURN, MAKELPARAM(side == Side::Black, 0));
    SendMessageW(Floor.toolbar, TB_CHECKBUTTON, ID_WHITE_TURN, MAKELPARAM(side == Side::White, 0));
    GdiFlush();  // the last stretch must have read the pixels before they are written directly
    std::memset(Floor.pixels, 176, static_cast<size_t>(Floor.size.cx) * static_cast<size_t>(Floor.size.cy) * 4);
    BitBlt(Floor.buffer, (Floor.size.cx - TILE_SIZE) / 2, Floor.top + 20, TILE_SIZE, TILE_SIZE, Floor.tiles,
           TILE_SIZE * PieceTile(side, kind), 0, SRCCOPY);
    DrawLine(0, DefaultTextTable[side == Side::White ? TS_WHITE_PROMPT : TS_BLACK_PROMPT]);
    DrawLine(1, DefaultTextTable[TS_STALEMATE + static_cast<int>(kind)]);
}

// The program's default font, the stock one, at its 96-DPI size as the program draws it into its picture.
static HFONT FontAtBaseDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW font = {};
    if (dpi == 96 || GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(font), &font) == 0) return nullptr;
    font.lfHeight = MulDiv(font.lfHeight, 96, dpi);
    font.lfWidth = 0;
    return CreateFontIndirectW(&font);
}

static bool PreparePicture(int width, int height) {
    Floor.size = {width, height};
    Floor.picture = CreateDib32(width, height, &Floor.pixels);
    Floor.strip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PIECE_STRIP),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    Floor.buffer = CreateCompatibleDC(nullptr);
    Floor.tiles = CreateCompatibleDC(nullptr);
    if (Floor.picture == nullptr || Floor.strip == nullptr || Floor.buffer == nullptr || Floor.tiles == nullptr)
        return false;
    Floor.bufferPrevious = SelectObject(Floor.buffer, Floor.picture);
    Floor.tilesPrevious = SelectObject(Floor.tiles, Floor.strip);
    Floor.font = FontAtBaseDpi();
    Floor.fontPrevious = SelectObject(Floor.buffer, Floor.font != nullptr ? Floor.font : GetStockObject(SYSTEM_FONT));
    SetBkMode(Floor.buffer, TRANSPARENT);
    return true;
}

HWND CreateWorkFloorWindow(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
    if (!PreparePicture(pictureWidth, pictureHeight)) return nullptr;
    Floor.stretched = {Floor.buffer, Floor.size, ComposeNextDraw};
    HWND window = OpenStretchingWindow(L"WORKFLOOR", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, clientWidth,
                                       clientHeight, &Floor.stretched);
    if (window == nullptr) return nullptr;
    Floor.toolbar = CreateToolbarEx(window, WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS | TBSTYLE_TRANSPARENT,
                                    IDC_TOOLBAR, PIECE_STRIP_TILES, GetModuleHandleW(nullptr), IDB_PIECE_STRIP,
                                    ToolbarButtons.data(), TOOLBAR_BUTTON_COUNT, 0, 0, TILE_SIZE, TILE_SIZE,
                                    sizeof(TBBUTTON));
    if (Floor.toolbar == nullptr) return nullptr;
    MoveWindow(Floor.toolbar, 0, 0, 0, 0, TRUE);
    RECT outer = {};
    GetWindowRect(Floor.toolbar, &outer);
    Floor.top = (outer.bottom - outer.top) * pictureHeight / clientHeight;
    return window;
}

void DestroyWorkFloorWindow(HWND window) {
    if (window != nullptr) DestroyWindow(window);
    if (Floor.buffer != nullptr) {
        SelectObject(Floor.buffer, Floor.fontPrevious);
        SelectObject(Floor.buffer, Floor.bufferPrevious);
        DeleteDC(Floor.buffer);
    }
    if (Floor.tiles != nullptr) {
        SelectObject(Floor.tiles, Floor.tilesPrevious);
        DeleteDC(Floor.tiles);
    }
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(Floor.font), static_cast<HGDIOBJ>(Floor.strip),
                           static_cast<HGDIOBJ>(Floor.picture)})
        if (object != nullptr) DeleteObject(object);
    Floor = {};
}

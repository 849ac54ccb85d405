// The floor under start-up: the same window, the same toolbar (its 22 entries and the strip) and the same
// first display as the program, made in the fewest steps, with no files read and nothing else set up.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "bench/FloorWindow.h"
#include "core/Buttons.h"
#include "resources/resource.h"
#include "text/TextTable.h"
#include "ui/Dib32.h"
#include "ui/ToolbarButtons.h"

static int ToolbarHeightNow = 0;

// The new game's display: the White Turn tile 20 half-pixels under the toolbar and the prompt 40 under
// the tile, drawn at half size and stretched x2.
static void PaintFirstDisplay(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const int w = client.right / 2, h = client.bottom / 2, top = ToolbarHeightNow / 2;
    void* pixels = nullptr;
    HBITMAP buffer = w > 0 && h > 0 ? CreateDib32(w, h, &pixels) : nullptr;
    auto strip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PIECE_STRIP),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC memory = CreateCompatibleDC(nullptr), tiles = CreateCompatibleDC(nullptr);
    if (buffer != nullptr && strip != nullptr && memory != nullptr && tiles != nullptr) {
        std::memset(pixels, 176, static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
        HGDIOBJ previous = SelectObject(memory, buffer), previousTile = SelectObject(tiles, strip);
        const int tile = Buttons[ButtonIndex(ID_WHITE_TURN)].tile;
        BitBlt(memory, (w - TILE_SIZE) / 2, top + 20, TILE_SIZE, TILE_SIZE, tiles, TILE_SIZE * tile, 0, SRCCOPY);
        const std::wstring& prompt = DefaultTextTable[TS_PRESS_WHITE];
        SIZE extent;
        GetTextExtentPoint32W(memory, prompt.c_str(), static_cast<int>(prompt.size()), &extent);
        SetBkMode(memory, TRANSPARENT);
        TextOutW(memory, w / 2 - extent.cx / 2, top + 80 - extent.cy / 2, prompt.c_str(), static_cast<int>(prompt.size()));
        StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, w, h, SRCCOPY);
        SelectObject(tiles, previousTile);
        SelectObject(memory, previous);
    }
    if (tiles != nullptr) DeleteDC(tiles);
    if (memory != nullptr) DeleteDC(memory);
    if (strip != nullptr) DeleteObject(strip);
    if (buffer != nullptr) DeleteObject(buffer);
    EndPaint(window, &paint);
}

static LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintFirstDisplay(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
    HWND window = OpenFloorWindow(instance, L"STARTFLOOR", L"Start-up floor", FloorWindowProc, CS_HREDRAW | CS_VREDRAW,
                                  static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    if (window == nullptr) return 1;
    InitCommonControls();
    HWND toolbar = CreateToolbarEx(window, WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS | TBSTYLE_TRANSPARENT,
                                   IDC_TOOLBAR, PIECE_STRIP_TILES, instance, IDB_PIECE_STRIP, ToolbarButtons.data(),
                                   TOOLBAR_BUTTON_COUNT, 0, 0, TILE_SIZE, TILE_SIZE, sizeof(TBBUTTON));
    if (toolbar == nullptr) return 1;
    MoveWindow(toolbar, 0, 0, 0, 0, TRUE);
    RECT outer;
    GetWindowRect(toolbar, &outer);
    ToolbarHeightNow = outer.bottom - outer.top;
    return ShowFloorWindowAndRun(window, showMode);
}

// The main window: its creation, its procedure and its commands.
#include "ui/MainWindow.h"

#include <commctrl.h>

#include "core/PieceDraw.h"
#include "resources/resource.h"
#include "text/Config.h"
#include "ui/Accessibility.h"
#include "ui/ContextMenu.h"
#include "ui/Display.h"
#include "ui/DrawRecordWindow.h"
#include "ui/DisplayScale.h"
#include "ui/SystemDialog.h"
#include "ui/Toolbar.h"
#include "ui/ToolbarButtons.h"

template <std::size_t Size>
static bool LoadWindowString(int id, wchar_t (&buffer)[Size]) {
    return LoadStringW(InstanceHandle, id, buffer, static_cast<int>(Size)) > 0;
}

static bool RegisterMainWindowClass(int menuName, int iconName, const wchar_t* cursor) {
    WNDCLASSW windowClass = {};
    // Any change of size repaints everything; the hollow brush leaves erasing to the paint, which covers
    // the whole client area, so nothing flickers.
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = InstanceHandle;
    windowClass.hIcon = LoadIconW(InstanceHandle, MAKEINTRESOURCEW(iconName));
    windowClass.hCursor = LoadCursorW(nullptr, cursor);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(menuName);  // no menu resource has this id: no menu bar
    windowClass.lpszClassName = MainWindow.className;
    return RegisterClassW(&windowClass) != 0;
}

// Clipping the toolbar out of our paints keeps each repaint from invalidating and redrawing all sixteen
// buttons: without it the toolbar flashes grey on every draw and a draw costs six times as long.
constexpr DWORD MAIN_WINDOW_STYLE = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The width and height are the window's at 96 DPI. At another DPI its client area grows by the scale and
// the frame is that DPI's; at 96 DPI nothing moves.
static void FitToScale() {
    MainWindow.dpi = WindowDpi(MainWindowHandle);
    if (MainWindow.dpi == BASE_DPI) return;
    const RECT frame = OuterForClient({0, 0}, MAIN_WINDOW_STYLE, BASE_DPI);
    const SIZE client = {ScaledToDpi(MainWindow.width - (frame.right - frame.left), MainWindow.dpi),
                         ScaledToDpi(MainWindow.height - (frame.bottom - frame.top), MainWindow.dpi)};
    RECT outer = OuterForClient(client, MAIN_WINDOW_STYLE, MainWindow.dpi);
    RECT now = {};
    GetWindowRect(MainWindowHandle, &now);
    OffsetRect(&outer, now.left - outer.left, now.top - outer.top);
    PlaceInWorkArea(MainWindowHandle, outer);
}

static bool OpenMainWindow(int showMode, int acceleratorName) {
    MainWindowHandle = CreateWindowExW(0, MainWindow.className, MainWindow.messageBoxCaption, MAIN_WINDOW_STYLE, CW_USEDEFAULT, 0,
                                       MainWindow.width, MainWindow.height, nullptr, nullptr, InstanceHandle, nullptr);
    if (MainWindowHandle == nullptr) return false;
    FitToScale();
    // The first paint comes now, before the toolbar and the first game: an empty grey field.
    ShowWindow(MainWindowHandle, showMode);
    UpdateWindow(MainWindowHandle);
    // Without the table the keys simply do nothing.
    MainWindow.accelerators = LoadAcceleratorsW(InstanceHandle, MAKEINTRESOURCEW(acceleratorName));
    return true;
}

// The toolbar is attempted even after a failure; with no window it does not come into being.
bool CreateMainWindow(int titleId, int classNameId, int menuName, int acceleratorName, int iconName,
                      const wchar_t* cursor, int showMode, int width, int height) {
    if (InstanceHandle == nullptr) return false;
    MainWindow.width = width;
    MainWindow.height = height;
    bool ok = LoadWindowString(titleId, MainWindow.messageBoxCaption) && LoadWindowString(classNameId, MainWindow.className) &&
              RegisterMainWindowClass(menuName, iconName, cursor) && OpenMainWindow(showMode, acceleratorName);
    InitCommonControls();
    CreateToolbar(MainWindowHandle);
    MakeToolbarAccessible();
    return ok;
}

bool CreateMainWindow(int showMode) {
    return CreateMainWindow(IDS_APP_TITLE, IDS_WINDOW_CLASS, IDM_APP_MENU, IDC_APP_ACCELERATORS, IDI_APP, IDC_ARROW,
                            showMode, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT);
}

static void OpenSystemDialog() {
    // Modal; what the dialog changed it repaints itself.
    DialogBoxParamW(InstanceHandle, MAKEINTRESOURCEW(IDD_SYSTEM), MainWindowHandle, SystemDialogProc, 0);
}

// Every draw and new game changes the display and the record: the display is repainted, screen readers
// hear the new text, and an open record shows the draw at once.
static void PlayAndShow(void (*move)()) {
    move();
    RepaintChangedPart();
    NotifyScreenReadersOfDisplay();
    FollowDrawRecord();
}

static void OnCommand(int command) {
    switch (command) {
    case ID_ABOUT:
    case ID_HELP:
        OpenSystemDialog();
        return;
    case ID_EXIT:
        DestroyWindow(MainWindowHandle);
        return;
    case ID_BLACK_TURN:
        PlayAndShow([] { DrawPieceKind(Side::Black, DicePerTurn); });
        return;
    case ID_WHITE_TURN:
        PlayAndShow([] { DrawPieceKind(Side::White, DicePerTurn); });
        return;
    case ID_NEW_GAME:
        PlayAndShow(StartNewGame);
        return;
    case ID_NEW_OPENING_GAME:
        PlayAndShow(StartOpeningGame);
        return;
    case ID_DRAW_RECORD:
        OpenDrawRecord();  // a window that could not be made shows as none; the players can ask again
        return;
    case ID_ONE_DIE:
    case ID_TWO_DICE:
    case ID_THREE_DICE:
        ChooseDicePerTurn(command);
        return;
    }
    // The piece buttons toggle themselves; their commands change nothing until the next draw, but a
    // screen reader is told of the new state.
    NotifyScreenReadersOfButtonState(command);
}

static void OnNotify(const NMHDR* header) {
    if (header->code == TTN_NEEDTEXTW)
        OnTooltipRequest(reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(header)));
}

// Moved to a monitor of another scale: the toolbar first, then the window at the system's rectangle, whose
// one size change repaints the display at the new scale. No button, draw or text changes.
static void OnDpiChanged(int dpi, const RECT& suggested) {
    MainWindow.dpi = dpi;
    ScaleToolbar(dpi);
    SetWindowPos(MainWindowHandle, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RepaintWholeWindow();  // also when the rectangle kept the size
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        ReleaseBackBuffer();
        ReleaseToolbarImages();
        ForgetAccessibleObjects();
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        if (ToolbarWindow != nullptr) SendMessageW(ToolbarWindow, WM_SIZE, wParam, lParam);  // re-fits its width
        break;
    case WM_PAINT:
        PaintDisplay();
        return 0;
    case WM_SETTINGCHANGE:
        RedrawAfterSettingChange(static_cast<UINT>(wParam));
        break;
    case WM_GETMINMAXINFO:
        KeepTurnRowWhole(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ERASEBKGND:
        // Our own erase stays a no-op (the paint covers everything, so nothing flickers); another window's DC
        // is the toolbar asking for what lies under it, which it would otherwise leave black or stale.
        if (WindowFromDC(reinterpret_cast<HDC>(wParam)) == window) break;
        PaintDisplayBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_PRINTCLIENT:  // Windows' themed controls ask this way too; Wine's toolbar makes do with the erase
        PaintDisplayBackground(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NOTIFY:
        OnNotify(reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case WM_KEYUP:
        if (wParam != VK_SPACE) break;  // the platform's own, the Menu key's context menu among them
        PlayAndShow([] { NextTurn(DicePerTurn); });  // only the release draws: holding the bar down gives one
        return 0;
    case WM_CONTEXTMENU:
        if (!IsGameMenuPoint(window, lParam)) break;  // the caption, the icon and the frame: the window menu
        OpenContextMenu(window, lParam);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_GETOBJECT:
        if (IsClientObjectRequest(lParam)) return AnswerDisplayRequest(wParam);
        break;  // the window's other objects are the platform's
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

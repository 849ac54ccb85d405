// Driving the real main window in-process: opening and closing it, pumping, clicks, tooltips, pixels.
#include "tests/win32/window/WindowTesting.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "core/AnnouncementList.h"
#include "core/ButtonStateWin32.h"
#include "resources/resource.h"
#include "text/Config.h"
#include "text/FileAccess.h"
#include "text/StringList.h"
#include "text/TextTable.h"
#include "ui/Display.h"
#include "ui/MainWindow.h"
#include "ui/Toolbar.h"

static void ResetProgramState() {
    MainWindowHandle = nullptr;
    ToolbarWindow = nullptr;
    ToolbarHeight = 0;
    MainWindow = {};
    AnnouncementList.clear();
    PieceImage = 0;
    TextOrigin = {0, 0};
    DisplayFont = {};
    TextColour = 0;
}

// Under Wine a desktop whose process could not reach the X server has no display mode, and every window
// creation on it fails with error 1400; the mode tells that apart from a fault of ours.
std::string MainWindowFailure(DWORD error) {
    const char* step = "CreateWindowExW";
    WNDCLASSW registered;
    if (InstanceHandle == nullptr) step = "no instance handle";
    else if (MainWindow.title[0] == L'\0') step = "LoadStringW of the title";
    else if (MainWindow.className[0] == L'\0') step = "LoadStringW of the class name";
    else if (!GetClassInfoW(InstanceHandle, MainWindow.className, &registered)) step = "RegisterClassW";
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    const char* display = EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)
                              ? "the desktop has a display"
                              : "the desktop has no display mode (its display driver failed)";
    char text[256];
    std::snprintf(text, sizeof(text), "CreateMainWindow failed at %s, error %lu; %s", step, error, display);
    return text;
}

bool OpenTestMainWindow() {
    ResetProgramState();
    InstanceHandle = GetModuleHandleW(nullptr);
    bool ok = CreateMainWindow(IDS_APP_TITLE, IDS_WINDOW_CLASS, IDM_APP_MENU, IDC_APP_ACCELERATORS, IDI_APP,
                               IDC_ARROW, SW_SHOWNORMAL, 575, 400);
    if (!ok) std::fprintf(stderr, "%s\n", MainWindowFailure(GetLastError()).c_str());
    PumpMessages();
    return ok;
}

void CloseTestMainWindow() {
    if (MainWindowHandle != nullptr && IsWindow(MainWindowHandle)) DestroyWindow(MainWindowHandle);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) DispatchMessageW(&message);
    }
    UnregisterClassW(L"IGAME", GetModuleHandleW(nullptr));
    ResetProgramState();
}

int PumpMessages() {
    int paints = 0;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the caller's loop
            break;
        }
        if (message.message == WM_PAINT && message.hwnd == MainWindowHandle) paints++;
        if (TranslateAcceleratorW(message.hwnd, MainWindow.accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return paints;
}

void ResizeClientArea(int width, int height) {
    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    SetWindowPos(MainWindowHandle, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
}

void FillTextTableWithSlotNumbers() {
    TextTable[0] = L"1";
    for (int slot = 1; slot < TEXT_SLOT_COUNT; slot++) TextTable[slot] = L"<" + std::to_wstring(slot) + L">";
}

std::vector<std::wstring> WriteTestLanguageFiles() {
    const std::wstring config[CONFIG_LINE_COUNT] = {L"1", L"TestLanguages", L"Test.Lang.txt"};
    WriteStringList(config, CONFIG_LINE_COUNT, ModulePath(L"config.txt"));
    CreateDirectoryW(ModulePath(L"TestLanguages").c_str(), nullptr);
    std::vector<std::wstring> lines(TEXT_SLOT_COUNT);
    lines[0] = L"1";
    lines[1] = L"Language - Test";
    lines[2] = L"Test Help.txt";
    for (int slot = 3; slot < TEXT_SLOT_COUNT; slot++) lines[slot] = L"Проба " + std::to_wstring(slot);
    WriteStringList(lines.data(), TEXT_SLOT_COUNT, ModulePath(L"TestLanguages\\Test.Lang.txt"));
    return lines;
}

static int ButtonIndex(int command) {
    return static_cast<int>(SendMessageW(ToolbarWindow, TB_COMMANDTOINDEX, command, 0));
}

bool ClickToolbarButton(int command) {
    RECT button;
    if (!SendMessageW(ToolbarWindow, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button))) return false;
    LPARAM centre = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageW(ToolbarWindow, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(ToolbarWindow, WM_LBUTTONUP, 0, centre);
    return ButtonIndex(command) >= 0;
}

bool IsToolbarButtonChecked(int command) { return SendMessageW(ToolbarWindow, TB_ISBUTTONCHECKED, command, 0) == 1; }

std::wstring ToolbarTooltip(int command) {
    HWND tooltip = reinterpret_cast<HWND>(SendMessageW(ToolbarWindow, TB_GETTOOLTIPS, 0, 0));
    if (tooltip == nullptr) return L"(no tooltip control)";
    wchar_t buffer[2048] = {};
    TTTOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = ToolbarWindow;
    info.uId = static_cast<UINT_PTR>(command);
    info.lpszText = buffer;
    SendMessageW(tooltip, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&info));
    return buffer;
}

DWORD BackBufferPixel(int x, int y) {
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(BackBuffer.pixels);
    return pixels[static_cast<size_t>(BackBuffer.height - 1 - y) * BackBuffer.width + x] & 0xFFFFFF;
}

PixelCanvas::PixelCanvas(int w, int h) : width(w), height(h) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<DWORD*>(bits);
    dc = CreateCompatibleDC(nullptr);
    previous = SelectObject(dc, bitmap);
    std::fill(pixels, pixels + static_cast<size_t>(w) * h, 0xB0B0B0);
}

PixelCanvas::~PixelCanvas() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

DWORD PixelCanvas::At(int x, int y) const {
    GdiFlush();
    return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF;
}

std::vector<DWORD> StripTile(int tile) {
    HBITMAP strip = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PIECE_STRIP));
    PixelCanvas canvas(40, 40);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, strip);
    BitBlt(canvas.dc, 0, 0, 40, 40, source, 40 * tile, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(strip);
    std::vector<DWORD> result;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 40; x++) result.push_back(canvas.At(x, y));
    return result;
}

namespace {
struct DialogAnswerer {
    std::function<void(HWND)> inspect;
    WPARAM reply = IDOK;
    std::set<HWND> answered;
};
DialogAnswerer Answerer;

BOOL CALLBACK AnswerOneDialog(HWND window, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (!IsWindowVisible(window) || std::wstring(className) != L"#32770" || Answerer.answered.count(window))
        return TRUE;
    Answerer.answered.insert(window);
    if (Answerer.inspect) Answerer.inspect(window);
    PostMessageW(window, WM_COMMAND, Answerer.reply, 0);
    return FALSE;
}

void CALLBACK OnAnswerTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerOneDialog, 0);
}
}  // namespace

int AnswerDialogs(const std::function<void()>& action, const std::function<void(HWND)>& inspect, WPARAM reply) {
    Answerer = {inspect, reply, {}};
    // A thread timer: the modal loops of message and dialog boxes dispatch it too.
    UINT_PTR timer = SetTimer(nullptr, 0, 20, OnAnswerTimer);
    action();
    KillTimer(nullptr, timer);
    int count = static_cast<int>(Answerer.answered.size());
    Answerer = {};
    return count;
}

// The real main window in-process, once per test process: opened, pumped with the program's own message
// step, driven through its toolbar and commands, and closed.
#include "tests/win32/TestWindow.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <iterator>

#include "app/MessageStep.h"
#include "core/Product.h"
#include "text/Config.h"
#include "text/StringList.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "ui/MainWindow.h"
#include "ui/Toolbar.h"

// The program's globals are as the program starts only in a fresh process, and ctest gives each test one;
// a second test in the same process fails here instead of seeing what the first one left behind.
static bool FirstTestOfTheProcess() {
    const testing::TestInfo* now = testing::UnitTest::GetInstance()->current_test_info();
    static const testing::TestInfo* const first = now;
    return now == first;
}

// Under Wine a desktop whose process could not reach the X server has no display mode, and every window
// creation on it fails with error 1400; the mode tells that apart from a fault of ours.
std::string MainWindowFailure(DWORD error) {
    const char* step = "CreateWindowExW";
    WNDCLASSW registered;
    if (InstanceHandle == nullptr) step = "no instance handle";
    else if (MainWindow.messageBoxCaption[0] == L'\0') step = "LoadStringW of the title";
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
    if (!FirstTestOfTheProcess()) {
        ADD_FAILURE() << "a second test in this process: run each test in a process of its own, as ctest does";
        return false;
    }
    InstanceHandle = GetModuleHandleW(nullptr);
    bool ok = CreateMainWindow(SW_SHOWNORMAL);
    if (!ok) std::fprintf(stderr, "%s\n", MainWindowFailure(GetLastError()).c_str());
    PumpMessages();
    return ok;
}

void CloseTestMainWindow() {
    if (MainWindowHandle != nullptr && IsWindow(MainWindowHandle)) DestroyWindow(MainWindowHandle);
    PumpMessages();
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    UnregisterClassW(ProductClassName().c_str(), GetModuleHandleW(nullptr));  // so that the same test can open another
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
        DeliverMessage(&message);
    }
    return paints;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void ResizeClientArea(int width, int height) {
    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    SetWindowPos(MainWindowHandle, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
}

void SendCommand(int command) {
    SendMessageW(MainWindowHandle, WM_COMMAND, command, 0);
    PumpMessages();
}

void ReleaseSpace() { SendMessageW(MainWindowHandle, WM_KEYUP, VK_SPACE, 0xC0390001); }

void FillTextTableWithSlotNumbers() {
    TextTable[0] = L"1";
    for (int slot = 1; slot < TEXT_SLOT_COUNT; slot++) TextTable[slot] = L"<" + std::to_wstring(slot) + L">";
}

std::vector<std::wstring> LanguageLines(const std::wstring& name) {
    std::vector<std::wstring> lines(TEXT_TABLE_SIZE);
    lines[TS_VERSION] = L"1";
    lines[TS_LANGUAGE_NAME] = L"Language - " + name;
    lines[TS_HELP_FILE] = name + L" Help.txt";
    for (int slot = TS_PRESS_WHITE; slot < TEXT_TABLE_SIZE; slot++)
        lines[slot] = name + L" text " + std::to_wstring(slot);
    lines[TS_UI_CREDITS] = name + L" interface credits";
    lines[TS_HELP_CREDITS] = name + L" help credits";
    return lines;
}

bool WriteLanguageFile(const std::wstring& relativePath, const std::vector<std::wstring>& lines) {
    const std::wstring path = ModulePath(relativePath);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return WriteStringList(lines.data(), static_cast<int>(lines.size()), path);
}

std::vector<std::wstring> WriteTestLanguageFiles() {
    const std::wstring config[CONFIG_LINE_COUNT] = {L"1", L"TestLanguages", L"Test.Lang.txt"};
    WriteStringList(config, CONFIG_LINE_COUNT, ModulePath(ConfigFileName));
    const std::vector<std::wstring> lines = LanguageLines(L"Проба");
    WriteLanguageFile(L"TestLanguages\\Test.Lang.txt", lines);
    return lines;
}

HANDLE LockFile(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

static int ToolbarIndex(int command) {
    return static_cast<int>(SendMessageW(ToolbarWindow, TB_COMMANDTOINDEX, command, 0));
}

bool ClickToolbarButton(int command) {
    RECT button;
    if (!SendMessageW(ToolbarWindow, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button))) return false;
    LPARAM centre = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageW(ToolbarWindow, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(ToolbarWindow, WM_LBUTTONUP, 0, centre);
    return ToolbarIndex(command) >= 0;
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

// Whole, however long: the length is asked first.
std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClipboardTextWhole() {
    if (!OpenClipboard(nullptr)) return L"(the clipboard is held)";
    std::wstring text;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const auto* units = static_cast<const wchar_t*>(data != nullptr ? GlobalLock(data) : nullptr)) {
        text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void TypeKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD key, DWORD flags) {
        INPUT input = {INPUT_KEYBOARD, {}};
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (WORD key : keys) add(key, 0);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) add(*key, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::wstring ProductTitleText() { return std::wstring(std::begin(ProductTitle), std::end(ProductTitle) - 1); }

std::wstring FullTitle() { return ProductCaption(); }

std::wstring ProductClassName() { return WidenAnsi(ProductWindowClass); }

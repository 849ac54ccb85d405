// A main window started as the program starts, beside language files the tests write, and its paints.
#include "tests/win32/dialog/DialogFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/StartUp.h"
#include "resources/resource.h"
#include "tests/win32/dialog/ShellSpy.h"
#include "tests/win32/window/WindowTesting.h"
#include "text/Config.h"
#include "text/StringList.h"
#include "text/TextTable.h"
#include "ui/Display.h"
#include "ui/FontChoice.h"
#include "ui/MainWindow.h"

namespace {

WNDPROC ProgramWindowProc = nullptr;
std::vector<FullPaint> Paints;

LRESULT CALLBACK CountingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        RECT update = {}, client = {};
        GetUpdateRect(window, &update, FALSE);
        GetClientRect(window, &client);
        if (EqualRect(&update, &client)) {
            HWND dialog = FindWindowW(L"#32770", L"Game Rules Help");
            Paints.push_back({dialog != nullptr && IsWindowVisible(dialog), TextTable[TS_PRESS_WHITE]});
        }
    }
    return CallWindowProcW(ProgramWindowProc, window, message, wParam, lParam);
}

void RemoveTestFiles() {
    std::error_code ignored;
    std::filesystem::remove(ModulePath(L"config.txt"), ignored);
    std::filesystem::remove_all(ModulePath(L"Languages"), ignored);
    std::filesystem::remove_all(ModulePath(L"Elsewhere"), ignored);
}

void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

std::vector<std::wstring> LanguageLines(const std::wstring& name) {
    std::vector<std::wstring> lines(TEXT_SLOT_COUNT);
    lines[TS_VERSION] = L"1";
    lines[TS_LANGUAGE_NAME] = L"Language - " + name;
    lines[TS_HELP_FILE] = name + L" Help.txt";
    for (int slot = TS_PRESS_WHITE; slot < TEXT_SLOT_COUNT; slot++)
        lines[slot] = name + L" text " + std::to_wstring(slot);
    lines[TS_UI_CREDITS] = name + L" interface credits";
    lines[TS_HELP_CREDITS] = name + L" help credits";
    return lines;
}

void WriteLanguageFile(const std::wstring& relativePath, const std::vector<std::wstring>& lines) {
    const std::wstring path = ModulePath(relativePath);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(WriteStringList(lines.data(), static_cast<int>(lines.size()), path));
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ConfigBytes(const std::wstring& folder, const std::wstring& fileName) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : L"1\r\n" + folder + L"\r\n" + fileName + L"\r\n") {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::vector<std::wstring> TextTableNow() { return std::vector<std::wstring>(std::begin(TextTable), std::end(TextTable)); }

std::vector<DWORD> BackBufferNow() {
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(BackBuffer.pixels);
    if (pixels == nullptr) return {};
    return std::vector<DWORD>(pixels, pixels + static_cast<size_t>(BackBuffer.width) * BackBuffer.height);
}

void DialogFixture::SetUp() {
    InstallShellSpy();
    ShellCalls.clear();
    ShellAnswer = 42;

    RemoveTestFiles();
    WriteLanguageFile(L"Languages\\Alpha.Lang.txt", alpha);
    WriteLanguageFile(L"Languages\\Beta.Lang.txt", beta);
    const std::wstring config[CONFIG_LINE_COUNT] = {L"1", L"Languages", L"Alpha.Lang.txt"};
    ASSERT_TRUE(WriteStringList(config, CONFIG_LINE_COUNT, ModulePath(L"config.txt")));

    InstanceHandle = GetModuleHandleW(nullptr);
    ASSERT_TRUE(CreateMainWindow(IDS_APP_TITLE, IDS_WINDOW_CLASS, IDM_APP_MENU, IDC_APP_ACCELERATORS, IDI_APP,
                                 IDC_ARROW, SW_SHOWNORMAL, 575, 400))
        << MainWindowFailure(GetLastError());
    StartUp();
    ProgramWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(MainWindowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingWindowProc)));
    PumpPending();
    ASSERT_EQ(alpha, TextTableNow());
    ForgetPaints();
}

void DialogFixture::TearDown() {
    if (MainWindowHandle != nullptr) DestroyWindow(MainWindowHandle);
    PumpPending();
    UnregisterClassW(L"IGAME", GetModuleHandleW(nullptr));
    MainWindowHandle = nullptr;
    DisplayFont = {};
    TextColour = 0;
    FontStyleName[0] = L'\0';
    RemoveTestFiles();
}

std::vector<FullPaint> DialogFixture::FullPaints() const { return Paints; }

void DialogFixture::ForgetPaints() { Paints.clear(); }

DialogStep AnswerMessage(std::vector<SeenMessage>& seen) {
    return {L"Zarvik", [&seen](HWND box) {
                wchar_t caption[64] = {};
                GetWindowTextW(box, caption, static_cast<int>(std::size(caption)));
                seen.push_back({caption, ItemText(box, 0xFFFF)});
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }};
}

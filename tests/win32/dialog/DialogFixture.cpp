// A main window started as the program starts, beside language files the tests write, and its paints.
#include "tests/win32/dialog/DialogFixture.h"

#include <filesystem>
#include <iterator>

#include "app/StartUp.h"
#include "tests/support/TestFiles.h"
#include "tests/win32/dialog/ShellSpy.h"
#include "text/Config.h"
#include "text/StringList.h"
#include "text/TextTable.h"
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
    std::filesystem::remove(ModulePath(ConfigFileName), ignored);
    std::filesystem::remove_all(ModulePath(L"Languages"), ignored);
    std::filesystem::remove_all(ModulePath(L"Elsewhere"), ignored);
}

}  // namespace

std::string ConfigBytes(const std::wstring& folder, const std::wstring& fileName) {
    return LineFileBytes({L"1", folder, fileName});
}

std::vector<std::wstring> TextTableNow() { return std::vector<std::wstring>(std::begin(TextTable), std::end(TextTable)); }

void DialogFixture::SetUp() {
    InstallShellSpy();
    ShellCalls.clear();
    ShellAnswer = 42;

    RemoveTestFiles();
    ASSERT_TRUE(WriteLanguageFile(L"Languages\\Alpha.Lang.txt", alpha));
    ASSERT_TRUE(WriteLanguageFile(L"Languages\\Beta.Lang.txt", beta));
    const std::wstring config[CONFIG_LINE_COUNT] = {L"1", L"Languages", L"Alpha.Lang.txt"};
    ASSERT_TRUE(WriteStringList(config, CONFIG_LINE_COUNT, ModulePath(ConfigFileName)));

    ASSERT_TRUE(OpenTestMainWindow());
    StartUp();
    ProgramWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(MainWindowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingWindowProc)));
    PumpMessages();
    ASSERT_EQ(alpha, TextTableNow());
    ForgetPaints();
}

void DialogFixture::TearDown() {
    CloseTestMainWindow();
    RemoveTestFiles();
}

std::vector<FullPaint> DialogFixture::FullPaints() const { return Paints; }

void DialogFixture::ForgetPaints() { Paints.clear(); }

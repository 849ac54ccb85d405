// zarvik.exe itself, started in a folder of its own: it comes up, and it ends with exit code 0.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/win32/OtherProcess.h"
#include "tests/win32/TestWindow.h"
#include "text/StringList.h"
#include "text/TextTable.h"

namespace {

// Every text reads "Проба" and the language file is there, so no message box comes up.
class ProgramTest : public ProgramFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramFixture::SetUp());
        std::vector<std::wstring> lines(TEXT_SLOT_COUNT, L"Проба");
        lines[0] = L"1";
        ASSERT_TRUE(WriteStringList(lines.data(), TEXT_SLOT_COUNT, folder + L"Languages\\Russian.Lang.txt"));
    }
};

const wchar_t FullTitle[] = L"Zarvik 1 Moves Generator version 7";

TEST_F(ProgramTest, ComesUpWithItsCaptionAndAGameAndEndsWithZeroWhenClosed) {
    Start();
    HWND main = WaitForWindow(process.dwProcessId, L"IGAME", FullTitle);
    ASSERT_NE(nullptr, main);
    HWND toolbar = FindWindowExW(main, nullptr, TOOLBARCLASSNAMEW, nullptr);
    ASSERT_NE(nullptr, toolbar);
    EXPECT_EQ(22, SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    EXPECT_EQ(1, SendMessageW(toolbar, TB_ISBUTTONCHECKED, ID_BLACK_TURN, 0)) << "the first game has started";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((folder + L"config.txt").c_str()));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, ExitCode());
}

// A copy whose strings 96-111, the title and the class name among them, are empty cannot make its window.
TEST_F(ProgramTest, AWindowThatCannotBeMadeEndsWithANonZeroCode) {
    WORD empty[16] = {};  // sixteen strings of length 0
    HANDLE update = BeginUpdateResourceW((folder + L"zarvik.exe").c_str(), FALSE);
    ASSERT_NE(nullptr, update);
    ASSERT_TRUE(UpdateResourceW(update, RT_STRING, MAKEINTRESOURCEW(IDS_APP_TITLE / 16 + 1),
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), empty, sizeof(empty)));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
    Start();
    EXPECT_EQ(1u, ExitCode());
}

TEST_F(ProgramTest, AnUnreadableConfigurationIsReportedOverTheWindowAndEndsWithZero) {
    ASSERT_TRUE(CreateDirectoryW((folder + L"config.txt").c_str(), nullptr));  // unreadable even for root
    Start();
    HWND main = WaitForWindow(process.dwProcessId, L"IGAME", FullTitle);
    ASSERT_NE(nullptr, main);
    HWND box = WaitForWindow(process.dwProcessId, L"#32770");
    ASSERT_NE(nullptr, box);
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    EXPECT_EQ(L"Error Load Config File:\n\n" + folder + L"config.txt\n\nAbort!", std::wstring(text));
    EXPECT_EQ(L"Zarvik", WindowText(box));
    EXPECT_EQ(main, GetWindow(box, GW_OWNER));
    EXPECT_TRUE(IsWindowVisible(main));
    HWND toolbar = FindWindowExW(main, nullptr, TOOLBARCLASSNAMEW, nullptr);
    EXPECT_EQ(0, SendMessageW(toolbar, TB_ISBUTTONCHECKED, ID_BLACK_TURN, 0)) << "no game may start";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, ExitCode());
    EXPECT_TRUE(GetFileAttributesW((folder + L"config.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

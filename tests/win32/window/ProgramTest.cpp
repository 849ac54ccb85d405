// zarvik.exe itself, started in a folder of its own: it comes up, and it ends with exit code 0.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "text/StringList.h"
#include "text/TextTable.h"

namespace {

// The build passes the program's host path; Wine shows the host's root as drive Z:.
std::wstring ProgramPath() {
    std::string host = ZARVIK_EXE;
    std::wstring path = host.front() == '/' ? L"Z:" : L"";
    for (char c : host) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

std::wstring Caption(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

struct Found {
    DWORD processId;
    const wchar_t* className;
    HWND window;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<Found*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (processId != found->processId || !IsWindowVisible(window) || lstrcmpW(className, found->className) != 0)
        return TRUE;
    found->window = window;
    return FALSE;
}

// Polls, since a posted message is no barrier between processes; gives up after ten seconds.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const std::wstring& caption = L"") {
    for (int i = 0; i < 1000; i++) {
        Found found = {processId, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&found));
        if (found.window != nullptr && (caption.empty() || Caption(found.window) == caption)) return found.window;
        Sleep(10);
    }
    return nullptr;
}

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"zarvik-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(GetTickCount()) + L"\\";
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), (folder + L"zarvik.exe").c_str(), TRUE)) << GetLastError();
        CreateDirectoryW((folder + L"Languages").c_str(), nullptr);
        std::vector<std::wstring> lines(TEXT_SLOT_COUNT, L"Проба");
        lines[0] = L"1";
        ASSERT_TRUE(WriteStringList(lines.data(), TEXT_SLOT_COUNT, folder + L"Languages\\Russian.Lang.txt"));
    }

    void TearDown() override {
        if (process.hProcess != nullptr) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
            WaitForSingleObject(process.hProcess, 5000);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        for (const wchar_t* file : {L"Languages\\Russian.Lang.txt", L"config.txt", L"zarvik.exe"})
            DeleteFileW((folder + file).c_str());
        for (const wchar_t* subfolder : {L"Languages", L"config.txt", L""})
            RemoveDirectoryW((folder + subfolder).c_str());
    }

    void Start() {
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + folder + L"zarvik.exe\"";
        ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                   &startup, &process))
            << GetLastError();
    }

    DWORD ExitCode() {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 10000));
        DWORD code = 12345;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }

    std::wstring folder;
    PROCESS_INFORMATION process = {};
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
    EXPECT_EQ(L"Zarvik", Caption(box));
    EXPECT_EQ(main, GetWindow(box, GW_OWNER));
    EXPECT_TRUE(IsWindowVisible(main));
    HWND toolbar = FindWindowExW(main, nullptr, TOOLBARCLASSNAMEW, nullptr);
    EXPECT_EQ(0, SendMessageW(toolbar, TB_ISBUTTONCHECKED, ID_BLACK_TURN, 0)) << "no game may start";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, ExitCode());
    EXPECT_TRUE(GetFileAttributesW((folder + L"config.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

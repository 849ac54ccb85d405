// zarvik.exe itself, started in a folder of its own: it comes up, and it ends with exit code 0.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/win32/OtherProcess.h"
#include "tests/win32/TestWindow.h"
#include "text/StringList.h"
#include "text/TextTable.h"
#include "ui/ToolbarButtons.h"

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

TEST_F(ProgramTest, ComesUpWithItsCaptionAndAGameAndEndsWithZeroWhenClosed) {
    Start();
    HWND main = WaitForWindow(process.dwProcessId, ProductClassName().c_str(), FullTitle());
    ASSERT_NE(nullptr, main);
    HWND toolbar = FindWindowExW(main, nullptr, TOOLBARCLASSNAMEW, nullptr);
    ASSERT_NE(nullptr, toolbar);
    EXPECT_EQ(TOOLBAR_BUTTON_COUNT, SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
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
    HWND main = WaitForWindow(process.dwProcessId, ProductClassName().c_str(), FullTitle());
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

// The built program, mapped as the system would run it but never run.
struct ProgramImage {
    HMODULE module = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ~ProgramImage() { FreeLibrary(module); }
    const BYTE* At(DWORD address) const {  // the handle's low bits tag the mapping
        return reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR(3)) + address;
    }
};

// Before our first line the system loads what the program imports; only libraries it always takes
// from its own folder may be among them (COMCTL32 version 6 comes from the side-by-side store).
TEST(Executable, ImportsOnlyLibrariesTheSystemTakesFromItsFolder) {
    const ProgramImage image;
    ASSERT_NE(nullptr, image.module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.At(0));
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.At(dos->e_lfanew));
    auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
        image.At(nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress));
    std::vector<std::string> names;
    for (; entry->Name != 0; entry++)
        names.push_back(CharUpperA(std::string(reinterpret_cast<const char*>(image.At(entry->Name))).data()));
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"ADVAPI32.DLL", "COMCTL32.DLL", "GDI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL",
                                        "USER32.DLL"}),
              names);  // ADVAPI32 seeds the stack canary
}

// What binary analyzers look for in the headers: relocations and a random base (also above 4 GB), data
// that never runs, no terminal-server shims, Windows 7 as the oldest system; and, by their messages, the
// handlers of the stack canary and of the checked string functions.
TEST(Executable, CarriesTheHardeningTheToolchainGives) {
    const ProgramImage image;
    ASSERT_NE(nullptr, image.module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.At(0));
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.At(dos->e_lfanew));
    const WORD flags = IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE | IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA |
                       IMAGE_DLLCHARACTERISTICS_NX_COMPAT | IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE;
    EXPECT_EQ(flags, nt->OptionalHeader.DllCharacteristics & flags);
    EXPECT_EQ(0, nt->FileHeader.Characteristics & IMAGE_FILE_RELOCS_STRIPPED);
    EXPECT_NE(0u, nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size);
    EXPECT_EQ(6, nt->OptionalHeader.MajorSubsystemVersion);
    EXPECT_EQ(1, nt->OptionalHeader.MinorSubsystemVersion);
    const std::string bytes = ReadBytes(PathOf(ProgramPath()));
    for (const char* message : {"*** stack smashing detected ***", "*** buffer overflow detected ***"})
        EXPECT_NE(std::string::npos, bytes.find(message)) << message;
}

TEST(Executable, ManifestAsksForThePlayersRightsTheSystemsLongPathsAndEachMonitorsScale) {
    const ProgramImage image;
    HRSRC resource = FindResourceW(image.module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(nullptr, resource);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(image.module, resource))),
                               SizeofResource(image.module, resource));
    for (const char* part : {R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
                             R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
                             R"(<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>)",  // 7
                             R"(<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>)",  // 8
                             R"(<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>)",  // 8.1
                             R"(<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>)",  // 10 and 11
                             R"(SMI/2016/WindowsSettings">true</longPathAware>)",
                             R"(SMI/2005/WindowsSettings">true/pm</dpiAware>)",
                             R"(SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>)"})
        EXPECT_NE(std::string::npos, manifest.find(part)) << part;
    // This test program carries the same manifest: the system still reads it whole.
    ACTCTX_SECTION_KEYED_DATA found = {};
    found.cbSize = sizeof found;
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_WINDOW_CLASS_REDIRECTION,
                                         L"ToolbarWindow32", &found));
}

// Libraries named like those the program loads, left beside it, stay unloaded: at start (WINMM was
// imported), for the help (the shell, and OLE32 for COM) and for the font dialog (the common dialogs).
// Wine prefers its own copy of a system library to one found beside a program unless told otherwise
// (scripts/wine-env.sh tells it for WINMM, SHELL32 and COMDLG32), as Windows does for a library outside
// its known list. OLE32 stays Wine's: Wine's own libraries load it by name at start.
TEST_F(ProgramTest, LoadsNoLibraryLeftBesideIt) {
    std::vector<std::wstring> markers;  // what a planted library writes when it is loaded
    for (const wchar_t* name : {L"winmm.dll", L"shell32.dll", L"ole32.dll", L"comdlg32.dll"}) {
        ASSERT_TRUE(CopyFileW(HostPath(PLANTED_LIBRARY).c_str(), (folder + name).c_str(), FALSE)) << GetLastError();
        markers.push_back(name + std::wstring(L".loaded"));
    }
    std::vector<std::wstring> lines(TEXT_SLOT_COUNT, L"1");
    lines[TS_HELP_FILE] = L"Missing Rules.txt";  // a document the shell won't find, so nothing opens
    ASSERT_TRUE(WriteStringList(lines.data(), TEXT_SLOT_COUNT, folder + L"Languages\\Russian.Lang.txt"));
    Start();
    HWND main = WaitForWindow(process.dwProcessId, ProductClassName().c_str(), FullTitle());
    ASSERT_NE(nullptr, main);
    PostMessageW(main, WM_COMMAND, ID_HELP, 0);
    HWND dialog = WaitForWindow(process.dwProcessId, L"#32770", L"Game Rules Help");
    ASSERT_NE(nullptr, dialog);
    PostMessageW(dialog, WM_COMMAND, IDC_RULES_HELP, 0);
    PostMessageW(dialog, WM_COMMAND, IDC_FONT, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowEnabled(dialog); }, 10000)) << "no font dialog came up";
    for (const std::wstring& marker : markers)
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((folder + marker).c_str())) << NarrowUtf8(marker);
}

}  // namespace

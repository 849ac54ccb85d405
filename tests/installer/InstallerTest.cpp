// The installer, its uninstaller and the installed program, started the way the system starts them.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/Product.h"
#include "tests/support/TestFiles.h"
#include "tests/win32/Pixels.h"
#include "tests/win32/TestWindow.h"

namespace fs = std::filesystem;

namespace {

const wchar_t UninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zarvik";
const std::wstring Title(ProductTitle, ProductTitle + std::strlen(ProductTitle));
const std::wstring Version = std::to_wstring(ProductVersion);
// Another process's progress can only be watched; the installer and its uninstaller get this long.
constexpr DWORD OtherProcessMs = 20000;
const std::string DefaultConfigBytes = LineFileBytes({L"1", L"Languages", L"Russian.Lang.txt"});
// The installer names the language of the system, Russian under this run's locale.
const DWORD DisplayGrey = 0xB0B0B0;

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    GetEnvironmentVariableW(name, value, MAX_PATH);
    return value;
}
// tests/installer/run.sh makes the packages for this run and names their folder, and those of the next
// release as an upgrade meets it: German no longer shipped, Ukrainian renamed "ukrainian".
std::wstring DistFolder() { return Environment(L"ZARVIK_DIST"); }
const std::wstring SetupExe = L"\"" + DistFolder() + L"\\zarvik-" + Version + L"-setup.exe\"";
const std::wstring NextSetupExe =
    L"\"" + Environment(L"ZARVIK_NEXT_DIST") + L"\\zarvik-" + Version + L"-setup.exe\"";
const fs::path Staged = PathOf(DistFolder() + L"\\zarvik");

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}
const std::wstring DefaultFolder = KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Zarvik";
const std::wstring StartMenuShortcut = KnownFolder(CSIDL_PROGRAMS) + L"\\" + Title + L".lnk";
const std::wstring DesktopShortcut = KnownFolder(CSIDL_DESKTOPDIRECTORY) + L"\\" + Title + L".lnk";

// The command line goes to CreateProcessW as written: NSIS reads /D= and _?= only unquoted and last.
PROCESS_INFORMATION Start(std::wstring commandLine, const std::wstring& currentFolder = L"") {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    EXPECT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup, &process))
        << GetLastError();
    return process;
}

DWORD Finish(const PROCESS_INFORMATION& process) {
    DWORD code = 12345;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

DWORD ExitCodeOf(const std::wstring& commandLine) { return Finish(Start(commandLine)); }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, UninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::wstring RegistryText(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, UninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return L"(missing)";
    return value;
}

DWORD RegistryNumber(const wchar_t* name) {
    DWORD value = 0xDEADBEEF;
    DWORD size = sizeof(value);
    RegGetValueW(HKEY_CURRENT_USER, UninstallKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

// The shortcut's target, from its item list (Wine's own path field loses letters outside the ANSI code
// page), and its working folder.
std::pair<std::wstring, std::wstring> ShortcutTarget(const std::wstring& shortcut) {
    wchar_t target[MAX_PATH] = {};
    wchar_t folder[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            PIDLIST_ABSOLUTE item = nullptr;
            if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) && SUCCEEDED(link->GetIDList(&item))) {
                SHGetPathFromIDListW(item, target);
                CoTaskMemFree(item);
                link->GetWorkingDirectory(folder, MAX_PATH);
            }
            file->Release();
        }
        link->Release();
    }
    return {target, folder};
}

// Every file below folder, as a path relative to it, sorted.
std::vector<std::wstring> Files(const fs::path& folder) {
    std::vector<std::wstring> files;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error))
        if (entry.is_regular_file()) files.push_back(WideOf(fs::relative(entry.path(), folder)));
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::wstring> ShippedFiles() {
    std::vector<std::wstring> files = Files(Staged);
    files.erase(std::find(files.begin(), files.end(), L"README.txt"));  // only in the zip
    return files;
}

// The installed program, started from another current folder as a shortcut may start it, comes up, reads
// config.txt from its own folder and paints its display: grey with the first prompt.
void CheckProgramStartsIn(const std::wstring& folder) {
    TemporaryFolder elsewhere;
    PROCESS_INFORMATION process = Start(L"\"" + folder + L"\\zarvik.exe\"", WideOf(elsewhere.Path()));
    HWND main = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        main = FindWindowW(ProductClassName().c_str(), nullptr);
        return main != nullptr && IsWindowVisible(main) && WindowText(main) ==
               Title + L" version " + Version;
    }, OtherProcessMs)) << "no main window";
    RECT toolbar = {};
    GetWindowRect(FindWindowExW(main, nullptr, L"ToolbarWindow32", nullptr), &toolbar);
    std::vector<DWORD> display;
    bool painted = PumpUntil([&] {
        RECT client = {};
        GetClientRect(main, &client);
        client.top = toolbar.bottom - toolbar.top;
        display = ScreenPixels(main, client);
        auto grey = std::count(display.begin(), display.end(), DisplayGrey);
        return grey > 0 && grey < static_cast<std::ptrdiff_t>(display.size()) && display.back() == DisplayGrey;
    }, OtherProcessMs);
    EXPECT_TRUE(painted) << "the display holds " << std::count(display.begin(), display.end(), DisplayGrey)
                         << " grey pixels of " << display.size();
    EXPECT_EQ(DefaultConfigBytes, ReadBytes(PathOf(folder + L"\\config.txt")));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, Finish(process));
}

// The entry in the list of installed programs, the shortcut and the files of an installation in folder.
void CheckInstalledIn(const std::wstring& folder) {
    std::vector<std::wstring> expected = ShippedFiles();
    expected.push_back(L"uninstall.exe");
    expected.push_back(L"config.txt");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, Files(PathOf(folder)));
    for (const std::wstring& file : ShippedFiles())
        EXPECT_EQ(ReadBytes(Staged / PathOf(file)), ReadBytes(PathOf(folder + L"\\" + file))) << NarrowUtf8(file);

    EXPECT_EQ(std::make_pair(folder + L"\\zarvik.exe", folder), ShortcutTarget(StartMenuShortcut));
    EXPECT_FALSE(Exists(DesktopShortcut)) << "only a player's tick makes it";

    const std::pair<const wchar_t*, std::wstring> texts[] = {
        {L"DisplayName", Title},
        {L"DisplayVersion", Version},
        {L"Publisher", L"Zarvik Team"},
        {L"DisplayIcon", folder + L"\\zarvik.exe"},
        {L"InstallLocation", folder},
        {L"UninstallString", L"\"" + folder + L"\\uninstall.exe\""},
        {L"QuietUninstallString", L"\"" + folder + L"\\uninstall.exe\" /S"},
    };
    for (const auto& [name, value] : texts) EXPECT_EQ(value, RegistryText(name)) << NarrowUtf8(name);
    EXPECT_EQ(1u, RegistryNumber(L"NoModify"));
    EXPECT_EQ(1u, RegistryNumber(L"NoRepair"));
    // In KB: at least the program and its languages, at most the rounding of each file up to a KB.
    uintmax_t bytes = 0;
    for (const std::wstring& file : ShippedFiles()) bytes += fs::file_size(Staged / PathOf(file));
    DWORD size = RegistryNumber(L"EstimatedSize");
    EXPECT_TRUE(size >= bytes / 1024 && size <= bytes / 1024 + ShippedFiles().size()) << size << " KB";
}

// The visible dialog of the process (a message box, or an installer's own window), or null.
HWND VisibleDialogOf(DWORD processId) {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"#32770", nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

// Runs what the list of installed programs runs; the uninstaller goes on from a copy of itself in the
// temporary folder, so its end shows as the entry's going.
void UninstallQuietly() {
    std::wstring command = RegistryText(L"QuietUninstallString");
    ASSERT_EQ(0u, ExitCodeOf(command));
    EXPECT_TRUE(PumpUntil([] { return !KeyExists(); }, OtherProcessMs)) << NarrowUtf8(command);
}

// Removes what a test left, installed or not, so the next one starts from a system without the program.
void RemoveLeftovers(const std::wstring& folder) {
    std::error_code ignored;
    fs::remove_all(PathOf(folder), ignored);
    DeleteFileW(StartMenuShortcut.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, UninstallKey);
}

class Installer : public testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the shell's shortcut reader
        ASSERT_FALSE(KeyExists()) << "an earlier test left the program installed";
    }
    void TearDown() override { RemoveLeftovers(DefaultFolder); }
};

TEST_F(Installer, InstallsUpgradesAndUninstallsForTheCurrentUser) {
    const std::wstring chosen = KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\Игры и Ζάρβικ";
    const std::pair<std::wstring, std::wstring> cases[] = {{L"", DefaultFolder}, {L" /D=" + chosen, chosen}};
    for (const auto& [arguments, folder] : cases) {
        SCOPED_TRACE(NarrowUtf8(folder));
        ASSERT_EQ(0u, ExitCodeOf(SetupExe + L" /S" + arguments));
        CheckInstalledIn(folder);
        CheckProgramStartsIn(folder);

        // An upgrade replaces the shipped files and keeps the player's.
        const std::string config = "\xFF\xFE" + Utf16Le(u"1\r\nLanguages\r\nExtra.Lang.txt\r\n");
        const std::string extra = "\xFF\xFE" + Utf16Le(u"1\r\nЯзык\r\n");
        WriteBytes(PathOf(folder + L"\\config.txt"), config);
        WriteBytes(PathOf(folder + L"\\Languages\\Extra.Lang.txt"), extra);
        WriteBytes(PathOf(folder + L"\\Languages\\English.Lang.txt"), "edited");
        ASSERT_EQ(0u, ExitCodeOf(SetupExe + L" /S" + arguments));
        EXPECT_EQ(config, ReadBytes(PathOf(folder + L"\\config.txt")));
        EXPECT_EQ(extra, ReadBytes(PathOf(folder + L"\\Languages\\Extra.Lang.txt")));
        EXPECT_EQ(ReadBytes(Staged / "Languages" / "English.Lang.txt"),
                  ReadBytes(PathOf(folder + L"\\Languages\\English.Lang.txt")));

        UninstallQuietly();
        EXPECT_EQ(std::vector<std::wstring>{L"Languages\\Extra.Lang.txt"}, Files(PathOf(folder)));
        EXPECT_FALSE(Exists(StartMenuShortcut));
        RemoveLeftovers(folder);
    }
}

// The installed program counts however it was started: by its own path, or by another one that reaches
// the same file, as a substituted drive or a junction does (here Wine's drive of the host's root).
TEST_F(Installer, LeavesEverythingAsItIsWhileTheProgramRuns) {
    ASSERT_EQ(0u, ExitCodeOf(SetupExe + L" /S"));
    WriteBytes(PathOf(DefaultFolder + L"\\Languages\\English.Lang.txt"), "edited");
    std::wstring hostPath = L"Z:" + Environment(L"WINEPREFIX") + L"/drive_c" + DefaultFolder.substr(2);
    std::replace(hostPath.begin(), hostPath.end(), L'/', L'\\');
    for (const std::wstring& folder : {DefaultFolder, hostPath}) {
        SCOPED_TRACE(NarrowUtf8(folder));
        PROCESS_INFORMATION program = Start(L"\"" + folder + L"\\zarvik.exe\"");
        ASSERT_TRUE(PumpUntil([] { return FindWindowW(ProductClassName().c_str(), nullptr) != nullptr; }, OtherProcessMs));

        EXPECT_EQ(2u, ExitCodeOf(SetupExe + L" /S"));
        EXPECT_EQ(2u, ExitCodeOf(L"\"" + DefaultFolder + L"\\uninstall.exe\" /S _?=" + DefaultFolder));
        // Shown, the installer asks first, in the system's language (Russian here), and Cancel changes nothing.
        PROCESS_INFORMATION setup = Start(SetupExe);
        HWND box = nullptr;
        EXPECT_TRUE(PumpUntil([&] { return (box = VisibleDialogOf(setup.dwProcessId)) != nullptr; }, OtherProcessMs));
        wchar_t text[512] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        EXPECT_EQ(Title + L" запущен. Закройте его окно и нажмите «Повтор»; «Отмена» оставит всё как есть.",
                  std::wstring(text));
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(2u, Finish(setup));

        EXPECT_EQ("edited", ReadBytes(PathOf(DefaultFolder + L"\\Languages\\English.Lang.txt")));
        EXPECT_TRUE(Exists(DefaultFolder + L"\\uninstall.exe"));
        EXPECT_TRUE(KeyExists());
        PostMessageW(FindWindowW(ProductClassName().c_str(), nullptr), WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, Finish(program));
    }
}

// Elevated in the player's own account (an administrator's own elevation, the built-in Administrator, a
// system without UAC), the installer installs for the player and has nothing to warn of: it opens on its
// folder page. Wine runs every program elevated, in the one account of its prefix.
TEST_F(Installer, ElevatedInThePlayersOwnAccountOpensOnItsFolderPage) {
    HANDLE token = nullptr;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size);
    CloseHandle(token);
    ASSERT_TRUE(elevation.TokenIsElevated) << "the installer started below would not be elevated";

    PROCESS_INFORMATION setup = Start(SetupExe);
    HWND window = nullptr;
    EXPECT_TRUE(PumpUntil([&] {
        window = VisibleDialogOf(setup.dwProcessId);
        HWND page = FindWindowExW(window, nullptr, L"#32770", nullptr);
        wchar_t folder[MAX_PATH] = {};  // another process's edit box answers only the message
        SendMessageW(FindWindowExW(page, nullptr, L"Edit", nullptr), WM_GETTEXT, MAX_PATH,
                     reinterpret_cast<LPARAM>(folder));
        return window != nullptr && folder == DefaultFolder;
    }, OtherProcessMs)) << "first shown: " << NarrowUtf8(WindowText(window));
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    Finish(setup);
    EXPECT_FALSE(KeyExists());
}

// Run in place and waited for (_?=), the uninstaller stays behind; run again it must find nothing to do,
// not take the config.txt and language file the player has put there since.
TEST_F(Installer, AnUninstallerRunASecondTimeRemovesNothing) {
    ASSERT_EQ(0u, ExitCodeOf(SetupExe + L" /S"));
    const std::wstring uninstall = L"\"" + DefaultFolder + L"\\uninstall.exe\" /S _?=" + DefaultFolder;
    ASSERT_EQ(0u, ExitCodeOf(uninstall));
    EXPECT_FALSE(KeyExists());
    WriteBytes(PathOf(DefaultFolder + L"\\config.txt"), DefaultConfigBytes);
    fs::create_directory(PathOf(DefaultFolder + L"\\Languages"));
    WriteBytes(PathOf(DefaultFolder + L"\\Languages\\English.Lang.txt"), "the player's");
    EXPECT_EQ(2u, ExitCodeOf(uninstall));
    const std::vector<std::wstring> kept = {L"Languages\\English.Lang.txt", L"config.txt", L"uninstall.exe"};
    EXPECT_EQ(kept, Files(PathOf(DefaultFolder)));
}

// A folder holding someone else's files is refused, since uninstalling would take config.txt from it.
TEST_F(Installer, RefusesAFolderOfOtherFilesOrOneItCannotWrite) {
    const std::pair<std::vector<std::wstring>, DWORD> cases[] = {
        {{L"notes.txt"}, 2}, {{L"config.txt"}, 2}, {{L"config.txt.old.tmp"}, 2}, {{L"config.txt..tmp"}, 2}};
    for (const auto& [present, exitCode] : cases) {
        TemporaryFolder folder;
        for (const std::wstring& file : present) {
            fs::create_directories((folder.Path() / PathOf(file)).parent_path());
            WriteBytes(folder.Path() / PathOf(file), "someone's");
        }
        EXPECT_EQ(exitCode, ExitCodeOf(SetupExe + L" /S /D=" + WideOf(folder.Path()))) << NarrowUtf8(present[0]);
        EXPECT_EQ(exitCode == 0, KeyExists()) << NarrowUtf8(present[0]);
        for (const std::wstring& file : present)
            EXPECT_EQ("someone's", ReadBytes(folder.Path() / PathOf(file))) << NarrowUtf8(file);
        if (exitCode != 0) {
            EXPECT_EQ(present, Files(folder.Path()));
        }
        RemoveLeftovers(WideOf(folder.Path()));
    }
    // NSIS takes a folder it cannot use for the default one; a folder it cannot write stops the files.
    TemporaryFolder folder;
    WriteBytes(folder.Path() / "Zarvik", "someone's");
    for (const std::wstring& unusable : {WideOf(folder.Path() / "Zarvik"), std::wstring(L"Z:\\proc\\zarvik")}) {
        EXPECT_EQ(2u, ExitCodeOf(SetupExe + L" /S /D=" + unusable)) << NarrowUtf8(unusable);
        EXPECT_FALSE(KeyExists()) << NarrowUtf8(unusable);
    }
    EXPECT_EQ(std::vector<std::wstring>{L"Zarvik"}, Files(folder.Path()));
}

// What an earlier installation or the program left behind is no reason to refuse a folder, and goes with
// the uninstaller: a config.txt of the program's own format, the files its saves write first (earlier
// releases wrote config.txt.tmp); the player's language files stay, and a file named like those of the
// saves but not by them. A config.txt already there is kept.
TEST_F(Installer, TakesTheProgramsOwnFilesForItsOwn) {
    const std::string config = "\xFF\xFE" + Utf16Le(u"1\r\nLanguages\r\nExtra.Lang.txt\r\n");
    const std::pair<std::wstring, std::string> cases[] = {
        {L"config.txt", config}, {L"config.txt.tmp", "cut"}, {L"config.txt.4321.tmp", "cut"}};
    for (const auto& [name, bytes] : cases) {
        TemporaryFolder folder;
        WriteBytes(folder.Path() / PathOf(name), bytes);
        fs::create_directory(folder.Path() / "Languages");
        WriteBytes(folder.Path() / "Languages" / "Extra.Lang.txt", "the player's");
        EXPECT_EQ(0u, ExitCodeOf(SetupExe + L" /S /D=" + WideOf(folder.Path()))) << NarrowUtf8(name);
        EXPECT_EQ(name == L"config.txt" ? config : DefaultConfigBytes, ReadBytes(folder.Path() / "config.txt"))
            << NarrowUtf8(name);
        WriteBytes(folder.Path() / "config.txt.old.tmp", "the player's");
        EXPECT_EQ(0u, ExitCodeOf(L"\"" + WideOf(folder.Path()) + L"\\uninstall.exe\" /S _?=" + WideOf(folder.Path())));
        const std::vector<std::wstring> kept = {L"Languages\\Extra.Lang.txt", L"config.txt.old.tmp", L"uninstall.exe"};
        EXPECT_EQ(kept, Files(folder.Path())) << NarrowUtf8(name);
        RemoveLeftovers(WideOf(folder.Path()));
    }
}

// A first installation names the language file of the system's language in config.txt, English where
// none is shipped for it. tests/installer/run.sh runs this once more under an English locale.
TEST_F(Installer, ConfigurationNamesTheSystemsLanguage) {
    const std::pair<LANGID, const wchar_t*> cases[] = {{LANG_RUSSIAN, L"Russian.Lang.txt"},
                                                       {LANG_ENGLISH, L"English.Lang.txt"}};
    const LANGID language = PRIMARYLANGID(GetUserDefaultUILanguage());
    auto found = std::find_if(std::begin(cases), std::end(cases), [&](const auto& c) { return c.first == language; });
    ASSERT_NE(std::end(cases), found) << "no case for the language " << language;
    ASSERT_EQ(0u, ExitCodeOf(SetupExe + L" /S"));
    EXPECT_EQ(LineFileBytes({L"1", L"Languages", found->second}), ReadBytes(PathOf(DefaultFolder + L"\\config.txt")));
}

// An upgrade removes the files of a language no longer shipped, and a config.txt naming it is written as
// at a first installation; a language renamed only in case keeps its files, which Windows, deaf to case,
// would delete under the old name.
TEST_F(Installer, AnUpgradeRemovesOnlyTheLanguagesNoLongerShipped) {
    const std::pair<std::wstring, bool> cases[] = {
        {L"German.Lang.txt", true}, {L"GERMAN.LANG.TXT", true}, {L"Ukrainian.Lang.txt", false}};
    for (const auto& [language, rewritten] : cases) {
        SCOPED_TRACE(NarrowUtf8(language));
        ASSERT_EQ(0u, ExitCodeOf(SetupExe + L" /S"));
        const std::string config = LineFileBytes({L"1", L"Languages", language});
        WriteBytes(PathOf(DefaultFolder + L"\\config.txt"), config);
        ASSERT_EQ(0u, ExitCodeOf(NextSetupExe + L" /S"));
        EXPECT_EQ(rewritten ? DefaultConfigBytes : config, ReadBytes(PathOf(DefaultFolder + L"\\config.txt")));
        for (const wchar_t* name : {L"German.Lang.txt", L"German Help.txt"})
            EXPECT_FALSE(Exists(DefaultFolder + L"\\Languages\\" + name)) << NarrowUtf8(name);
        for (const wchar_t* name : {L"Ukrainian.Lang.txt", L"Ukrainian Help.txt"})
            EXPECT_EQ(ReadBytes(Staged / "Languages" / name),
                      ReadBytes(PathOf(DefaultFolder + L"\\Languages\\" + name)));
        RemoveLeftovers(DefaultFolder);
    }
}

// Only the installed copy keeps the installer and uninstaller waiting: a portable one running from
// another folder does not.
TEST_F(Installer, APortableCopyElsewhereIsNoReasonToWait) {
    TemporaryFolder portable;
    ASSERT_TRUE(CopyFileW((DistFolder() + L"\\zarvik\\zarvik.exe").c_str(),
                          WideOf(portable.Path() / "zarvik.exe").c_str(), FALSE));
    PROCESS_INFORMATION program = Start(L"\"" + WideOf(portable.Path() / "zarvik.exe") + L"\"");
    ASSERT_TRUE(PumpUntil([] { return FindWindowW(ProductClassName().c_str(), nullptr) != nullptr; }, OtherProcessMs));
    EXPECT_EQ(0u, ExitCodeOf(SetupExe + L" /S"));
    EXPECT_EQ(0u, ExitCodeOf(L"\"" + DefaultFolder + L"\\uninstall.exe\" /S _?=" + DefaultFolder));
    EXPECT_FALSE(KeyExists());
    PostMessageW(FindWindowW(ProductClassName().c_str(), nullptr), WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, Finish(program));
}

}  // namespace

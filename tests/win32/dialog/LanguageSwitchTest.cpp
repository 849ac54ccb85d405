// The language switch: the chosen name goes into config.txt and every text on screen follows at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <iterator>

#include "resources/resource.h"
#include "tests/win32/dialog/DialogFixture.h"
#include "text/Config.h"
#include "text/StringList.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "ui/UiServices.h"

using LanguageSwitch = DialogFixture;

namespace {

const DialogStep PressLanguage = {L"Game Rules Help", [](HWND dialog) { PostCommand(dialog, IDC_LANGUAGE); }};

DialogStep PickFile(const std::wstring& path) {
    return {L"Change Language", [path](HWND box) {
                SetDlgItemTextW(box, cmb13, path.c_str());
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }};
}

// The four texts the switch refreshes, and the display as it was while the dialog was still open.
struct SeenDialog {
    std::vector<std::wstring> texts;
    std::vector<DWORD> display;
};

DialogStep ReadAndClose(SeenDialog& seen) {
    return {L"Game Rules Help", [&seen](HWND dialog) {
                for (int id : {IDC_TITLE, IDC_LANGUAGE, IDC_UI_CREDITS, IDC_HELP_CREDITS})
                    seen.texts.push_back(ItemText(dialog, id));
                seen.display = BackBufferNow();
                PostCommand(dialog, IDOK);
            }};
}

// Picks the file, answers the one message box the switch raises, then reads the dialog and closes it.
bool SwitchWithAMessage(const std::wstring& path, std::vector<SeenMessage>& messages, SeenDialog& seen) {
    bool ran = false;
    RunSystemDialog({PressLanguage, PickFile(path), AnswerMessage(messages), ReadAndClose(seen)}, &ran);
    return ran && messages.size() == 1;
}

std::vector<std::wstring> DialogTextsFor(const std::vector<std::wstring>& lines) {
    return {ProductTitleText(), lines[TS_LANGUAGE_NAME], lines[TS_UI_CREDITS], lines[TS_HELP_CREDITS]};
}

FILETIME ModificationTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// An old time, so a rewrite within the same clock tick still shows.
void BackdateFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SYSTEMTIME january2001 = {2001, 1, 1, 1, 12, 0, 0, 0};
    FILETIME old;
    SystemTimeToFileTime(&january2001, &old);
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
}

}  // namespace

TEST_F(LanguageSwitch, AFileInTheLanguageFolderIsSavedAndShownAtOnce) {
    const std::vector<DWORD> displayBefore = BackBufferNow();
    std::wstring startFolder;
    std::vector<std::wstring> filters;
    SeenDialog seen;
    bool ran = false;
    RunSystemDialog({PressLanguage,
                     {L"Change Language",
                      [&](HWND box) {
                          wchar_t folder[MAX_PATH] = {};
                          SendMessageW(box, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
                          startFolder = folder;
                          for (LRESULT i = 0; i < SendDlgItemMessageW(box, cmb1, CB_GETCOUNT, 0, 0); i++) {
                              wchar_t filter[64] = {};
                              SendDlgItemMessageW(box, cmb1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(filter));
                              filters.push_back(filter);
                          }
                          SetDlgItemTextW(box, cmb13, ModulePath(L"Languages\\Beta.Lang.txt").c_str());
                          PostMessageW(box, WM_COMMAND, IDOK, 0);
                      }},
                     ReadAndClose(seen)},
                    &ran);
    ASSERT_TRUE(ran);
    EXPECT_EQ(ModulePath(L"Languages"), startFolder);
    EXPECT_EQ((std::vector<std::wstring>{L"Language Files", L"Any Files"}), filters);
    EXPECT_EQ(ConfigBytes(L"Languages", L"Beta.Lang.txt"), ReadBytes(ModulePath(L"config.txt")));
    EXPECT_EQ(beta, TextTableNow());
    EXPECT_EQ(ModulePath(L"Languages\\Beta Help.txt"), HelpFilePath);
    EXPECT_EQ(DialogTextsFor(beta), seen.texts);
    const std::vector<FullPaint> paints = FullPaints();
    ASSERT_EQ(1u, paints.size());
    EXPECT_TRUE(paints[0].dialogOpen);
    EXPECT_EQ(beta[TS_PRESS_WHITE], paints[0].pressWhite);
    EXPECT_NE(displayBefore, seen.display) << "the display still shows the old prompt";
}

TEST_F(LanguageSwitch, TheSameNameElsewhereLoadsTheOneInTheLanguageFolder) {
    WriteLanguageFile(L"Elsewhere\\Beta.Lang.txt", LanguageLines(L"Gamma"));
    SeenDialog seen;
    bool ran = false;
    RunSystemDialog({PressLanguage, PickFile(ModulePath(L"Elsewhere\\Beta.Lang.txt")), ReadAndClose(seen)}, &ran);
    ASSERT_TRUE(ran);
    EXPECT_EQ(ConfigBytes(L"Languages", L"Beta.Lang.txt"), ReadBytes(ModulePath(L"config.txt")));
    EXPECT_EQ(beta, TextTableNow());
    EXPECT_EQ(DialogTextsFor(beta), seen.texts);
}

TEST_F(LanguageSwitch, AnEmptyFilePassesTheProbeThenFallsBackToTheBuiltInTexts) {
    CloseHandle(CreateFileW(ModulePath(L"Languages\\Empty.Lang.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            0, nullptr));
    std::vector<SeenMessage> messages;
    SeenDialog seen;
    ASSERT_TRUE(SwitchWithAMessage(ModulePath(L"Languages\\Empty.Lang.txt"), messages, seen));
    EXPECT_EQ(L"Zarvik", messages[0].caption);
    EXPECT_EQ(L"Error Load Language File:\n\n" + ModulePath(L"Languages\\Empty.Lang.txt"), messages[0].text);
    const std::vector<std::wstring> defaults(std::begin(DefaultTextTable), std::end(DefaultTextTable));
    EXPECT_EQ(defaults, TextTableNow());
    EXPECT_EQ(DialogTextsFor(defaults), seen.texts);
    EXPECT_EQ(L"Language - Russian", seen.texts[1]);
    EXPECT_EQ(ConfigBytes(L"Languages", L"Empty.Lang.txt"), ReadBytes(ModulePath(L"config.txt")));
}

// Greek has no place in the Russian ANSI code page the tests run under.
TEST_F(LanguageSwitch, ANameOutsideTheAnsiCodePageLoads) {
    const std::wstring greek = L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac";
    const std::vector<std::wstring> lines = LanguageLines(greek);
    WriteLanguageFile(L"Languages\\" + greek + L".Lang.txt", lines);
    SeenDialog seen;
    bool ran = false;
    RunSystemDialog({PressLanguage, PickFile(ModulePath(L"Languages\\" + greek + L".Lang.txt")), ReadAndClose(seen)},
                    &ran);
    ASSERT_TRUE(ran);
    EXPECT_EQ(ConfigBytes(L"Languages", greek + L".Lang.txt"), ReadBytes(ModulePath(L"config.txt")));
    EXPECT_EQ(lines, TextTableNow());
    EXPECT_EQ(DialogTextsFor(lines), seen.texts);
}

TEST_F(LanguageSwitch, CancelOrAnUnreadableFileChangesNothing) {
    const std::wstring configPath = ModulePath(L"config.txt");
    const struct {
        const char* what;
        std::function<void(HWND)> answer;
        const wchar_t* lockedFile;
    } cases[] = {
        {"Cancel", [](HWND box) { PostMessageW(box, WM_COMMAND, IDCANCEL, 0); }, nullptr},
        {"a file no one may read",
         [](HWND box) {
             SetDlgItemTextW(box, cmb13, ModulePath(L"Languages\\Beta.Lang.txt").c_str());
             PostMessageW(box, WM_COMMAND, IDOK, 0);
         },
         L"Languages\\Beta.Lang.txt"},
    };
    for (const auto& c : cases) {
        BackdateFile(configPath);
        const std::string bytesBefore = ReadBytes(configPath);
        const FILETIME timeBefore = ModificationTime(configPath);
        HANDLE lock = c.lockedFile ? LockFile(ModulePath(c.lockedFile)) : INVALID_HANDLE_VALUE;
        SeenDialog seen;
        bool ran = false;
        RunSystemDialog({PressLanguage, {L"Change Language", c.answer}, ReadAndClose(seen)}, &ran);
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        EXPECT_TRUE(ran) << c.what;
        EXPECT_EQ(bytesBefore, ReadBytes(configPath)) << c.what;
        const FILETIME timeAfter = ModificationTime(configPath);
        EXPECT_EQ(0, CompareFileTime(&timeBefore, &timeAfter)) << c.what;
        EXPECT_EQ(alpha, TextTableNow()) << c.what;
        EXPECT_EQ(DialogTextsFor(alpha), seen.texts) << c.what;
        EXPECT_TRUE(FullPaints().empty()) << c.what;
    }
}

TEST_F(LanguageSwitch, AConfigurationThatCantBeWrittenIsReportedAndNothingChanges) {
    const std::wstring configPath = ModulePath(L"config.txt");
    const std::string bytesBefore = ReadBytes(configPath);
    HANDLE lock = LockFile(configPath);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    std::vector<SeenMessage> messages;
    SeenDialog seen;
    const bool switched = SwitchWithAMessage(ModulePath(L"Languages\\Beta.Lang.txt"), messages, seen);
    CloseHandle(lock);
    ASSERT_TRUE(switched);
    EXPECT_EQ(L"Error Save Config File:\n\n" + configPath, messages[0].text);
    EXPECT_EQ(alpha, TextTableNow());
    EXPECT_EQ(DialogTextsFor(alpha), seen.texts);
    EXPECT_EQ(L"Alpha.Lang.txt", LanguageFileName);
    EXPECT_EQ((std::vector<std::wstring>{L"1", L"Languages", L"Alpha.Lang.txt", L""}),
              std::vector<std::wstring>(std::begin(ConfigLines), std::end(ConfigLines)));
    EXPECT_TRUE(FullPaints().empty());
    EXPECT_EQ(bytesBefore, ReadBytes(configPath));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(TemporaryPathFor(configPath).c_str())) << "a stray file is left";
}

// Modal to the dialog the players are in: the dialog can't be pressed or closed under the box, and the
// main window stays disabled until the dialog itself closes.
TEST_F(LanguageSwitch, ItsMessagesAreModalToTheDialog) {
    CloseHandle(CreateFileW(ModulePath(L"Languages\\Empty.Lang.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            0, nullptr));
    const struct {
        const char* what;
        const wchar_t* chosen;
        const wchar_t* locked;
    } cases[] = {{"a bad language file", L"Languages\\Empty.Lang.txt", nullptr},
                 {"a configuration that can't be written", L"Languages\\Beta.Lang.txt", L"config.txt"}};
    for (const auto& c : cases) {
        HANDLE lock = c.locked ? LockFile(ModulePath(c.locked)) : INVALID_HANDLE_VALUE;
        HWND dialog = nullptr, owner = nullptr;
        bool enabledUnderTheBox[2] = {true, true}, enabledAfterIt[2] = {false, true}, focusedAfterIt = false;
        bool ran = false;
        RunSystemDialog({PressLanguage, PickFile(ModulePath(c.chosen)),
                         {L"Zarvik",
                          [&](HWND box) {
                              dialog = FindWindowW(L"#32770", L"Game Rules Help");
                              owner = GetWindow(box, GW_OWNER);
                              enabledUnderTheBox[0] = IsWindowEnabled(dialog);
                              enabledUnderTheBox[1] = IsWindowEnabled(MainWindowHandle);
                              PostMessageW(box, WM_COMMAND, IDOK, 0);
                          }},
                         {L"Game Rules Help",
                          [&](HWND shown) {
                              enabledAfterIt[0] = IsWindowEnabled(shown);
                              enabledAfterIt[1] = IsWindowEnabled(MainWindowHandle);
                              focusedAfterIt = GetActiveWindow() == shown && IsChild(shown, GetFocus());
                              PostCommand(shown, IDOK);
                          }}},
                        &ran);
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        ASSERT_TRUE(ran) << c.what;
        EXPECT_EQ(dialog, owner) << c.what;
        EXPECT_FALSE(enabledUnderTheBox[0]) << c.what << ": the dialog could be pressed under the box";
        EXPECT_FALSE(enabledUnderTheBox[1]) << c.what;
        EXPECT_TRUE(enabledAfterIt[0]) << c.what;
        EXPECT_TRUE(focusedAfterIt) << c.what;
        EXPECT_FALSE(enabledAfterIt[1]) << c.what << ": the main window was enabled under the dialog";
        EXPECT_TRUE(IsWindowEnabled(MainWindowHandle)) << c.what;
    }
}

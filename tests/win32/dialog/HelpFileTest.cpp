// Game Rules Help: only a document reaches the shell, with COM ready; anything else is reported.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/win32/dialog/DialogFixture.h"
#include "tests/win32/dialog/ShellSpy.h"
#include "text/Config.h"
#include "text/TextResources.h"
#include "ui/OnDemandLibraries.h"

using HelpFile = DialogFixture;
using namespace std::string_literals;

// The help file's name comes from a language file, which may name a program, a script or a shortcut, or
// hide one behind a U+0000 where the shell stops reading. A refused name is shown whole, each control
// character as U+FFFD.
TEST_F(HelpFile, OnlyDocumentsReachTheShell) {
    struct Case {
        std::wstring name;
        bool opens;
        std::wstring shown = {};  // when it differs from the name
    };
    const Case cases[] = {
        {L"Rules.txt", true},     {L"Rules.TXT", true},    {L"Rules.Rtf", true},       {L"Rules.htm", true},
        {L"Rules.HTML", true},    {L"Rules.pdf", true},    {L"Missing.md", true},      {L"..\\Rules.mD", true},
        {L"Help.exe", false},     {L"Help.txt.exe", false}, {L"Help.bat", false},      {L"Help.lnk", false},
        {L"Help", false},         {L"Help.exe.", false},   {L"Help.txt ", false},      {L"Help.tx", false},
        {L"Help.txtx", false},    {L"Help.txt\\..\\Run.exe", false},
        {L"Help.lnk\0.txt"s, false, L"Help.lnk\uFFFD.txt"},
        {L"..\\..\\Downloads\\setup.exe\0.txt"s, false, L"..\\..\\Downloads\\setup.exe\uFFFD.txt"},
        {L"Help\t.txt", false, L"Help\uFFFD.txt"},     {L"Help\r\nRun.txt", false, L"Help\uFFFD\uFFFDRun.txt"},
        {L"Help\x7F.txt", false, L"Help\uFFFD.txt"},   {L"Help\x9B.txt", false, L"Help\uFFFD.txt"}};
    for (const auto& [name, opens, shown] : cases) {
        SCOPED_TRACE(testing::PrintToString(name));
        ShellCalls.clear();
        HelpFilePath = ModulePath(L"Languages\\") + name;
        std::vector<SeenMessage> seen;
        std::vector<DialogStep> steps = {{L"Game Rules Help", [](HWND dialog) { PostCommand(dialog, IDC_RULES_HELP); }}};
        if (!opens) steps.push_back(AnswerMessage(seen));
        steps.push_back({L"Game Rules Help", [](HWND dialog) { PostCommand(dialog, IDOK); },
                         [&](HWND) { return !ShellCalls.empty() || !seen.empty(); }});
        bool ran = false;
        RunSystemDialog(steps, &ran);
        EXPECT_TRUE(ran);
        ASSERT_EQ(opens ? 1u : 0u, ShellCalls.size());
        ASSERT_EQ(opens ? 0u : 1u, seen.size());
        if (opens) {
            EXPECT_EQ(HelpFilePath, ShellCalls[0].file);
            EXPECT_TRUE(ShellCalls[0].comReady);
        } else {
            EXPECT_EQ(L"Zarvik", seen[0].caption);
            EXPECT_EQ(L"Error Open Help File:\n\n" + ModulePath(L"Languages\\") + (shown.empty() ? name : shown),
                      seen[0].text);
        }
    }
    UninitialiseCom();  // as at exit: once, however many calls needed it
    EXPECT_FALSE(IsComReady());
}

// Game Rules Help: only a document reaches the shell, with COM ready; anything else is reported.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/win32/dialog/DialogFixture.h"
#include "tests/win32/dialog/ShellSpy.h"
#include "text/Config.h"
#include "text/TextResources.h"
#include "ui/OnDemandLibraries.h"

using HelpFile = DialogFixture;

// The help file's name comes from a language file, which may name a program, a script or a shortcut.
TEST_F(HelpFile, OnlyDocumentsReachTheShell) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"Rules.txt", true},     {L"Rules.TXT", true},    {L"Rules.Rtf", true},       {L"Rules.htm", true},
        {L"Rules.HTML", true},    {L"Rules.pdf", true},    {L"Missing.md", true},      {L"..\\Rules.mD", true},
        {L"Help.exe", false},     {L"Help.txt.exe", false}, {L"Help.bat", false},      {L"Help.lnk", false},
        {L"Help", false},         {L"Help.exe.", false},   {L"Help.txt ", false},      {L"Help.tx", false},
        {L"Help.txtx", false},    {L"Help.txt\\..\\Run.exe", false}};
    for (const auto& [name, opens] : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
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
            EXPECT_EQ(L"Error Open Help File:\n\n" + HelpFilePath, seen[0].text);
        }
    }
    UninitialiseCom();  // as at exit: once, however many calls needed it
    EXPECT_FALSE(IsComReady());
}

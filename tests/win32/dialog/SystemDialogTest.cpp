// The system dialog: its layout, its texts, the help and web commands, and how it closes.
#include <gtest/gtest.h>

#include <iterator>

#include "resources/resource.h"
#include "tests/win32/dialog/DialogFixture.h"
#include "tests/win32/dialog/ShellSpy.h"
#include "text/Config.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "ui/MainWindow.h"
#include "ui/SystemDialog.h"

using SystemDialog = DialogFixture;

namespace {

struct Control {
    int id;
    const wchar_t* className;
    DWORD styleBits;  // must all be set
    RECT units;       // x, y, width, height in dialog units
};

std::wstring ClassOf(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

}  // namespace

TEST_F(SystemDialog, TemplateLaysOutTwelveControlsInTabOrder) {
    const DWORD button = WS_CHILD | WS_VISIBLE;
    const DWORD credits = WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_TABSTOP | ES_CENTER | ES_READONLY;
    const Control expected[] = {
        {IDC_RULES_HELP, L"Button", button | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, {81, 49, 112, 26}},
        {IDC_LANGUAGE, L"Button", button | WS_TABSTOP, {81, 81, 112, 12}},
        {IDC_FONT, L"Button", button | WS_TABSTOP, {201, 81, 36, 12}},
        {IDC_WWW, L"Button", button | WS_TABSTOP, {201, 63, 36, 12}},
        {IDOK, L"Button", button | WS_TABSTOP, {201, 49, 36, 12}},
        {IDC_TITLE, L"Static", button | WS_GROUP | SS_CENTER | SS_NOPREFIX, {85, 13, 148, 8}},
        {-1, L"Static", button | WS_GROUP | SS_CENTER, {85, 26, 148, 8}},
        {-1, L"Button", button | BS_GROUPBOX, {81, 3, 156, 39}},
        {-1, L"Static", button | SS_BITMAP, {7, 7, 65, 86}},
        {IDC_UI_CREDITS, L"Edit", credits, {9, 109, 225, 14}},
        {IDC_HELP_CREDITS, L"Edit", credits, {9, 123, 225, 14}},
        {-1, L"Button", button | BS_GROUPBOX, {6, 97, 231, 42}},
    };
    std::vector<std::wstring> seen;
    RunSystemDialog({{L"Game Rules Help", [&](HWND dialog) {
                          EXPECT_EQ(DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
                                    GetWindowLongW(dialog, GWL_STYLE) &
                                        (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_THICKFRAME));
                          // Its client area lies 22, 17 units into the owner's, 245 x 147 units large: not centred.
                          RECT place = {22, 17, 245, 147};
                          MapDialogRect(dialog, &place);
                          POINT owner = {0, 0}, own = {0, 0};
                          ClientToScreen(MainWindowHandle, &owner);
                          ClientToScreen(dialog, &own);
                          EXPECT_EQ(owner.x + place.left, own.x);
                          EXPECT_EQ(owner.y + place.top, own.y);
                          RECT client;
                          GetClientRect(dialog, &client);
                          EXPECT_EQ(place.right, client.right);
                          EXPECT_EQ(place.bottom, client.bottom);
                          HWND control = GetWindow(dialog, GW_CHILD);
                          for (const Control& want : expected) {
                              ASSERT_NE(nullptr, control) << "fewer than 12 controls";
                              const int id = GetDlgCtrlID(control);
                              EXPECT_EQ(want.id == -1 ? 0xFFFF : want.id, id & 0xFFFF);
                              EXPECT_EQ(want.className, ClassOf(control)) << id;
                              const DWORD style = GetWindowLongW(control, GWL_STYLE);
                              EXPECT_EQ(want.styleBits, style & want.styleBits) << id << " style " << std::hex << style;
                              if (ClassOf(control) == L"Edit") {
                                  EXPECT_EQ(0u, style & WS_BORDER) << id;
                              }
                              RECT where = want.units;  // x, y, width, height, each mapped by itself
                              MapDialogRect(dialog, &where);
                              RECT actual;
                              GetWindowRect(control, &actual);
                              MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
                              EXPECT_EQ(where.left, actual.left) << id;
                              EXPECT_EQ(where.top, actual.top) << id;
                              const bool picture = ClassOf(control) == L"Static" && (style & 0x1F) == SS_BITMAP;
                              // The picture takes the bitmap's own size.
                              EXPECT_EQ(picture ? 130 : where.right, actual.right - actual.left) << id;
                              EXPECT_EQ(picture ? 171 : where.bottom, actual.bottom - actual.top) << id;
                              control = GetWindow(control, GW_HWNDNEXT);
                          }
                          EXPECT_EQ(nullptr, control) << "more than 12 controls";
                          EXPECT_EQ(GetDlgItem(dialog, IDC_RULES_HELP), GetFocus());
                          PostCommand(dialog, IDOK);
                      }}});
}

TEST_F(SystemDialog, ShowsTitleLanguageAndCreditsInForce) {
    TextTable[TS_HELP_CREDITS] = L"";  // an empty slot gives an empty box
    std::vector<std::wstring> texts;
    const INT_PTR result = RunSystemDialog({{L"Game Rules Help", [&](HWND dialog) {
                                                 for (int id : {IDC_TITLE, IDC_LANGUAGE, IDC_UI_CREDITS,
                                                                IDC_HELP_CREDITS, IDC_RULES_HELP, IDC_FONT,
                                                                IDC_WWW, IDOK})
                                                     texts.push_back(ItemText(dialog, id));
                                                 wchar_t caption[64] = {};
                                                 GetWindowTextW(dialog, caption, 64);
                                                 texts.push_back(caption);
                                                 PostCommand(dialog, IDOK);
                                             }}});
    EXPECT_EQ(IDOK, result);
    const std::vector<std::wstring> expected = {
        ProductTitleText(), L"Language - Alpha", L"Alpha interface credits", L"", L"Game Rules Help",
        L"Font...", L"www", L"OK", L"Game Rules Help"};
    EXPECT_EQ(expected, texts);
}

TEST_F(SystemDialog, EnterOpensTheHelpAndKeepsTheDialogOpen) {
    bool stillOpen = false;
    const INT_PTR result = RunSystemDialog({
        {L"Game Rules Help", [](HWND) { PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001); }},
        {L"Game Rules Help",
         [&](HWND dialog) {
             stillOpen = IsWindowVisible(dialog);
             PostCommand(dialog, IDOK);
         },
         [](HWND) { return !ShellCalls.empty(); }},
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(1u, ShellCalls.size());
    EXPECT_EQ(nullptr, ShellCalls[0].owner);
    EXPECT_EQ(L"open", ShellCalls[0].verb);
    EXPECT_EQ(ModulePath(L"Languages\\Alpha Help.txt"), ShellCalls[0].file);
    EXPECT_EQ(HelpFilePath, ShellCalls[0].file);
    EXPECT_FALSE(ShellCalls[0].hasParameters);
    EXPECT_FALSE(ShellCalls[0].hasDirectory);
    EXPECT_EQ(SW_SHOWNORMAL, ShellCalls[0].show);
}

TEST_F(SystemDialog, EscAndTheCloseBoxGiveTwoOkGivesOne) {
    const struct {
        const char* how;
        std::function<void(HWND)> close;
        INT_PTR result;
    } cases[] = {
        {"Esc", [](HWND) { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }, IDCANCEL},
        {"close box", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        {"OK button", [](HWND dialog) { SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }, IDOK},
    };
    for (const auto& c : cases) {
        bool ran = false;
        EXPECT_EQ(c.result, RunSystemDialog({{L"Game Rules Help", c.close}}, &ran)) << c.how;
        EXPECT_TRUE(ran) << c.how;
    }
    EXPECT_TRUE(ShellCalls.empty());
    EXPECT_EQ(alpha, TextTableNow());
    EXPECT_TRUE(FullPaints().empty()) << "closing the dialog asked for a repaint";
}

TEST_F(SystemDialog, WwwOpensTheWebPage) {
    RunSystemDialog({{L"Game Rules Help", [](HWND dialog) {
                          PostCommand(dialog, IDC_WWW);
                          PostCommand(dialog, IDOK);
                      }}});
    ASSERT_EQ(1u, ShellCalls.size());
    EXPECT_EQ(L"https://zarvik.example.org", ShellCalls[0].file);
    EXPECT_EQ(L"open", ShellCalls[0].verb);
}

// ShellExecuteW's answers of 32 and below are error codes.
TEST_F(SystemDialog, OpenDocumentSucceedsAbove32) {
    const std::pair<INT_PTR, bool> cases[] = {{2, false}, {31, false}, {32, false}, {33, true}, {42, true}};
    for (const auto& [answer, opened] : cases) {
        ShellAnswer = answer;
        EXPECT_EQ(opened, OpenDocument(L"C:\\x.txt")) << answer;
    }
    ShellCalls.clear();
    EXPECT_FALSE(OpenDocument(L""));
    EXPECT_TRUE(ShellCalls.empty()) << "an empty name would open the current folder";
}

// A screen reader in a process of its own: it reads zarvik.exe's display and toolbar, presses buttons
// through them and hears every change through an out-of-context event hook.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <tlhelp32.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/Buttons.h"
#include "resources/resource.h"
#include "tests/win32/AccessibleTesting.h"
#include "tests/win32/OtherProcess.h"
#include "tests/win32/TestWindow.h"
#include "text/StringList.h"
#include "text/TextTable.h"

namespace {

struct Event {
    DWORD event;
    HWND window;
    LONG objectId;
    LONG childId;
};
std::vector<Event> Heard;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD, DWORD) {
    if (event == EVENT_OBJECT_NAMECHANGE || event == EVENT_OBJECT_STATECHANGE)
        Heard.push_back({event, window, objectId, childId});
}

int CountHeard(DWORD event, HWND window, LONG childId) {
    int count = 0;
    for (const Event& heard : Heard)
        count += heard.event == event && heard.window == window && heard.objectId == OBJID_CLIENT &&
                 heard.childId == childId;
    return count;
}

// Events come as messages, from another process: pumped for at most ten seconds.
const DWORD HearingMs = 10000;

LONG Number(HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, VARIANT*), IAccessible* object, LONG child) {
    VARIANT value;
    VariantInit(&value);
    HRESULT result = (object->*property)(ChildId(child), &value);
    return SUCCEEDED(result) && value.vt == VT_I4 ? value.lVal : -1;
}
LONG Role(IAccessible* object, LONG child) { return Number(&IAccessible::get_accRole, object, child); }
LONG State(IAccessible* object, LONG child) { return Number(&IAccessible::get_accState, object, child); }

// What a screen reader holds, released when the test is done with it.
struct Held {
    IAccessible* object = nullptr;
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (object != nullptr) object->Release();
    }
    IAccessible* operator->() const { return object; }
};

HRESULT Ask(HWND window, Held& held) {
    return AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                      reinterpret_cast<void**>(&held.object));
}

const auto BlackPieces = PieceCommandsOf(Side::Black);
const auto WhitePieces = PieceCommandsOf(Side::White);

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

// Copies of the system's own, planted beside the program, which it must never load. OLE32 is left out:
// Wine's WINMM imports it and loads it from beside the program at start, before any code of ours runs.
const wchar_t* const PlantedLibraries[] = {L"oleacc.dll", L"oleaut32.dll", L"uiautomationcore.dll"};

// The program with the built-in Russian texts as its language file, a second language beside it, and
// planted libraries.
class ScreenReader : public ProgramFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramFixture::SetUp());
        for (const wchar_t* library : PlantedLibraries)
            ASSERT_TRUE(CopyFileW((SystemFolder() + L"\\" + library).c_str(), (folder + library).c_str(), FALSE));
        ASSERT_TRUE(WriteStringList(DefaultTextTable.data(), TEXT_SLOT_COUNT, folder + L"Languages\\Russian.Lang.txt"));
        std::vector<std::wstring> test(TEXT_SLOT_COUNT);
        for (int slot = 0; slot < TEXT_SLOT_COUNT; slot++) test[slot] = L"Test text " + std::to_wstring(slot);
        test[TS_VERSION] = L"1";
        ASSERT_TRUE(WriteStringList(test.data(), TEXT_SLOT_COUNT, folder + L"Languages\\Test.Lang.txt"));
        ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        comInitialised = true;
        if (screenReaderRunning) {
            ASSERT_TRUE(SystemParametersInfoW(SPI_SETSCREENREADER, TRUE, nullptr, SPIF_UPDATEINIFILE));
        }
        ASSERT_NO_FATAL_FAILURE(Start());
        hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, OnEvent,
                               process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(nullptr, hook);
        main = WaitForWindow(process.dwProcessId, ProductClassName().c_str(), FullTitle());
        ASSERT_NE(nullptr, main);
        toolbar = FindWindowExW(main, nullptr, TOOLBARCLASSNAMEW, nullptr);
        ASSERT_NE(nullptr, toolbar);
        Settle();
        Heard.clear();
    }

    void TearDown() override {
        if (hook != nullptr) UnhookWinEvent(hook);
        if (main != nullptr && IsWindow(main)) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            EXPECT_EQ(0u, ExitCode());
        }
        if (comInitialised) CoUninitialize();
        if (screenReaderRunning) SystemParametersInfoW(SPI_SETSCREENREADER, FALSE, nullptr, SPIF_UPDATEINIFILE);
        ProgramFixture::TearDown();
    }

    // Whatever the program was doing is done and every event it raised on the way has reached us. A sent
    // message comes before the posted ones, so this is no barrier for a command still in the queue.
    void Settle() {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
        PumpMessages();
    }

    void Command(int command) { SendMessageW(main, WM_COMMAND, command, 0); }

    // The way a player takes a language from the system dialog; the dialog is closed again afterwards.
    void ChooseLanguage(const std::wstring& fileName) {
        ASSERT_TRUE(ChooseLanguageIn(process.dwProcessId, main, folder + L"Languages\\" + fileName));
    }

    // A mouse click at the centre of the place the toolbar object gives for the button.
    void Click(IAccessible* buttons, LONG child) {
        LONG left = 0, top = 0, width = 0, height = 0;
        ASSERT_EQ(S_OK, buttons->accLocation(&left, &top, &width, &height, ChildId(child)));
        POINT centre = {left + width / 2, top + height / 2};
        ScreenToClient(toolbar, &centre);
        SendMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        SendMessageW(toolbar, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    }

    bool IsChecked(int command) { return SendMessageW(toolbar, TB_ISBUTTONCHECKED, command, 0) == 1; }
    // The toolbar's own index + 1, as the platform numbers a toolbar's children.
    LONG ElementOf(int command) { return static_cast<LONG>(SendMessageW(toolbar, TB_COMMANDTOINDEX, command, 0)) + 1; }
    // Every command of that kind heard once for the button, and nothing else from the toolbar.
    void ExpectHeardOnce(DWORD event, const std::vector<int>& commands, const char* what) {
        for (int command : commands) EXPECT_EQ(1, CountHeard(event, toolbar, ElementOf(command))) << what << " " << command;
        int fromToolbar = 0;
        for (const Event& heard : Heard) fromToolbar += heard.event == event && heard.window == toolbar;
        EXPECT_EQ(static_cast<int>(commands.size()), fromToolbar) << what;
    }

    bool screenReaderRunning = false;  // as the system knows it
    bool comInitialised = false;
    HWINEVENTHOOK hook = nullptr;
    HWND main = nullptr;
    HWND toolbar = nullptr;
};

class ScreenReaderRunning : public ScreenReader {
protected:
    ScreenReaderRunning() { screenReaderRunning = true; }
};

std::vector<std::wstring> ModulePaths(DWORD processId) {
    std::vector<std::wstring> paths;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) return paths;
    MODULEENTRY32W module = {};
    module.dwSize = sizeof(module);
    for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module))
        paths.push_back(module.szExePath);
    CloseHandle(snapshot);
    return paths;
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The full path the program loaded the library from; empty when it has not loaded it.
std::wstring LoadedFrom(DWORD processId, const std::wstring& library) {
    for (const std::wstring& path : ModulePaths(processId)) {
        if (Lower(path.substr(path.find_last_of(L'\\') + 1)) == library) return Lower(path);
    }
    return L"";
}

TEST_F(ScreenReader, TheLibrariesComeFromTheSystemFolderWhenTheFirstObjectIsAskedFor) {
    for (const wchar_t* library : PlantedLibraries)
        EXPECT_EQ(L"", LoadedFrom(process.dwProcessId, library)) << "before any request: " << Lower(library);
    Held display;
    ASSERT_EQ(S_OK, Ask(main, display));
    for (const wchar_t* library : {L"oleacc.dll", L"ole32.dll", L"oleaut32.dll"})
        EXPECT_EQ(Lower(SystemFolder() + L"\\" + library), LoadedFrom(process.dwProcessId, library));
    Command(ID_WHITE_TURN);
    EXPECT_EQ(L"", LoadedFrom(process.dwProcessId, L"uiautomationcore.dll")) << "no screen reader running";
}

// UI Automation's notification comes with every announcement while the system knows a screen reader is
// running, the first at start-up; Wine has the library but not the call, and the program goes on without.
TEST_F(ScreenReaderRunning, AnnouncesThroughUiAutomationFromTheSystemFolder) {
    EXPECT_EQ(Lower(SystemFolder() + L"\\uiautomationcore.dll"), LoadedFrom(process.dwProcessId, L"uiautomationcore.dll"));
    Held display;
    ASSERT_EQ(S_OK, Ask(main, display));
    Command(ID_NEW_GAME);
    Settle();
    EXPECT_EQ(1, CountHeard(EVENT_OBJECT_NAMECHANGE, main, CHILDID_SELF));
    EXPECT_EQ(L"Нажмите Белую кнопку (или Пробел).", NameOf(display.object, CHILDID_SELF));
}

TEST_F(ScreenReader, HearsWhatTheDisplaySaysOnceForEveryChange) {
    Held display;
    ASSERT_EQ(S_OK, Ask(main, display));
    EXPECT_EQ(ROLE_SYSTEM_CLIENT, Role(display.object, CHILDID_SELF));
    EXPECT_EQ(L"Нажмите Белую кнопку (или Пробел).", NameOf(display.object, CHILDID_SELF)) << "the first game";
    // White keeps only its King and Black nothing, so every draw has one outcome.
    std::vector<int> out(BlackPieces.begin(), BlackPieces.end());
    out.insert(out.end(), WhitePieces.begin() + 1, WhitePieces.end());
    for (int command : out) SendMessageW(toolbar, TB_CHECKBUTTON, command, TRUE);
    std::vector<int> all;
    for (const ButtonRow& button : Buttons) all.push_back(button.command);
    const std::wstring whiteKing = L"Фигура для полухода Белых. Король.";
    const std::wstring blackStalemate = L"Фигура для полухода Чёрных. Пат!";
    const std::wstring newGame = L"Нажмите Белую кнопку (или Пробел).";
    std::vector<int> released = out;  // New Game puts them back, and the turn passes to White again
    released.insert(released.end(), {ID_BLACK_TURN, ID_WHITE_TURN});
    const struct {
        const char* what;
        std::function<void()> act;
        std::wstring said;
        int announced;
        std::vector<int> states;  // buttons whose checked state changed
        std::vector<int> names;   // buttons whose name changed
    } steps[] = {
        {"White Turn", [&] { Command(ID_WHITE_TURN); }, whiteKing, 1, {ID_BLACK_TURN, ID_WHITE_TURN}, {}},
        {"White Turn again: the same words", [&] { Command(ID_WHITE_TURN); }, whiteKing, 1, {}, {}},
        {"three dice: nothing new to say", [&] { Command(ID_THREE_DICE); }, whiteKing, 0, {}, {}},
        {"White Turn with three dice: the whole turn, once", [&] { Command(ID_WHITE_TURN); },
         L"Фигура для полухода Белых. Король, Король, Король", 1, {}, {}},
        {"Black Turn: stalemate", [&] { Command(ID_BLACK_TURN); }, blackStalemate, 1, {}, {}},
        {"space bar: Black again after a stalemate",
         [&] { SendMessageW(main, WM_KEYUP, VK_SPACE, 0xC0390001); }, blackStalemate, 1, {}, {}},
        {"New Game", [&] { Command(ID_NEW_GAME); }, newGame, 1, released, out},
        {"another language", [&] { ChooseLanguage(L"Test.Lang.txt"); }, L"Test text 3", 1, {}, all},
        {"the same language again: nothing new to say", [&] { ChooseLanguage(L"Test.Lang.txt"); }, L"Test text 3", 0,
         {}, {}},
        {"one die again", [&] { Command(ID_ONE_DIE); }, L"Test text 3", 0, {}, {}},
    };
    for (const auto& step : steps) {
        Heard.clear();
        step.act();
        Settle();
        EXPECT_EQ(step.said, NameOf(display.object, CHILDID_SELF)) << step.what;
        EXPECT_EQ(step.announced, CountHeard(EVENT_OBJECT_NAMECHANGE, main, CHILDID_SELF)) << step.what;
        ExpectHeardOnce(EVENT_OBJECT_STATECHANGE, step.states, step.what);
        ExpectHeardOnce(EVENT_OBJECT_NAMECHANGE, step.names, step.what);
        EXPECT_EQ(step.announced + step.states.size() + step.names.size(), Heard.size()) << step.what << ": nothing else";
    }
}

// Numbered as the platform numbers a toolbar's children, so that its events and our answers name the
// same button. The place is checked on the screen, inside the toolbar's window, and by asking what lies at
// its centre; the clicks below land there too.
TEST_F(ScreenReader, NamesEveryButtonInBothStatesWithItsRoleAndPlace) {
    Held buttons;
    ASSERT_EQ(S_OK, Ask(toolbar, buttons));
    EXPECT_EQ(ROLE_SYSTEM_TOOLBAR, Role(buttons.object, CHILDID_SELF));
    const LONG count = static_cast<LONG>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    LONG answered = 0;
    ASSERT_EQ(S_OK, buttons->get_accChildCount(&answered));
    ASSERT_EQ(count, answered);
    std::vector<bool> isButton(count + 1, false);
    RECT bar = {};
    GetWindowRect(toolbar, &bar);
    for (const ButtonRow& button : Buttons) {
        const LONG child = ElementOf(button.command);
        ASSERT_TRUE(child >= 1 && child <= count) << button.command;
        isButton[child] = true;
        const LONG role = button.role == ButtonRole::Piece ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON;
        EXPECT_EQ(role, Role(buttons.object, child)) << child;
        for (bool down : {true, false}) {
            SendMessageW(toolbar, TB_CHECKBUTTON, button.command, MAKELPARAM(down, 0));
            EXPECT_EQ(DefaultTextTable[down ? button.outOfDrawNameSlot : button.nameSlot], NameOf(buttons.object, child))
                << child << (down ? " pressed in" : " up");
            EXPECT_EQ(down ? STATE_SYSTEM_CHECKED : 0, State(buttons.object, child) & STATE_SYSTEM_CHECKED) << child;
        }
        LONG left = 0, top = 0, width = 0, height = 0;
        ASSERT_EQ(S_OK, buttons->accLocation(&left, &top, &width, &height, ChildId(child)));
        EXPECT_TRUE(left >= bar.left && top >= bar.top && left + width <= bar.right && top + height <= bar.bottom &&
                    width >= 40 && height >= 40)
            << child << ": " << left << "," << top << " " << width << "x" << height;
        VARIANT hit;
        VariantInit(&hit);
        EXPECT_EQ(S_OK, buttons->accHitTest(left + width / 2, top + height / 2, &hit));
        EXPECT_TRUE(hit.vt == VT_I4 && hit.lVal == child) << child;
    }
    // The rest are separators: no name, nothing to do.
    for (LONG child = 1; child <= count; child++) {
        if (isButton[child]) continue;
        EXPECT_EQ(ROLE_SYSTEM_SEPARATOR, Role(buttons.object, child)) << child;
        BSTR action = nullptr;
        EXPECT_EQ(S_FALSE, buttons->get_accDefaultAction(ChildId(child), &action)) << child;
        EXPECT_EQ(nullptr, action) << child;
        EXPECT_EQ(DISP_E_MEMBERNOTFOUND, buttons->accDoDefaultAction(ChildId(child))) << child;
    }
    for (LONG wrong : {count + 1, count + 6, LONG(-1)}) {
        HRESULT result = S_OK;
        NameOf(buttons.object, wrong, &result);
        EXPECT_EQ(E_INVALIDARG, result) << wrong;
        EXPECT_EQ(E_INVALIDARG, buttons->accDoDefaultAction(ChildId(wrong))) << wrong;
    }
    std::vector<VARIANT> children(count);
    LONG obtained = 0;
    ASSERT_EQ(S_OK, AccessibleChildren(buttons.object, 0, count, children.data(), &obtained));
    ASSERT_EQ(count, obtained);
    for (LONG i = 0; i < count; i++) EXPECT_TRUE(children[i].vt == VT_I4 && children[i].lVal == i + 1) << i;
    const struct {
        LONG from;
        LONG direction;
        LONG to;
    } moves[] = {{CHILDID_SELF, NAVDIR_FIRSTCHILD, 1}, {CHILDID_SELF, NAVDIR_LASTCHILD, count}, {1, NAVDIR_NEXT, 2},
                 {ElementOf(ID_BLACK_KING), NAVDIR_DOWN, ElementOf(ID_WHITE_KING)},
                 {ElementOf(ID_WHITE_TURN), NAVDIR_UP, ElementOf(ID_BLACK_TURN)}};
    for (const auto& move : moves) {
        VARIANT end;
        VariantInit(&end);
        EXPECT_EQ(S_OK, buttons->accNavigate(move.direction, ChildId(move.from), &end)) << move.from;
        EXPECT_TRUE(end.vt == VT_I4 && end.lVal == move.to) << move.from << " " << move.direction;
    }
}

TEST_F(ScreenReader, ADefaultActionDoesWhatAClickDoesAndEveryToggleIsAnnouncedOnce) {
    Held buttons, display;
    ASSERT_EQ(S_OK, Ask(toolbar, buttons));
    ASSERT_EQ(S_OK, Ask(main, display));
    BSTR action = nullptr;
    EXPECT_EQ(S_OK, buttons->get_accDefaultAction(ChildId(ElementOf(ID_NEW_GAME)), &action));
    EXPECT_EQ(DefaultTextTable[TS_PRESS], action != nullptr ? std::wstring(action) : L"");
    SysFreeString(action);
    const struct {
        const char* what;
        int command;
        bool byMouse;
        bool checkedAfter;
    } toggles[] = {
        {"default action on Black Queen", ID_BLACK_QUEEN, false, true},
        {"default action on Black Queen again", ID_BLACK_QUEEN, false, false},
        {"click on White Rook", ID_WHITE_ROOK, true, true},
        {"click on White Rook again", ID_WHITE_ROOK, true, false},
    };
    for (const auto& toggle : toggles) {
        Heard.clear();
        const LONG child = ElementOf(toggle.command);
        if (toggle.byMouse) {
            ASSERT_NO_FATAL_FAILURE(Click(buttons.object, child));
        } else {
            EXPECT_EQ(S_OK, buttons->accDoDefaultAction(ChildId(child))) << toggle.what;
        }
        EXPECT_EQ(toggle.checkedAfter, IsChecked(toggle.command)) << toggle.what;
        EXPECT_TRUE(PumpUntil([] { return Heard.size() >= 2; }, HearingMs)) << toggle.what;
        Settle();
        ExpectHeardOnce(EVENT_OBJECT_STATECHANGE, {toggle.command}, toggle.what);
        ExpectHeardOnce(EVENT_OBJECT_NAMECHANGE, {toggle.command}, toggle.what);
        EXPECT_EQ(2u, Heard.size()) << toggle.what << ": nothing else";
        EXPECT_EQ(toggle.checkedAfter ? STATE_SYSTEM_CHECKED : 0, State(buttons.object, child) & STATE_SYSTEM_CHECKED)
            << toggle.what;
    }

    // White Turn draws for White, as its click does; with the King alone in, the King.
    for (int command : {ID_WHITE_QUEEN, ID_WHITE_BISHOP, ID_WHITE_KNIGHT, ID_WHITE_ROOK, ID_WHITE_PAWN})
        SendMessageW(toolbar, TB_CHECKBUTTON, command, TRUE);
    Heard.clear();
    EXPECT_EQ(S_OK, buttons->accDoDefaultAction(ChildId(ElementOf(ID_WHITE_TURN))));
    EXPECT_TRUE(PumpUntil([this] { return CountHeard(EVENT_OBJECT_NAMECHANGE, main, CHILDID_SELF) > 0; }, HearingMs));
    Settle();
    EXPECT_EQ(3u, Heard.size()) << "the display and both turn buttons";
    EXPECT_EQ(L"Фигура для полухода Белых. Король.", NameOf(display.object, CHILDID_SELF));
    EXPECT_TRUE(IsChecked(ID_WHITE_TURN));
    EXPECT_FALSE(IsChecked(ID_BLACK_TURN));
}

// Behind a modal box nothing may change the game, nor a second system dialog open over the first.
TEST_F(ScreenReader, NothingUnderAModalBoxCanBePressed) {
    Held buttons, display;
    ASSERT_EQ(S_OK, Ask(toolbar, buttons));
    ASSERT_EQ(S_OK, Ask(main, display));
    PostMessageW(main, WM_COMMAND, ID_HELP, 0);
    HWND dialog = WaitForWindow(process.dwProcessId, L"#32770", L"Game Rules Help");
    ASSERT_NE(nullptr, dialog);
    const std::wstring said = NameOf(display.object, CHILDID_SELF);
    for (const ButtonRow& button : Buttons) {
        const LONG child = ElementOf(button.command);
        EXPECT_EQ(STATE_SYSTEM_UNAVAILABLE, State(buttons.object, child) & STATE_SYSTEM_UNAVAILABLE) << child;
        EXPECT_EQ(E_FAIL, buttons->accDoDefaultAction(ChildId(child))) << child;
    }
    PostMessageW(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main), MAKELPARAM(-1, -1));
    Settle();
    EXPECT_EQ(nullptr, WaitForWindow(process.dwProcessId, L"#32768", L"", 500)) << "no menu under the box";
    for (const ButtonRow& button : Buttons)
        EXPECT_EQ(button.command == ID_BLACK_TURN, IsChecked(button.command)) << button.command;
    EXPECT_EQ(said, NameOf(display.object, CHILDID_SELF));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([dialog] { return !IsWindow(dialog); }, HearingMs));
    EXPECT_EQ(0, State(buttons.object, ElementOf(ID_NEW_GAME)) & STATE_SYSTEM_UNAVAILABLE) << "usable again";
}

// The player's keyboard alone: Shift+F10 or the Menu key, arrows and Enter reach one item of each kind, and
// each does what its button's click does, announcements included.
TEST_F(ScreenReader, TheContextMenuReachesEveryKindOfButtonFromTheKeyboard) {
    Held display;
    ASSERT_EQ(S_OK, Ask(main, display));
    const std::vector<WORD> toWhiteKing = {VK_DOWN, VK_DOWN, VK_RIGHT};  // a submenu opens on its first item
    const std::vector<WORD> toNewGame = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN};
    const struct {
        const char* what;
        WORD opener;
        std::vector<WORD> keys;
        std::wstring said;                // how the display begins afterwards; empty: as before
        std::vector<int> checked;         // the buttons pressed in afterwards
        std::vector<int> states, names;   // the buttons announced
    } choices[] = {
        {"Shift+F10, White Turn", VK_F10, {VK_DOWN}, L"Фигура для полухода Белых.", {ID_WHITE_TURN},
         {ID_BLACK_TURN, ID_WHITE_TURN}, {}},
        {"Menu key, White pieces, King", VK_APPS, toWhiteKing, L"", {ID_WHITE_TURN, ID_WHITE_KING}, {ID_WHITE_KING},
         {ID_WHITE_KING}},
        {"Menu key, New Game", VK_APPS, toNewGame, L"Нажмите Белую кнопку (или Пробел).", {ID_BLACK_TURN},
         {ID_BLACK_TURN, ID_WHITE_TURN, ID_WHITE_KING}, {ID_WHITE_KING}},
    };
    for (const auto& choice : choices) {
        Heard.clear();
        const std::wstring before = NameOf(display.object, CHILDID_SELF);
        TypeKeys(choice.opener == VK_F10 ? std::vector<WORD>{VK_SHIFT, VK_F10} : std::vector<WORD>{VK_APPS});
        HWND menu = WaitForWindow(process.dwProcessId, L"#32768");
        ASSERT_NE(nullptr, menu) << choice.what;
        for (WORD key : choice.keys) TypeKeys({key});
        TypeKeys({VK_RETURN});
        ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(menu); }, HearingMs)) << choice.what;
        EXPECT_TRUE(PumpUntil([&] { return !Heard.empty(); }, HearingMs)) << choice.what;
        Settle();
        EXPECT_EQ(nullptr, WaitForWindow(process.dwProcessId, L"#32768", L"", 500)) << choice.what << ": a second menu";
        for (const ButtonRow& button : Buttons) {
            const bool checked = std::find(choice.checked.begin(), choice.checked.end(), button.command) !=
                                 choice.checked.end();
            EXPECT_EQ(checked, IsChecked(button.command)) << choice.what << " " << button.command;
        }
        const std::wstring said = NameOf(display.object, CHILDID_SELF);
        EXPECT_EQ(choice.said.empty() ? before : choice.said, choice.said.empty() ? said : said.substr(0, choice.said.size()))
            << choice.what;
        ExpectHeardOnce(EVENT_OBJECT_STATECHANGE, choice.states, choice.what);
        ExpectHeardOnce(EVENT_OBJECT_NAMECHANGE, choice.names, choice.what);
    }
    TypeKeys({VK_APPS});  // Help, the last item, is one step up
    ASSERT_NE(nullptr, WaitForWindow(process.dwProcessId, L"#32768"));
    TypeKeys({VK_UP});
    TypeKeys({VK_RETURN});
    HWND dialog = WaitForWindow(process.dwProcessId, L"#32770", L"Game Rules Help");
    ASSERT_NE(nullptr, dialog);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([dialog] { return !IsWindow(dialog); }, HearingMs));
}

TEST_F(ScreenReader, AThousandRequestsLeaveTheProgramAsItWas) {
    auto askAndRead = [this](int times) {
        for (int i = 0; i < times; i++) {
            Held display, buttons;
            ASSERT_EQ(S_OK, Ask(main, display));
            ASSERT_EQ(S_OK, Ask(toolbar, buttons));
            ASSERT_NE(L"", NameOf(display.object, CHILDID_SELF));
            ASSERT_NE(L"", NameOf(buttons.object, ElementOf(Buttons[i % std::size(Buttons)].command)));
        }
        Settle();
    };
    // COM takes worker threads for the calls, each with a megabyte of stack, and they wait a few seconds for
    // more before they end. Asking for an object makes no call yet, so the threads then are the idle ones.
    DWORD idleThreads = 0;
    {
        Held display;
        ASSERT_EQ(S_OK, Ask(main, display));
        Settle();
        idleThreads = FootprintOf(process.hProcess).threads;
    }
    auto weighWhenIdle = [&] {
        Footprint idle;
        EXPECT_TRUE(PumpUntil([&] {
            idle = FootprintOf(process.hProcess);
            return idle.threads <= idleThreads;
        }, HearingMs)) << idle.threads << " threads, " << idleThreads << " when idle";
        return idle;
    };
    ASSERT_NO_FATAL_FAILURE(askAndRead(100));  // the libraries, COM and their first allocations
    const Footprint before = weighWhenIdle();
    ASSERT_NO_FATAL_FAILURE(askAndRead(1000));
    const Footprint after = weighWhenIdle();
    std::printf("handles %lu -> %lu, committed bytes %zu -> %zu\n", before.handles, after.handles,
                before.committedBytes, after.committedBytes);
    EXPECT_LE(after.handles, before.handles);
    EXPECT_LE(after.committedBytes, before.committedBytes + 512 * 1024) << "2,000 requests, 1 KB each would be 2 MB";
}

}  // namespace

// A screen reader in a process of its own: it reads zarvik.exe's display and toolbar, presses buttons
// through them and hears every change through an out-of-context event hook.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <tlhelp32.h>

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

// Elements count from 1, in the order of the button table.
constexpr LONG ElementOf(int command) { return ButtonIndex(command) + 1; }

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

// Copies of the system's own, planted beside the program, which it must never load. OLE32 is left out:
// Wine's WINMM imports it and loads it from beside the program at start, before any code of ours runs.
const wchar_t* const PlantedLibraries[] = {L"oleacc.dll", L"oleaut32.dll"};

// The program with the built-in Russian texts as its language file, a second language beside it, and
// planted libraries.
class ScreenReader : public ProgramFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramFixture::SetUp());
        for (const wchar_t* library : PlantedLibraries)
            ASSERT_TRUE(CopyFileW((SystemFolder() + L"\\" + library).c_str(), (folder + library).c_str(), FALSE));
        ASSERT_TRUE(WriteStringList(DefaultTextTable, TEXT_SLOT_COUNT, folder + L"Languages\\Russian.Lang.txt"));
        std::vector<std::wstring> test(TEXT_SLOT_COUNT);
        for (int slot = 0; slot < TEXT_SLOT_COUNT; slot++) test[slot] = L"Test text " + std::to_wstring(slot);
        test[TS_VERSION] = L"1";
        ASSERT_TRUE(WriteStringList(test.data(), TEXT_SLOT_COUNT, folder + L"Languages\\Test.Lang.txt"));
        ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        comInitialised = true;
        ASSERT_NO_FATAL_FAILURE(Start());
        hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, OnEvent,
                               process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(nullptr, hook);
        main = WaitForWindow(process.dwProcessId, L"IGAME", FullTitle());
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

    bool comInitialised = false;
    HWINEVENTHOOK hook = nullptr;
    HWND main = nullptr;
    HWND toolbar = nullptr;
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
}

TEST_F(ScreenReader, HearsWhatTheDisplaySaysOnceForEveryChange) {
    Held display;
    ASSERT_EQ(S_OK, Ask(main, display));
    EXPECT_EQ(ROLE_SYSTEM_CLIENT, Role(display.object, CHILDID_SELF));
    EXPECT_EQ(L"Нажмите Белую кнопку (или Пробел).", NameOf(display.object, CHILDID_SELF)) << "the first game";
    // White keeps only its King and Black nothing, so every draw has one outcome.
    for (int command : {ID_WHITE_QUEEN, ID_WHITE_BISHOP, ID_WHITE_KNIGHT, ID_WHITE_ROOK, ID_WHITE_PAWN, ID_BLACK_KING,
                        ID_BLACK_QUEEN, ID_BLACK_BISHOP, ID_BLACK_KNIGHT, ID_BLACK_ROOK, ID_BLACK_PAWN})
        SendMessageW(toolbar, TB_CHECKBUTTON, command, TRUE);
    const std::wstring whiteKing = L"Фигура для полухода Белых. Король.";
    const std::wstring blackStalemate = L"Фигура для полухода Чёрных. Пат!";
    const std::wstring newGame = L"Нажмите Белую кнопку (или Пробел).";
    const struct {
        const char* what;
        std::function<void()> act;
        std::wstring said;
        int announced;
    } steps[] = {
        {"White Turn", [&] { Command(ID_WHITE_TURN); }, whiteKing, 1},
        {"White Turn again: the same words", [&] { Command(ID_WHITE_TURN); }, whiteKing, 1},
        {"Black Turn: stalemate", [&] { Command(ID_BLACK_TURN); }, blackStalemate, 1},
        {"space bar: Black again after a stalemate",
         [&] { SendMessageW(main, WM_KEYUP, VK_SPACE, 0xC0390001); }, blackStalemate, 1},
        {"New Game", [&] { Command(ID_NEW_GAME); }, newGame, 1},
        {"another language", [&] { ChooseLanguage(L"Test.Lang.txt"); }, L"Test text 3", 1},
        {"the same language again: nothing new to say", [&] { ChooseLanguage(L"Test.Lang.txt"); }, L"Test text 3", 0},
    };
    for (const auto& step : steps) {
        Heard.clear();
        step.act();
        Settle();
        EXPECT_EQ(step.said, NameOf(display.object, CHILDID_SELF)) << step.what;
        EXPECT_EQ(step.announced, CountHeard(EVENT_OBJECT_NAMECHANGE, main, CHILDID_SELF)) << step.what;
        EXPECT_EQ(step.announced, static_cast<int>(Heard.size())) << step.what << ": nothing else";
    }
}

// The place is checked on the screen, inside the toolbar's window, and by asking what lies at its centre;
// the clicks below land there too.
TEST_F(ScreenReader, NamesEveryButtonInBothStatesWithItsRoleAndPlace) {
    Held buttons;
    ASSERT_EQ(S_OK, Ask(toolbar, buttons));
    EXPECT_EQ(ROLE_SYSTEM_TOOLBAR, Role(buttons.object, CHILDID_SELF));
    LONG count = 0;
    ASSERT_EQ(S_OK, buttons->get_accChildCount(&count));
    ASSERT_EQ(BUTTON_COUNT, count);
    RECT bar = {};
    GetWindowRect(toolbar, &bar);
    for (LONG child = 1; child <= BUTTON_COUNT; child++) {
        const ButtonRow& button = Buttons[child - 1];
        const LONG role = button.role == ButtonRole::Piece ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON;
        EXPECT_EQ(role, Role(buttons.object, child)) << child;
        for (bool down : {true, false}) {
            SendMessageW(toolbar, TB_CHECKBUTTON, button.command, MAKELPARAM(down, 0));
            EXPECT_EQ(DefaultTextTable[down ? button.textOut : button.textIn], NameOf(buttons.object, child))
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
}

TEST_F(ScreenReader, ADefaultActionDoesWhatAClickDoesAndEveryToggleIsAnnouncedOnce) {
    Held buttons, display;
    ASSERT_EQ(S_OK, Ask(toolbar, buttons));
    ASSERT_EQ(S_OK, Ask(main, display));
    const struct {
        const char* what;
        LONG child;
        bool byMouse;
        bool checkedAfter;
    } toggles[] = {
        {"default action on Black Queen", ElementOf(ID_BLACK_QUEEN), false, true},
        {"default action on Black Queen again", ElementOf(ID_BLACK_QUEEN), false, false},
        {"click on White Rook", ElementOf(ID_WHITE_ROOK), true, true},
        {"click on White Rook again", ElementOf(ID_WHITE_ROOK), true, false},
    };
    for (const auto& toggle : toggles) {
        Heard.clear();
        if (toggle.byMouse) {
            ASSERT_NO_FATAL_FAILURE(Click(buttons.object, toggle.child));
        } else {
            EXPECT_EQ(S_OK, buttons->accDoDefaultAction(ChildId(toggle.child))) << toggle.what;
        }
        EXPECT_EQ(toggle.checkedAfter, IsChecked(Buttons[toggle.child - 1].command)) << toggle.what;
        EXPECT_TRUE(PumpUntil([] { return !Heard.empty(); }, HearingMs)) << toggle.what;
        Settle();
        EXPECT_EQ(1, CountHeard(EVENT_OBJECT_STATECHANGE, toolbar, toggle.child)) << toggle.what;
        EXPECT_EQ(1u, Heard.size()) << toggle.what << ": nothing else";
        EXPECT_EQ(toggle.checkedAfter ? STATE_SYSTEM_CHECKED : 0,
                  State(buttons.object, toggle.child) & STATE_SYSTEM_CHECKED)
            << toggle.what;
    }

    // White Turn draws for White, as its click does; with the King alone in, the King.
    for (int command : {ID_WHITE_QUEEN, ID_WHITE_BISHOP, ID_WHITE_KNIGHT, ID_WHITE_ROOK, ID_WHITE_PAWN})
        SendMessageW(toolbar, TB_CHECKBUTTON, command, TRUE);
    Heard.clear();
    EXPECT_EQ(S_OK, buttons->accDoDefaultAction(ChildId(ElementOf(ID_WHITE_TURN))));
    EXPECT_TRUE(
        PumpUntil([this] { return CountHeard(EVENT_OBJECT_NAMECHANGE, main, CHILDID_SELF) > 0; }, HearingMs));
    Settle();
    EXPECT_EQ(1u, Heard.size());
    EXPECT_EQ(L"Фигура для полухода Белых. Король.", NameOf(display.object, CHILDID_SELF));
    EXPECT_TRUE(IsChecked(ID_WHITE_TURN));
    EXPECT_FALSE(IsChecked(ID_BLACK_TURN));
}

TEST_F(ScreenReader, AThousandRequestsLeaveTheProgramAsItWas) {
    auto askAndRead = [this](int times) {
        for (int i = 0; i < times; i++) {
            Held display, buttons;
            ASSERT_EQ(S_OK, Ask(main, display));
            ASSERT_EQ(S_OK, Ask(toolbar, buttons));
            ASSERT_NE(L"", NameOf(display.object, CHILDID_SELF));
            ASSERT_NE(L"", NameOf(buttons.object, 1 + i % BUTTON_COUNT));
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

// The lifetime of the objects the main window hands to screen readers, seen from inside the program.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <iterator>

#include "core/PieceDraw.h"
#include "tests/win32/AccessibleTesting.h"
#include "tests/win32/TestWindow.h"
#include "ui/MainWindow.h"
#include "ui/OnDemandLibraries.h"
#include "ui/ToolbarButtons.h"

namespace {

HRESULT NameResult(IAccessible* object, LONG child) {
    HRESULT result = E_FAIL;
    NameOf(object, child, &result);
    return result;
}

IAccessible* ObjectOf(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    return object;
}

TEST(AccessibleObjects, AreTheClientsAloneAndAnswerWithAnErrorOnceTheWindowIsGone) {
    ASSERT_TRUE(OpenTestMainWindow());
    FillTextTableWithSlotNumbers();
    StartNewGame();
    IAccessible* display = ObjectOf(MainWindowHandle);
    IAccessible* buttons = ObjectOf(ToolbarWindow);
    ASSERT_NE(nullptr, display);
    ASSERT_NE(nullptr, buttons);
    const struct {
        const char* what;
        IAccessible* object;
        std::function<HRESULT(IAccessible*)> call;
    } calls[] = {
        {"display name", display, [](IAccessible* object) { return NameResult(object, CHILDID_SELF); }},
        {"button name", buttons, [](IAccessible* object) { return NameResult(object, 4); }},
        {"button state", buttons, [](IAccessible* object) {
             VARIANT state;
             return object->get_accState(ChildId(4), &state);
         }},
        {"button count", buttons, [](IAccessible* object) {
             LONG count = 0;
             return object->get_accChildCount(&count);
         }},
        {"default action", buttons, [](IAccessible* object) { return object->accDoDefaultAction(ChildId(4)); }},
    };
    for (const auto& call : calls) EXPECT_EQ(S_OK, call.call(call.object)) << call.what << " while the window lives";
    PumpMessages();  // the default action's click
    CloseTestMainWindow();
    for (const auto& call : calls) EXPECT_EQ(RPC_E_DISCONNECTED, call.call(call.object)) << call.what;
    // The client's references are the last ones: the window kept none once it was gone.
    EXPECT_EQ(0u, display->Release());
    EXPECT_EQ(0u, buttons->Release());
    UninitialiseCom();
}

// A caller's mistake gets an error, not a write through a null pointer.
TEST(AccessibleObjects, RefuseNullOutParameters) {
    ASSERT_TRUE(OpenTestMainWindow());
    IAccessible* buttons = ObjectOf(ToolbarWindow);
    ASSERT_NE(nullptr, buttons);
    const VARIANT button = ChildId(4);
    BSTR text = nullptr;
    LONG number = 0;
    const std::function<HRESULT()> calls[] = {
        [&] { return buttons->get_accHelpTopic(nullptr, button, &number); },
        [&] { return buttons->get_accHelpTopic(&text, button, nullptr); },
        [&] { return buttons->get_accName(button, nullptr); },
        [&] { return buttons->get_accState(button, nullptr); },
        [&] { return buttons->get_accChildCount(nullptr); },
        [&] { return buttons->accLocation(&number, &number, nullptr, &number, button); },
        [&] { return buttons->accNavigate(NAVDIR_NEXT, button, nullptr); },
        [&] { return buttons->accHitTest(0, 0, nullptr); },
    };
    for (std::size_t i = 0; i < std::size(calls); i++) EXPECT_EQ(E_POINTER, calls[i]()) << "call " << i;
    buttons->Release();
    CloseTestMainWindow();
    UninitialiseCom();
}

// Calls would come on COM's threads and read the texts while this one replaces them: the platform's own
// object, named by the caption, serves instead of ours.
TEST(AccessibleObjects, AreNotServedFromTheMultithreadedApartment) {
    UninitialiseCom();
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    ASSERT_TRUE(OpenTestMainWindow());
    FillTextTableWithSlotNumbers();
    StartNewGame();
    SetWindowTextW(MainWindowHandle, L"Caption");
    IAccessible* display = ObjectOf(MainWindowHandle);
    ASSERT_NE(nullptr, display);
    EXPECT_EQ(L"Caption", NameOf(display, CHILDID_SELF));
    display->Release();
    CloseTestMainWindow();
    UninitialiseCom();
    CoUninitialize();
}

}  // namespace

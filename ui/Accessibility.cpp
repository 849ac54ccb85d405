// Serving screen readers: the objects of the display and the toolbar, and the events that make a
// screen reader read them again.
#include "ui/Accessibility.h"

#include <new>

#include "core/Buttons.h"
#include "ui/AccessibleDisplay.h"
#include "ui/AccessibleToolbar.h"
#include "ui/Display.h"
#include "ui/OnDemandLibraries.h"
#include "ui/ToolbarButtons.h"
#include "ui/UiServices.h"

static WNDPROC ToolbarProcedure = nullptr;  // the toolbar's own, for everything but our answer

// The id is a 32-bit value; how the sender widened it to a parameter is its business.
bool IsClientObjectRequest(LPARAM objectId) {
    return static_cast<DWORD>(objectId) == static_cast<DWORD>(OBJID_CLIENT);
}

// What a window hands out: one object, made at the first request and kept, locked for the clients,
// until the window goes. A new object for every request cost the platform's marshalling about 1 KB each
// under Wine that it never gave back; the same object every time also lets a screen reader know it again.
struct ServedObject {
    HWND window;
    IAccessible* object;
};
static ServedObject ServedDisplay = {nullptr, nullptr};
static ServedObject ServedToolbar = {nullptr, nullptr};

template <typename Object>
static IAccessible* MakeObject(HWND window) {
    IAccessible* standard = nullptr;
    HRESULT made = CallCreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&standard));
    if (FAILED(made) || standard == nullptr) return nullptr;
    Object* object = new (std::nothrow) Object(window, standard);
    if (object == nullptr) {
        standard->Release();
        return nullptr;
    }
    if (FAILED(CallCoLockObjectExternal(object, TRUE, TRUE))) {
        object->Release();
        return nullptr;
    }
    return object;
}

// A client still holding the object keeps it, and each of its calls is answered with an error.
static void LetGo(ServedObject& served) {
    if (served.object == nullptr) return;
    CallCoLockObjectExternal(served.object, FALSE, TRUE);
    served.object->Release();
    served = {nullptr, nullptr};
}

template <typename Object>
static LRESULT AnswerRequest(ServedObject& served, HWND window, WPARAM flags) {
    if (window == nullptr || !LoadAccessibility()) return 0;
    if (served.window != window || served.object == nullptr) {
        LetGo(served);
        served = {window, MakeObject<Object>(window)};
    }
    if (served.object == nullptr) return 0;
    // A failure is a COM error code; 0 instead lets the platform answer with its own object.
    const LRESULT answer = CallLresultFromObject(__uuidof(IAccessible), flags, served.object);
    return FAILED(static_cast<HRESULT>(answer)) ? 0 : answer;
}

LRESULT AnswerDisplayRequest(WPARAM flags) {
    return AnswerRequest<AccessibleDisplay>(ServedDisplay, MainWindowHandle, flags);
}

void ForgetAccessibleObjects() {
    DisconnectAccessibleObjects();
    LetGo(ServedDisplay);
    LetGo(ServedToolbar);
}

static LRESULT CALLBACK AccessibleToolbarProc(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && IsClientObjectRequest(lParam)) {
        LRESULT answer = AnswerRequest<AccessibleToolbar>(ServedToolbar, toolbar, wParam);
        if (answer != 0) return answer;
    }
    return CallWindowProcW(ToolbarProcedure, toolbar, message, wParam, lParam);
}

void MakeToolbarAccessible() {
    ButtonStateListener = NotifyScreenReadersOfButtonState;
    if (ToolbarWindow == nullptr) return;
    ToolbarProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(ToolbarWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AccessibleToolbarProc)));
}

// Raised for every press, even when the text comes out as before: the player pressed and must hear. Some
// screen readers speak no name change of an object without the focus; UI Automation's notification
// (Windows 10 1709 on) reaches them, and is raised only while the system says a screen reader runs.
void NotifyScreenReadersOfDisplay() {
    if (MainWindowHandle == nullptr) return;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, MainWindowHandle, OBJID_CLIENT, CHILDID_SELF);
    BOOL screenReader = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) && screenReader)
        RaiseUiaNotification(MainWindowHandle, DisplayText());  // where the system has none, the event above serves
}

// A piece button's name says whether its kind is in the draw, so it changes with the state.
void NotifyScreenReadersOfButtonState(int command) {
    const LONG element = ButtonElement(command);
    if (element == 0 || ToolbarWindow == nullptr) return;
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, ToolbarWindow, OBJID_CLIENT, element);
    if (IsPieceButton(command)) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, ToolbarWindow, OBJID_CLIENT, element);
}

void NotifyScreenReadersOfButtonNames() {
    if (ToolbarWindow == nullptr) return;
    for (const ButtonRow& button : Buttons)
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, ToolbarWindow, OBJID_CLIENT, ButtonElement(button.command));
}

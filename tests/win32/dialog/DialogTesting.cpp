// Driving the system dialog and the boxes it opens, in-process, with a thread timer and a time limit.
#include "tests/win32/dialog/DialogTesting.h"

#include <dlgs.h>

#include <iterator>

#include "resources/resource.h"
#include "ui/MainWindow.h"
#include "ui/SystemDialog.h"

namespace {

struct Player {
    std::vector<DialogStep> steps;
    size_t next = 0;
    DWORD deadline = 0;
    bool timedOut = false;
    bool busy = false;
};
Player Playing;

bool IsDialogBox(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    return IsWindowVisible(window) && std::wstring(className) == L"#32770";
}

BOOL CALLBACK CancelBox(HWND window, LPARAM) {
    if (IsDialogBox(window)) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

BOOL CALLBACK FindStepBox(HWND window, LPARAM found) {
    const DialogStep& step = Playing.steps[Playing.next];
    if (!IsDialogBox(window) || !IsWindowEnabled(window)) return TRUE;
    wchar_t caption[128] = {};
    GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
    if ((!step.caption.empty() && step.caption != caption) || (step.ready && !step.ready(window))) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK OnPlayTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (Playing.busy) return;
    Playing.busy = true;
    if (GetTickCount() - Playing.deadline < 0x80000000u) {
        Playing.timedOut = true;
        EnumThreadWindows(GetCurrentThreadId(), CancelBox, 0);
    } else if (Playing.next < Playing.steps.size()) {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindStepBox, reinterpret_cast<LPARAM>(&box));
        if (box != nullptr) Playing.steps[Playing.next++].act(box);
    }
    Playing.busy = false;
}

}  // namespace

bool PlayDialogs(const std::function<void()>& action, const std::vector<DialogStep>& steps, DWORD timeoutMs) {
    Playing = Player{steps, 0, GetTickCount() + timeoutMs, false, false};
    UINT_PTR timer = SetTimer(nullptr, 0, 15, OnPlayTimer);
    action();
    KillTimer(nullptr, timer);
    const bool allRan = !Playing.timedOut && Playing.next == Playing.steps.size();
    Playing = Player{};
    return allRan;
}

INT_PTR RunSystemDialog(const std::vector<DialogStep>& steps, bool* allStepsRan) {
    INT_PTR result = -1;
    const bool ran = PlayDialogs(
        [&] {
            result = DialogBoxParamW(InstanceHandle, MAKEINTRESOURCEW(IDD_SYSTEM), MainWindowHandle,
                                     SystemDialogProc, 0);
        },
        steps);
    if (allStepsRan) *allStepsRan = ran;
    return result;
}

std::wstring ItemText(HWND dialog, int control) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, control, text, static_cast<int>(std::size(text)));
    return text;
}

void PostCommand(HWND dialog, int command) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, command)));
}

bool IsFontDialog(HWND box) { return GetDlgItem(box, cmb1) != nullptr && GetDlgItem(box, cmb4) != nullptr; }

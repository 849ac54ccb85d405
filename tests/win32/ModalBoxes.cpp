// Answering the modal boxes a test opens with a thread timer and a time limit.
#include "tests/win32/ModalBoxes.h"

#include <dlgs.h>

#include <iterator>

#include "resources/resource.h"
#include "tests/win32/TestWindow.h"
#include "ui/DrawRecordWindow.h"
#include "ui/SystemDialog.h"
#include "ui/UiServices.h"

namespace {

struct Player {
    std::vector<DialogStep> steps;
    size_t next = 0;
    DWORD deadline = 0;
    bool timedOut = false;
    bool busy = false;
};
Player Playing;

// The draw record is a dialog too, but a modeless one that stays open beside the game: never a box.
bool IsDialogBox(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    return IsWindowVisible(window) && std::wstring(className) == L"#32770" && window != DrawRecordWindow;
}

BOOL CALLBACK CancelBox(HWND window, LPARAM) {
    if (IsDialogBox(window)) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

BOOL CALLBACK FindAnyBox(HWND window, LPARAM found) {
    if (!IsDialogBox(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

BOOL CALLBACK FindStepBox(HWND window, LPARAM found) {
    const DialogStep& step = Playing.steps[Playing.next];
    if (!IsDialogBox(window) || !IsWindowEnabled(window)) return TRUE;
    if ((!step.caption.empty() && step.caption != WindowText(window)) || (step.ready && !step.ready(window)))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND FindBox(WNDENUMPROC match) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), match, reinterpret_cast<LPARAM>(&box));
    return box;
}

void CALLBACK OnPlayTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (Playing.busy) return;
    Playing.busy = true;
    if (GetTickCount() - Playing.deadline < 0x80000000u) {
        // A message loop under test would wait for a step that never comes: it ends, and the test fails.
        if (!Playing.timedOut) PostQuitMessage(0);
        Playing.timedOut = true;
        EnumThreadWindows(GetCurrentThreadId(), CancelBox, 0);
    } else if (Playing.next < Playing.steps.size()) {
        DialogStep& step = Playing.steps[Playing.next];
        HWND box = FindBox(step.whenNoBox ? FindAnyBox : FindStepBox);
        if (step.whenNoBox ? box == nullptr : box != nullptr) {
            Playing.next++;
            step.act(box);
        }
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

DialogStep Answer(WPARAM reply, const std::function<void(HWND)>& inspect) {
    return {L"", [reply, inspect](HWND box) {
                if (inspect) inspect(box);
                PostMessageW(box, WM_COMMAND, reply, 0);
            }};
}

DialogStep WhenNoBox(const std::function<void()>& act) {
    return {L"", [act](HWND) { act(); }, nullptr, true};
}

DialogStep AnswerMessage(std::vector<SeenMessage>& seen) {
    return {L"Zarvik", [&seen](HWND box) {
                seen.push_back({WindowText(box), ItemText(box, 0xFFFF), GetWindow(box, GW_OWNER)});
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }};
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

DialogStep InFontBox(const std::function<void(HWND)>& act) { return {L"", act, IsFontDialog}; }

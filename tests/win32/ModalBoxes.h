// Answering the modal boxes a test opens (message boxes, the system dialog, the platform's dialogs) with a
// thread timer, which their modal loops dispatch too, and a time limit.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// One step: once a visible, enabled box of this thread with this caption (any caption if empty) is there
// and ready() holds, act() runs once with it. A step for no box runs act(nullptr) once no box of this
// thread is open, so input it sends reaches the program's own loop. act() posts; it opens no box itself.
struct DialogStep {
    std::wstring caption;
    std::function<void(HWND)> act;
    std::function<bool(HWND)> ready = nullptr;
    bool whenNoBox = false;
};

// Runs action, which opens modal boxes, while a thread timer plays the steps in order. After timeoutMs
// every box of the thread is cancelled, so no test hangs. True when every step ran in time and no box
// was left over.
bool PlayDialogs(const std::function<void()>& action, const std::vector<DialogStep>& steps,
                 DWORD timeoutMs = 10000);

// A box answered with reply (IDOK, IDCANCEL) after inspect has seen it.
DialogStep Answer(WPARAM reply, const std::function<void(HWND)>& inspect = nullptr);
// Runs act once no box is open.
DialogStep WhenNoBox(const std::function<void()>& act);

// A message box's caption and body, read when the box was answered with OK.
struct SeenMessage {
    std::wstring caption;
    std::wstring text;
    HWND owner;
};
DialogStep AnswerMessage(std::vector<SeenMessage>& seen);

// The system dialog, as the main window opens it; returns what DialogBoxParamW returned.
INT_PTR RunSystemDialog(const std::vector<DialogStep>& steps, bool* allStepsRan = nullptr);

std::wstring ItemText(HWND dialog, int control);
void PostCommand(HWND dialog, int command);  // as a click on the button would
// The platform's font dialog, whatever its caption in the system's language.
bool IsFontDialog(HWND box);
DialogStep InFontBox(const std::function<void(HWND)>& act);

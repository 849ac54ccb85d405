// Driving the system dialog and the boxes it opens, in-process, with a thread timer and a time limit.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// One answer to a modal box: when a visible, enabled box of this thread with this caption (any caption
// if empty) is there and ready() holds, act() runs once. act() posts; it must not open a box itself.
struct DialogStep {
    std::wstring caption;
    std::function<void(HWND)> act;
    std::function<bool(HWND)> ready = nullptr;
};

// Runs action, which opens modal boxes, while a thread timer plays the steps in order. After timeoutMs
// every box of the thread is cancelled, so no test hangs. True when every step ran in time.
bool PlayDialogs(const std::function<void()>& action, const std::vector<DialogStep>& steps,
                 DWORD timeoutMs = 10000);

// The system dialog, as the main window opens it; returns what DialogBoxParamW returned.
INT_PTR RunSystemDialog(const std::vector<DialogStep>& steps, bool* allStepsRan = nullptr);

std::wstring ItemText(HWND dialog, int control);
void PostCommand(HWND dialog, int command);  // as a click on the button would
// The platform's font dialog, whatever its caption in the system's language.
bool IsFontDialog(HWND box);

// The button-state operations as messages to the toolbar that carries them.
#include "ui/ToolbarButtons.h"

#include "core/ButtonState.h"
#include "resources/resource.h"

HWND ToolbarWindow = nullptr;
void (*ButtonStateListener)(int command) = nullptr;

// A toolbar answers -1 for a command no button carries, so only 1 counts as a yes.
// Without a toolbar nothing is sent: every button reads as up and every change fails.
static bool AskToolbar(UINT message, int command, LPARAM lParam) {
    if (ToolbarWindow == nullptr) return false;
    return SendMessageW(ToolbarWindow, message, static_cast<WPARAM>(command), lParam) == 1;
}

bool IsButtonChecked(int command) { return AskToolbar(TB_ISBUTTONCHECKED, command, 0); }

// Draws and New Game change states behind the screen reader's back, so each change is reported here.
bool CheckButton(int command, bool checked) {
    const LRESULT before = ToolbarWindow != nullptr ? SendMessageW(ToolbarWindow, TB_GETSTATE, command, 0) : -1;
    const bool was = before != -1 && (before & TBSTATE_CHECKED) != 0;
    const bool done = AskToolbar(TB_CHECKBUTTON, command, MAKELPARAM(checked, 0));
    if (done && was != checked && ButtonStateListener != nullptr) ButtonStateListener(command);
    return done;
}

bool EnableButton(int command, bool enabled) {
    return AskToolbar(TB_ENABLEBUTTON, command, MAKELPARAM(enabled, 0));
}

bool HideButton(int command, bool hidden) {
    return AskToolbar(TB_HIDEBUTTON, command, MAKELPARAM(hidden, 0));
}

// The button-state operations over an in-memory copy of the button table, answering as the real toolbar does.
#include "core/ButtonState.h"
#include "tests/support/TestToolbar.h"

#include <vector>

#include "core/Buttons.h"

namespace {

struct Button {
    int command;
    bool checkStyle;  // toggled by a click; the others are push buttons
    bool checked = false;
    bool enabled = true;
    bool hidden = false;
};

// The program's own button table: the piece buttons are the check buttons.
std::vector<Button> FreshButtons() {
    std::vector<Button> buttons;
    for (const ButtonRow& row : Buttons) buttons.push_back({row.command, row.role == ButtonRole::Piece});
    return buttons;
}

// Starts as a toolbar just created, the state the program sees once its window exists.
std::vector<Button> TestButtons = FreshButtons();
bool ToolbarExists = true;
std::vector<ButtonCall> Calls;

Button* FindButton(int command) {
    if (!ToolbarExists) return nullptr;
    for (Button& button : TestButtons)
        if (button.command == command) return &button;
    return nullptr;
}

// Without a toolbar no call arrives anywhere, so none is logged.
void LogCall(ButtonOperation operation, int command, long flag) {
    if (ToolbarExists) Calls.push_back({operation, command, flag});
}

// Like the real toolbar, the setters accept any existing button, push buttons included.
bool SetButtonFlag(ButtonOperation operation, int command, bool value, bool Button::*flag) {
    LogCall(operation, command, value);
    Button* button = FindButton(command);
    if (button == nullptr) return false;
    button->*flag = value;
    return true;
}

}  // namespace

bool MakeTestToolbar() {
    TestButtons = FreshButtons();
    ToolbarExists = true;
    Calls.clear();
    return true;
}

void RemoveTestToolbar() { ToolbarExists = false; }

// A hidden button cannot be reached, and Windows ignores a click on a disabled one (Wine's
// toolbar toggles it all the same; the program never disables a piece button).
bool ClickTestButton(int command) {
    Button* button = FindButton(command);
    if (button == nullptr || button->hidden) return false;
    if (button->checkStyle && button->enabled) button->checked = !button->checked;
    return true;
}

bool IsTestButtonEnabled(int command) {
    const Button* button = FindButton(command);
    return button != nullptr && button->enabled;
}

bool IsTestButtonHidden(int command) {
    const Button* button = FindButton(command);
    return button != nullptr && button->hidden;
}

std::vector<ButtonCall> TestToolbarCalls() { return Calls; }

bool IsButtonChecked(int command) {
    LogCall(ButtonOperation::IsChecked, command, 0);
    const Button* button = FindButton(command);
    return button != nullptr && button->checked;
}

bool CheckButton(int command, bool checked) {
    return SetButtonFlag(ButtonOperation::Check, command, checked, &Button::checked);
}

bool EnableButton(int command, bool enabled) {
    return SetButtonFlag(ButtonOperation::Enable, command, enabled, &Button::enabled);
}

bool HideButton(int command, bool hidden) {
    return SetButtonFlag(ButtonOperation::Hide, command, hidden, &Button::hidden);
}

// The button-state operations over a table of the 16 toolbar buttons, answering as the real toolbar does.
#include "core/ButtonState.h"
#include "core/ButtonStatePortable.h"

#include <array>

#include "resources/resource.h"

namespace {

struct Button {
    int command;
    bool checkStyle;  // toggled by a click; the others are push buttons
    bool checked;
    bool enabled;
    bool hidden;
};

constexpr std::array<Button, 16> FreshButtons{{
    {ID_HELP, false, false, true, false},
    {ID_BLACK_TURN, false, false, true, false},
    {ID_BLACK_KING, true, false, true, false},
    {ID_BLACK_QUEEN, true, false, true, false},
    {ID_BLACK_BISHOP, true, false, true, false},
    {ID_BLACK_KNIGHT, true, false, true, false},
    {ID_BLACK_ROOK, true, false, true, false},
    {ID_BLACK_PAWN, true, false, true, false},
    {ID_NEW_GAME, false, false, true, false},
    {ID_WHITE_TURN, false, false, true, false},
    {ID_WHITE_KING, true, false, true, false},
    {ID_WHITE_QUEEN, true, false, true, false},
    {ID_WHITE_BISHOP, true, false, true, false},
    {ID_WHITE_KNIGHT, true, false, true, false},
    {ID_WHITE_ROOK, true, false, true, false},
    {ID_WHITE_PAWN, true, false, true, false},
}};

// Starts as a toolbar just created, the state the program sees once its window exists.
std::array<Button, 16> Buttons = FreshButtons;
bool ToolbarExists = true;

Button* FindButton(int command) {
    if (!ToolbarExists) return nullptr;
    for (Button& button : Buttons)
        if (button.command == command) return &button;
    return nullptr;
}

}  // namespace

std::vector<ButtonCall> ButtonCalls;

// Without a toolbar no call arrives anywhere, so none is logged.
static void LogCall(ButtonOperation operation, int command, long flag) {
    if (ToolbarExists) ButtonCalls.push_back({operation, command, flag});
}

void ResetButtons() {
    Buttons = FreshButtons;
    ToolbarExists = true;
    ButtonCalls.clear();
}

void RemoveToolbar() { ToolbarExists = false; }

// A hidden button cannot be reached, and Windows ignores a click on a disabled one (Wine's
// toolbar toggles it all the same; the program never disables a piece button).
bool ClickButton(int command) {
    Button* button = FindButton(command);
    if (button == nullptr || button->hidden) return false;
    if (button->checkStyle && button->enabled) button->checked = !button->checked;
    return true;
}

bool IsButtonEnabled(int command) {
    const Button* button = FindButton(command);
    return button != nullptr && button->enabled;
}

bool IsButtonHidden(int command) {
    const Button* button = FindButton(command);
    return button != nullptr && button->hidden;
}

bool IsButtonChecked(int command) {
    LogCall(ButtonOperation::IsChecked, command, 0);
    const Button* button = FindButton(command);
    return button != nullptr && button->checked;
}

// Like the real toolbar, the setters accept any existing button, push buttons included.
static bool SetButtonFlag(ButtonOperation operation, int command, bool value, bool Button::*flag) {
    LogCall(operation, command, value);
    Button* button = FindButton(command);
    if (button == nullptr) return false;
    button->*flag = value;
    return true;
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

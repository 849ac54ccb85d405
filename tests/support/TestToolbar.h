// A toolbar for tests of the button-state operations: in memory natively, a real toolbar under Wine.
#pragma once

#include <vector>

enum class ButtonOperation { IsChecked, Check, Enable, Hide };

// One button-state operation as the toolbar received it, for tests that pin the order of calls.
struct ButtonCall {
    ButtonOperation operation;
    int command;
    long flag;  // the flag exactly as it reached the toolbar; 0 for a query

    bool operator==(const ButtonCall& other) const {
        return operation == other.operation && command == other.command && flag == other.flag;
    }
};

// Replaces any earlier test toolbar with a fresh one whose buttons are all enabled, shown and up.
bool MakeTestToolbar();
// Clicks the button as a player would; false when no shown button carries the command.
bool ClickTestButton(int command);
// Leaves the program without a toolbar, as when the main window could not make one.
void RemoveTestToolbar();

bool IsTestButtonEnabled(int command);
bool IsTestButtonHidden(int command);

// The button-state operations the toolbar received since MakeTestToolbar, in order.
std::vector<ButtonCall> TestToolbarCalls();

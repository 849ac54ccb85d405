// The test toolbar over the in-memory button table.
#include "tests/support/TestToolbar.h"

#include "core/ButtonStatePortable.h"

bool MakeTestToolbar() {
    ResetButtons();
    return true;
}

bool ClickTestButton(int command) { return ClickButton(command); }

void RemoveTestToolbar() { RemoveToolbar(); }

bool IsTestButtonEnabled(int command) { return IsButtonEnabled(command); }

bool IsTestButtonHidden(int command) { return IsButtonHidden(command); }

std::vector<ButtonCall> TestToolbarCalls() { return ButtonCalls; }

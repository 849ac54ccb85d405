// A toolbar for tests of the button-state operations: a table natively, a real toolbar under Wine.
#pragma once

#include <vector>

#include "core/ButtonCall.h"

// Replaces any earlier test toolbar with a fresh one whose 16 buttons are enabled, shown and up.
bool MakeTestToolbar();
// Clicks the button as a player would; false when no shown button carries the command.
bool ClickTestButton(int command);
// Leaves the program without a toolbar, as when the main window could not make one.
void RemoveTestToolbar();

bool IsTestButtonEnabled(int command);
bool IsTestButtonHidden(int command);

// The button-state operations the toolbar received since MakeTestToolbar, in order.
std::vector<ButtonCall> TestToolbarCalls();

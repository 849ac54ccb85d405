// The in-memory toolbar behind the button-state operations where no real toolbar exists.
#pragma once

#include <vector>

#include "core/ButtonCall.h"

// A fresh toolbar: all 16 buttons enabled, shown and up; the call log is emptied.
void ResetButtons();
// As when the main window could not make a toolbar: nothing is checked and every change fails.
void RemoveToolbar();
// A player's click: toggles a check button that is enabled and shown; false when no button took it.
bool ClickButton(int command);

bool IsButtonEnabled(int command);
bool IsButtonHidden(int command);

// Every button-state operation the toolbar received since the last ResetButtons, in order.
extern std::vector<ButtonCall> ButtonCalls;

// Serving screen readers: the objects of the display and the toolbar, and the events that make a
// screen reader read them again.
#pragma once

#include <windows.h>

// WM_GETOBJECT asks for the client area (OBJID_CLIENT), the one object we answer for ourselves.
bool IsClientObjectRequest(LPARAM objectId);
// The main window's answer for its client area, the display; 0 leaves the request to the platform.
LRESULT AnswerDisplayRequest(WPARAM flags);
// From now on the toolbar answers WM_GETOBJECT with an object for its buttons, and each change of a
// button's state is announced.
void MakeToolbarAccessible();
// The main window is going: whatever was handed out answers with an error from now on.
void ForgetAccessibleObjects();

void NotifyScreenReadersOfDisplay();
void NotifyScreenReadersOfButtonState(int command);  // its checked state changed
void NotifyScreenReadersOfButtonNames();             // the language changed

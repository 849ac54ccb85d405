// The draw record's window: modeless, owned by the main window, following every draw at once.
#pragma once

#include <windows.h>

extern HWND DrawRecordWindow;  // null while it is closed

// Opens it, or brings it forward when it is open; false when it could not be made.
bool OpenDrawRecord();
// Shows what the record gained or lost since it last looked; does nothing while closed or unchanged.
void FollowDrawRecord();
// The caption, buttons and lines again, in the texts now in force.
void RefreshDrawRecordTexts();
// For the message loop: true when the message went to the record's keyboard handling instead.
bool RouteDrawRecordMessage(MSG* message);
// The record as plain text on the clipboard.
bool CopyDrawRecord(HWND owner);

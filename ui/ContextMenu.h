// The context menu: every command of the toolbar, and the game commands no button carries, for players
// who use the keyboard alone.
#pragma once

#include <windows.h>

// The menu as it stands now, its texts in the language and its marks in the states in force; null when
// it can't be made. The caller destroys it.
HMENU BuildContextMenu();
// Whether a WM_CONTEXTMENU at that point is the game's: from the keyboard, or over the client area.
bool IsGameMenuPoint(HWND window, LPARAM where);
// Answers WM_CONTEXTMENU: opens the menu at the point (screen coordinates), or under the toolbar for the
// keyboard's (-1, -1), and does what the chosen item names.
void OpenContextMenu(HWND window, LPARAM where);
// Answers a choice of dice per turn (ID_ONE_DIE to ID_THREE_DICE): in force and saved, or a message.
void ChooseDicePerTurn(int command);

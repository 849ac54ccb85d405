// The two-row toolbar: its button table, creation and the tooltip texts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/ButtonStateWin32.h"  // ToolbarWindow

constexpr int TOOLBAR_BUTTON_COUNT = 22;
constexpr int TOOLTIP_MAX_LENGTH = 1024;

extern const TBBUTTON ToolbarButtons[TOOLBAR_BUTTON_COUNT];
extern int ToolbarHeight;  // outer height in pixels, measured once after creation

void CreateToolbar(HWND parent);
std::wstring TooltipText(int command);
void OnTooltipRequest(NMTTDISPINFOW* request);

// The two-row toolbar: its creation and the tooltip texts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/ToolbarButtons.h"

constexpr int TOOLTIP_MAX_LENGTH = 1024;

extern int ToolbarHeight;  // outer height in pixels, measured once after creation

void CreateToolbar(HWND parent);
std::wstring TooltipText(int command);
void OnTooltipRequest(NMTTDISPINFOW* request);

// The two-row toolbar: its creation and the tooltip texts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/ToolbarButtons.h"

extern int ToolbarHeight;  // outer height in pixels, measured after creation and after each change of scale

void CreateToolbar(HWND parent);
// Tiles, buttons and separators at that DPI, tiles scaled by whole pixels; the buttons keep their states.
void ScaleToolbar(int dpi);
void ReleaseToolbarImages();
std::wstring TooltipText(int command);
// What a click on the button does; false when a click would do nothing or a modal box is up.
bool PressButton(int command);
void OnTooltipRequest(NMTTDISPINFOW* request);

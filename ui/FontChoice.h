// The font dialog for the display text.
#pragma once

#include <windows.h>
#include <commdlg.h>

constexpr int FONT_STYLE_NAME_LENGTH = 64;

extern CHOOSEFONTW FontRequest;
extern wchar_t FontStyleName[FONT_STYLE_NAME_LENGTH];

BOOL ChooseDisplayFont(HINSTANCE instance, HWND owner, LOGFONTW& font, CHOOSEFONTW& request);

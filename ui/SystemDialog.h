// The system dialog: title, credits, help, web page, font and language.
#pragma once

#include <windows.h>

#include <string>

INT_PTR CALLBACK SystemDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void SetDialogTexts(HWND dialog);
void SetControlText(HWND dialog, int control, const std::wstring& text);
bool OpenDocument(const std::wstring& pathOrAddress);

// The common dialogs and the shell, loaded the first time the system dialog needs them.
#pragma once

#include <windows.h>
#include <commdlg.h>

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// Null until the first call; tests may point it at a stand-in.
extern ShellExecuteFunction ShellExecuteEntry;

BOOL CallChooseFont(CHOOSEFONTW* request);
BOOL CallGetOpenFileName(OPENFILENAMEW* request);
HINSTANCE CallShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                           const wchar_t* directory, int show);

// The libraries loaded the first time they are needed, only ever from the system folder.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstdint>

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// Null until the first call; tests may point it at a stand-in.
extern ShellExecuteFunction ShellExecuteEntry;

// First thing at start: from then on no library is looked for beside the program.
void SearchLibrariesInSystemFolderOnly();
// A library of the system folder, never one planted beside the program; null when it can't be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);
// COM on the interface thread, apartment-threaded, initialised once on first need; false if it can't be.
bool InitialiseCom();
void UninitialiseCom();  // at exit, when InitialiseCom succeeded

BOOL CallChooseFont(CHOOSEFONTW* request);
BOOL CallGetOpenFileName(OPENFILENAMEW* request);
HINSTANCE CallShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                           const wchar_t* directory, int show);
std::uint32_t MillisecondClock();

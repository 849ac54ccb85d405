// The libraries loaded the first time they are needed, only ever from the system folder: the common
// dialogs, the shell, the clock and what serves screen readers (OLEACC, OLE32, OLEAUT32, UIAutomationCore).
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <ole2.h>

#include <cstdint>
#include <string>

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// Null until the first call; tests may point it at a stand-in.
extern ShellExecuteFunction ShellExecuteEntry;

// Called from the loader's TLS callback, before any other code of the program: from then on libraries
// loaded by name come from the system folder alone, or, where the system lacks that search (Windows 7
// without its update), at least not from the current folder.
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

// COM and every entry below; false when any of them is missing, and then nothing below may be called.
bool LoadAccessibility();
HRESULT CallCreateStdAccessibleObject(HWND window, LONG objectId, REFIID interfaceId, void** object);
LRESULT CallLresultFromObject(REFIID interfaceId, WPARAM flags, IUnknown* object);
HRESULT CallCoLockObjectExternal(IUnknown* object, BOOL lock, BOOL lastUnlockReleases);
BSTR CallSysAllocString(const std::wstring& text);  // null when out of memory

// UI Automation's notification with the text, for the window; false where the system has none (before
// Windows 10 1709, and Wine) or it failed.
bool RaiseUiaNotification(HWND window, const std::wstring& text);

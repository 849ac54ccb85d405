// Stands in for ShellExecuteW, so help and web commands open nothing.
#include "tests/win32/dialog/ShellSpy.h"

#include <objbase.h>

#include "ui/OnDemandLibraries.h"

std::vector<ShellCall> ShellCalls;
INT_PTR ShellAnswer = 42;

// S_FALSE from a second initialisation means the thread already had COM.
bool IsComReady() {
    const HRESULT probe = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(probe)) CoUninitialize();
    return probe == S_FALSE;
}

static HINSTANCE WINAPI RecordShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file,
                                           const wchar_t* parameters, const wchar_t* directory, int show) {
    ShellCalls.push_back({owner, verb ? verb : L"(null)", file ? file : L"(null)", parameters != nullptr,
                          directory != nullptr, show, IsComReady()});
    return reinterpret_cast<HINSTANCE>(ShellAnswer);
}

// The program reaches the shell through ShellExecuteEntry, so pointing it here is enough.
void InstallShellSpy() { ShellExecuteEntry = &RecordShellExecute; }

// Finding a window of another process: for the tests that drive the program from outside and for the
// start-up benchmark, which both link this and no test.
#pragma once

#include <windows.h>

#include <string>

// A visible top-level window of that process with that class (and caption, unless empty); null if none.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const std::wstring& caption = L"");

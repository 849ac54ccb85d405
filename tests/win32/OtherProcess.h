// zarvik.exe run as a process of its own, in a fresh folder, and finding the windows of that process.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/TestFiles.h"

// A path the build passes, as Wine shows it: the host's root is drive Z:.
std::wstring HostPath(const std::string& host);
// The built zarvik.exe.
std::wstring ProgramPath();

// A visible window of that process with that class (and caption, unless empty). Polls, since a posted
// message is no barrier between processes; null after timeoutMs.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const std::wstring& caption = L"",
                   DWORD timeoutMs = 10000);

// The way a player takes a language file from the system dialog of the program in that process, the
// dialog closed again afterwards; false when one of their windows did not come or go.
bool ChooseLanguageIn(DWORD processId, HWND main, const std::wstring& path);

// What the system counts for a process. Wine's own counters answer 0 for another process's handles, so
// they are counted in the system's handle table.
struct Footprint {
    DWORD handles = 0;
    DWORD threads = 0;
    SIZE_T committedBytes = 0;
};
Footprint FootprintOf(HANDLE process);

// A copy of the program in a folder of its own with an empty Languages folder beside it; the folder goes
// afterwards with everything in it, and a program still running is ended first.
class ProgramFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Start();      // in its folder, as a double click there would
    DWORD ExitCode();  // once it has ended, at most ten seconds from now; 12345 when it has not

    TemporaryFolder temporary;
    const std::wstring folder = temporary.Wide(L"");  // ends in a backslash
    PROCESS_INFORMATION process = {};
};

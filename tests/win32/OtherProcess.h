// zarvik.exe run as a process of its own, in a fresh folder, and finding the windows of that process.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

std::wstring WindowCaption(HWND window);
// The visible window of that process with this class (and caption, when one is given); null after ten
// seconds. It polls: a message posted to another process is no barrier.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const std::wstring& caption = L"");

// What the system counts for a process. Wine's own counters answer 0 for another process's handles, so
// they are counted in the system's handle table.
struct Footprint {
    DWORD handles = 0;
    DWORD threads = 0;
    SIZE_T committedBytes = 0;
};
Footprint FootprintOf(HANDLE process);

// A copy of the program in a folder of its own under the temporary folder; the folder goes afterwards
// with everything in it, and a program still running is ended first.
class ProgramFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Start();      // in its folder, as a double click there would
    DWORD ExitCode();  // once it has ended, at most ten seconds from now

    std::wstring folder;  // ends in a backslash
    PROCESS_INFORMATION process = {};
};

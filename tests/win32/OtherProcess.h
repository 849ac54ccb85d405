// Driving a program in another process: zarvik.exe started from a folder of its own, its windows found.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/TestFiles.h"

// A visible window of that process with that class (and caption, unless empty). Polls, since a posted
// message is no barrier between processes; null after timeoutMs.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const std::wstring& caption = L"",
                   DWORD timeoutMs = 10000);

// zarvik.exe copied into a fresh folder with a Languages\Russian.Lang.txt beside it. The process, if one
// was started, is ended and the folder removed when this goes.
class ProgramCopy {
public:
    ProgramCopy();
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    bool ready() const { return ready_; }
    // The copy's folder, ending in a backslash.
    const std::wstring& Folder() const { return folder_; }
    bool Start();
    DWORD ProcessId() const { return process_.dwProcessId; }
    // Waits up to ten seconds for the process to end; 12345 when it did not.
    DWORD ExitCode();

private:
    TemporaryFolder temporary_;
    std::wstring folder_;
    PROCESS_INFORMATION process_ = {};
    bool ready_ = false;
};

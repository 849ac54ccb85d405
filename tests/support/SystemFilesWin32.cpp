// No pipes among the files; FlushFileBuffers wrapped at link time: the program calls it through its
// import slot __imp_FlushFileBuffers, which -Wl,--wrap=__imp_FlushFileBuffers points here.
#include "tests/support/SystemFiles.h"

#include <windows.h>

std::function<void()> BeforeDiskFlush;

bool MakeFifo(const std::filesystem::path&) { return false; }

unsigned long EndedProcessId() {
    wchar_t command[] = L"cmd.exe /c exit";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return 0;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return process.dwProcessId;
}

bool RunInTwoProcesses(const std::function<bool()>&, const std::function<bool()>&, bool* forked) {
    *forked = false;
    return false;
}

using FlushFunction = BOOL(WINAPI*)(HANDLE);
extern "C" FlushFunction __real___imp_FlushFileBuffers;

static BOOL WINAPI FlushAfterWatching(HANDLE file) {
    if (BeforeDiskFlush) BeforeDiskFlush();
    return __real___imp_FlushFileBuffers(file);
}

extern "C" {
FlushFunction __wrap___imp_FlushFileBuffers = FlushAfterWatching;
}

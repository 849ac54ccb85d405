// FlushFileBuffers, wrapped at link time: the program calls it through its import slot
// __imp_FlushFileBuffers, which -Wl,--wrap=__imp_FlushFileBuffers points at this one.
#include "tests/support/DiskFlushSpy.h"

#include <windows.h>

std::function<void()> BeforeDiskFlush;

using FlushFunction = BOOL(WINAPI*)(HANDLE);

extern "C" FlushFunction __real___imp_FlushFileBuffers;

static BOOL WINAPI FlushAfterWatching(HANDLE file) {
    if (BeforeDiskFlush) BeforeDiskFlush();
    return __real___imp_FlushFileBuffers(file);
}

extern "C" {
FlushFunction __wrap___imp_FlushFileBuffers = FlushAfterWatching;
}

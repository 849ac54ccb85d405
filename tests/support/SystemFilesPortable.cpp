// Pipes through mkfifo; fsync wrapped at link time (-Wl,--wrap=fsync).
#include "tests/support/SystemFiles.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

std::function<void()> BeforeDiskFlush;

bool MakeFifo(const std::filesystem::path& path) { return mkfifo(path.c_str(), 0600) == 0; }

extern "C" int __real_fsync(int descriptor);

extern "C" int __wrap_fsync(int descriptor) {
    if (BeforeDiskFlush) BeforeDiskFlush();
    return __real_fsync(descriptor);
}

unsigned long EndedProcessId() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return static_cast<unsigned long>(child);
}

bool RunInTwoProcesses(const std::function<bool()>& mine, const std::function<bool()>& other, bool* forked) {
    const pid_t child = fork();
    *forked = child >= 0;
    if (child == 0) _exit(other() ? 0 : 1);
    const bool mineOk = mine();
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0 && mineOk;
}

// Pipes through mkfifo; fsync wrapped at link time (-Wl,--wrap=fsync).
#include "tests/support/SystemFiles.h"

#include <sys/stat.h>

std::function<void()> BeforeDiskFlush;

bool MakeFifo(const std::filesystem::path& path) { return mkfifo(path.c_str(), 0600) == 0; }

extern "C" int __real_fsync(int descriptor);

extern "C" int __wrap_fsync(int descriptor) {
    if (BeforeDiskFlush) BeforeDiskFlush();
    return __real_fsync(descriptor);
}

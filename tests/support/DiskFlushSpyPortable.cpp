// fsync, wrapped at link time (-Wl,--wrap=fsync): each call runs BeforeDiskFlush first.
#include "tests/support/DiskFlushSpy.h"

std::function<void()> BeforeDiskFlush;

extern "C" int __real_fsync(int descriptor);

extern "C" int __wrap_fsync(int descriptor) {
    if (BeforeDiskFlush) BeforeDiskFlush();
    return __real_fsync(descriptor);
}

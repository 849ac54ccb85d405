// Watches the program's flushes to the disk: the linker sends the system's flush call through here.
#pragma once

#include <functional>

// Runs at each flush to the disk, before it reaches the system; empty: nothing runs.
extern std::function<void()> BeforeDiskFlush;

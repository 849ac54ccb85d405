// What the file tests need of the system: a pipe among the files, and a look at each flush to the disk.
#pragma once

#include <filesystem>
#include <functional>

// A named pipe nobody writes to; false where the system keeps its pipes out of the folders (Windows).
bool MakeFifo(const std::filesystem::path& path);
// Runs at each flush to the disk, before the system's call (which the linker sends through here).
extern std::function<void()> BeforeDiskFlush;

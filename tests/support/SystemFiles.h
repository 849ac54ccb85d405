// What the file tests need of the system: a pipe among the files, a look at each flush to the disk, processes.
#pragma once

#include <filesystem>
#include <functional>

// A named pipe nobody writes to; false where the system keeps its pipes out of the folders (Windows).
bool MakeFifo(const std::filesystem::path& path);
// Runs at each flush to the disk, before the system's call (which the linker sends through here).
extern std::function<void()> BeforeDiskFlush;

// The id of a process that was started and has ended since.
unsigned long EndedProcessId();
// Runs other in a second process while mine runs in this one; true when both returned true. False at once,
// with nothing run, where a test can't fork itself (Windows).
bool RunInTwoProcesses(const std::function<bool()>& mine, const std::function<bool()>& other, bool* forked);

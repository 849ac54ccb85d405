// The file operations that differ between Windows and elsewhere.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Opens by the wide name on Windows, so a name outside the ANSI code page still opens.
std::FILE* OpenFile(const std::wstring& path, const char* mode);
// For reading, binary: only a regular file opens; a device, a pipe or a folder fails as a missing file does.
std::FILE* OpenRegularFile(const std::wstring& path);
// The stream's buffer and the system's cache of the file, both out on the disk.
bool FlushToDisk(std::FILE* file);
// Puts replacement in place of target in one step; target may not exist yet.
bool ReplaceFile(const std::wstring& replacement, const std::wstring& target);
bool RemoveFile(const std::wstring& path);
// The names of the files in folder (which ends in PathSeparator()), without the folder; none when it can't be read.
std::vector<std::wstring> FileNamesIn(const std::wstring& folder);

unsigned long CurrentProcessId();
// True also for a process we may not look at: only one known to be gone counts as gone.
bool IsProcessRunning(unsigned long id);

// The executable's folder, ending in PathSeparator(); empty when it can't be found.
std::wstring ModuleDirectory();
wchar_t PathSeparator();

// A named pipe in the file system that nobody writes to, where the system has them.
#pragma once

#include <filesystem>

// False where the system has no such pipes (Windows keeps its pipes out of the folders).
bool MakeFifo(const std::filesystem::path& path);

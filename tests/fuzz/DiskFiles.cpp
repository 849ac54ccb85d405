// text_disk_fuzz's files: real ones beside the executable, so every save goes through the disk.
#include "tests/fuzz/FuzzFiles.h"

#include "text/Config.h"
#include "text/FileAccess.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

static std::vector<std::filesystem::path> Made;

void PutFile(const std::wstring& path, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (std::filesystem::create_directories(folder)) Made.push_back(folder);
    Made.push_back(path);
    std::FILE* file = OpenFile(path, "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
}

void PutFolder(const std::wstring& path) {
    Made.push_back(path);
    std::filesystem::create_directory(path);
}

void RemoveFiles() {
    for (const std::filesystem::path& path : Made) std::filesystem::remove_all(path);
    Made.clear();
    std::filesystem::remove(std::filesystem::path(ModulePath(ConfigFileName)));
}

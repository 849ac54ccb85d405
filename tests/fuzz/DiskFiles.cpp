// text_write_fuzz's files: real ones beside the executable, so every save goes through the disk.
#include "tests/fuzz/FuzzFiles.h"

#include "text/Config.h"
#include "text/FileAccess.h"

#include <cstdio>
#include <filesystem>

void PutFile(const std::wstring& path, const std::uint8_t* data, std::size_t size) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::FILE* file = OpenFile(path, "wb");
    Check(file != nullptr);
    Check(std::fwrite(data, 1, size, file) == size);
    Check(std::fclose(file) == 0);
}

void RemoveFiles() {
    std::filesystem::remove_all(std::filesystem::path(ModuleDirectory()) / "Languages");
    std::filesystem::remove(std::filesystem::path(ModulePath(ConfigFileName)));
}

// libFuzzer entry of text_write_fuzz: the writer through the disk, where every save syncs its file.
#include "tests/fuzz/FuzzFiles.h"
#include "text/Config.h"
#include "text/StringList.h"

#include <filesystem>

namespace {

// The first byte says how many lines, and whether a folder in the way of the file beside the target
// makes the writer write in place.
void WriteLines(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    const int count = 1 + data[0] % MaxLines;
    const bool inPlace = data[0] / MaxLines % 2 == 1;
    const std::wstring path = ModulePath(L"fuzz-lines.txt");
    const std::filesystem::path besidePath(TemporaryPathFor(path));
    std::filesystem::remove(besidePath);
    PutFile(path, data + 1, size - 1);
    std::wstring lines[MaxLines];
    if (!ReadWritable(lines, count, path)) return;
    if (inPlace) std::filesystem::create_directory(besidePath);
    CheckWritesBack(lines, count, path);
}

}  // namespace

// An even first byte: a line file read, written and read again; odd: config.txt, which the load writes
// anew when it refuses it. The seeds of text_fuzz read the same way here.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    if (data[0] % 2 == 0)
        WriteLines(data + 1, size - 1);
    else
        CheckLoad(data + 1, size - 1, nullptr, 0);
    return 0;
}

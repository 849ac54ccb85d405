// What every suite needs of files, written without the code under test.
#include "tests/support/TestFiles.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

template <typename Text>
static std::string LittleEndianUnits(const Text& text) {
    std::string bytes;
    for (auto unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>((unit >> 8) & 0xFF);
    }
    return bytes;
}

std::string Utf16Le(const std::u16string& text) { return LittleEndianUnits(text); }
std::string Utf16Le(const std::wstring& text) { return LittleEndianUnits(text); }

std::wstring FromUtf16Le(const std::string& bytes) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                            static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
}

std::string LineFileBytes(const std::vector<std::wstring>& lines) {
    std::string bytes = "\xFF\xFE";
    for (const std::wstring& line : lines) bytes += Utf16Le(line + L"\r\n");
    return bytes;
}

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

// u8path and u8string convert by UTF-8 on every system, unlike the wide ones on Linux,
// which follow the locale.
std::filesystem::path PathOf(const std::wstring& path) { return std::filesystem::u8path(NarrowUtf8(path)); }

std::wstring WideOf(const std::filesystem::path& path) { return WidenUtf8(path.u8string()); }

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> serial{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("zarvik-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::wstring TemporaryFolder::Wide(const std::wstring& name) const {
    return WideOf(path_) + static_cast<wchar_t>(std::filesystem::path::preferred_separator) + name;
}

// What every suite needs of files: UTF-16 bytes, whole files read and written, fresh folders.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "text/Utf8.h"  // NarrowUtf8 and WidenUtf8 for messages and names

// The UTF-16 little-endian bytes of text, without a byte-order mark. Each wchar_t is taken as one
// code unit, so surrogates can be written one by one.
std::string Utf16Le(const std::u16string& text);
std::string Utf16Le(const std::wstring& text);
// The units of UTF-16 little-endian bytes, one wchar_t each; a lone last byte is left out.
std::wstring FromUtf16Le(const std::string& bytes);
// A line file as the program writes it: byte-order mark, then each line and CR LF.
std::string LineFileBytes(const std::vector<std::wstring>& lines);
// text as a wide string, one unit per UTF-16 unit, so it compares with what the reader returns.
std::wstring Wide(const std::u16string& text);
std::filesystem::path PathOf(const std::wstring& path);
std::wstring WideOf(const std::filesystem::path& path);

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// A folder of its own for one test, removed with everything in it afterwards.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    std::filesystem::path Path() const { return path_; }
    std::wstring Wide(const std::wstring& name) const;  // full wide path of name inside it

private:
    std::filesystem::path path_;
};

// Files by their wide names and the executable's folder, through Win32.
#include "text/FileAccess.h"

#include <windows.h>
#undef ReplaceFile  // <windows.h> maps it to ReplaceFileW; this one is ours

#include <vector>

std::FILE* OpenFile(const std::wstring& path, const char* mode) {
    std::wstring wideMode;
    for (const char* c = mode; *c != '\0'; c++) wideMode += static_cast<wchar_t>(*c);
    return _wfopen(path.c_str(), wideMode.c_str());
}

// Write-through: the rename reaches the disk before we report success.
bool ReplaceFile(const std::wstring& replacement, const std::wstring& target) {
    return MoveFileExW(replacement.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::wstring& path) { return DeleteFileW(path.c_str()) != 0; }

// A path that fills the buffer comes back cut and maybe unterminated, so the buffer grows until
// the answer is shorter than it: a cut path would send us looking in the wrong folder.
std::wstring ModuleDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) break;
        if (buffer.size() >= 32768 * 2) return {};  // longer than any Windows path can be
        buffer.resize(buffer.size() * 2);
    }
    std::wstring path(buffer.data(), length);
    std::size_t cut = path.find_last_of(L'\\');
    if (cut == std::wstring::npos) return {};
    return path.substr(0, cut + 1);
}

wchar_t PathSeparator() { return L'\\'; }

// Files by their wide names and the executable's folder, through Win32.
#include "text/FileAccess.h"

#include <windows.h>
#undef ReplaceFile  // <windows.h> maps it to ReplaceFileW; this one is ours

#include <fcntl.h>
#include <io.h>

#include <vector>

std::FILE* OpenFile(const std::wstring& path, const char* mode) {
    std::wstring wideMode;
    for (const char* c = mode; *c != '\0'; c++) wideMode += static_cast<wchar_t>(*c);
    return _wfopen(path.c_str(), wideMode.c_str());
}

// A name such as "CON" or "NUL" in any folder is a device; only a file on a disk is read, so no device
// or pipe can keep the reader waiting or feed it without end. The sharing is what _wfopen grants.
std::FILE* OpenRegularFile(const std::wstring& path) {
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    BY_HANDLE_FILE_INFORMATION information = {};
    const bool regular = GetFileType(handle) == FILE_TYPE_DISK &&
                         GetFileInformationByHandle(handle, &information) &&
                         (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const int descriptor = regular ? _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY) : -1;
    if (descriptor == -1) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, "rb");
    if (file == nullptr) _close(descriptor);  // closes the handle too
    return file;
}

bool FlushToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))));
}

// MOVEFILE_WRITE_THROUGH makes the call return only once the move itself is on the disk; the data
// must be there before (FlushToDisk), or a power cut could leave the new name on empty blocks.
bool ReplaceFile(const std::wstring& replacement, const std::wstring& target) {
    return MoveFileExW(replacement.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::wstring& path) { return DeleteFileW(path.c_str()) != 0; }

std::vector<std::wstring> FileNamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                     nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

unsigned long CurrentProcessId() { return GetCurrentProcessId(); }

bool IsProcessRunning(unsigned long id) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

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

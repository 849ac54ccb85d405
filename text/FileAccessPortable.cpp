// Files and the executable's folder on systems whose file names are UTF-8 bytes.
#include "text/FileAccess.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "text/Utf8.h"

// Bytes that are not UTF-8 come back as U+DC80 to U+DCFF and go out as the same bytes, so any
// name the system hands us opens again.
static std::string EncodeName(const std::wstring& name) {
    std::string bytes;
    for (wchar_t c : name) {
        const auto code = static_cast<char32_t>(c);
        if (code >= 0xDC80 && code <= 0xDCFF) bytes += static_cast<char>(code - 0xDC00);
        else PutUtf8(bytes, code);
    }
    return bytes;
}

static std::wstring DecodeName(const std::string& bytes) {
    std::wstring name;
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        const int length = DecodeUtf8(bytes, i, code);
        if (length == 0) code = 0xDC00 + static_cast<unsigned char>(bytes[i]);
        name += static_cast<wchar_t>(code);
        i += length == 0 ? 1 : length;
    }
    return name;
}

std::FILE* OpenFile(const std::wstring& path, const char* mode) {
    return std::fopen(EncodeName(path).c_str(), mode);
}

// Without O_NONBLOCK the open of a pipe would wait for a writer; the type is judged on what was opened,
// so nothing can be swapped in between.
std::FILE* OpenRegularFile(const std::wstring& path) {
    const int descriptor = open(EncodeName(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    struct stat status = {};
    std::FILE* file = nullptr;
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) == 0)
        file = fdopen(descriptor, "rb");
    if (file == nullptr) close(descriptor);
    return file;
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool ReplaceFile(const std::wstring& replacement, const std::wstring& target) {
    return std::rename(EncodeName(replacement).c_str(), EncodeName(target).c_str()) == 0;
}

bool RemoveFile(const std::wstring& path) { return std::remove(EncodeName(path).c_str()) == 0; }

std::vector<std::wstring> FileNamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    DIR* listing = opendir(EncodeName(folder).c_str());
    if (listing == nullptr) return names;
    while (const dirent* entry = readdir(listing))
        if (entry->d_type == DT_REG) names.push_back(DecodeName(entry->d_name));
    closedir(listing);
    return names;
}

unsigned long CurrentProcessId() { return static_cast<unsigned long>(getpid()); }

bool IsProcessRunning(unsigned long id) {
    return kill(static_cast<pid_t>(id), 0) == 0 || errno != ESRCH;
}

// readlink does not say when it had to cut, so the buffer grows until the answer is shorter.
std::wstring ModuleDirectory() {
    std::vector<char> buffer(256);
    ssize_t length = 0;
    for (;;) {
        length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length <= 0) return {};
        if (static_cast<std::size_t>(length) < buffer.size()) break;
        buffer.resize(buffer.size() * 2);
    }
    std::wstring path = DecodeName(std::string(buffer.data(), static_cast<std::size_t>(length)));
    std::size_t cut = path.find_last_of(L'/');
    if (cut == std::wstring::npos) return {};
    return path.substr(0, cut + 1);
}

wchar_t PathSeparator() { return L'/'; }

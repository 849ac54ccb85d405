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

// Bytes that are not UTF-8 come back as U+DC80 to U+DCFF and go out as the same bytes, so any
// name the system hands us opens again.
static std::string EncodeName(const std::wstring& name) {
    std::string bytes;
    for (wchar_t c : name) {
        auto u = static_cast<std::uint32_t>(c);
        if (u >= 0xDC80 && u <= 0xDCFF) {
            bytes += static_cast<char>(u - 0xDC00);
        } else if (u < 0x80) {
            bytes += static_cast<char>(u);
        } else if (u < 0x800) {
            bytes += static_cast<char>(0xC0 | (u >> 6));
            bytes += static_cast<char>(0x80 | (u & 0x3F));
        } else if (u < 0x10000) {
            bytes += static_cast<char>(0xE0 | (u >> 12));
            bytes += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | ((u >> 18) & 0x07));
            bytes += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return bytes;
}

// Length of the UTF-8 sequence at bytes[i], and its value; 0 when the bytes there are not UTF-8
// (overlong forms, surrogates and values past U+10FFFF included).
static int DecodeSequence(const std::string& bytes, std::size_t i, std::uint32_t& value) {
    auto byteAt = [&bytes](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    unsigned char lead = byteAt(i);
    int extra = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
        value = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + extra >= bytes.size()) return 0;
    for (int k = 1; k <= extra; k++) {
        if ((byteAt(i + k) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (byteAt(i + k) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    return 1 + extra;
}

static std::wstring DecodeName(const std::string& bytes) {
    std::wstring name;
    for (std::size_t i = 0; i < bytes.size();) {
        std::uint32_t value = 0;
        int length = DecodeSequence(bytes, i, value);
        if (length == 0) {
            name += static_cast<wchar_t>(0xDC00 + static_cast<unsigned char>(bytes[i]));
            i += 1;
        } else {
            name += static_cast<wchar_t>(value);
            i += length;
        }
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

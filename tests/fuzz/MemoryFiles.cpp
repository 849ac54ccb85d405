// text_fuzz's files: the program's file operations over a table in memory, linked in place of the
// system's, so an input costs no call to the disk.
#include "tests/fuzz/FuzzFiles.h"

#include "text/FileAccess.h"
#include "text/Utf8.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

namespace {

// No such folder on the disk, and the checker's fopen of a name in it never falls through to the disk,
// so a crafted help file name reads nothing there.
const std::wstring Root = L"/zarvik-fuzz-memory/";
std::map<std::wstring, std::string> Files;  // a node stays put while a stream holds its bytes
std::set<std::wstring> Folders;

struct Stream {
    std::string* bytes;
    std::size_t offset;
};

ssize_t ReadStream(void* cookie, char* buffer, std::size_t size) {
    auto* stream = static_cast<Stream*>(cookie);
    const std::size_t count = std::min(size, stream->bytes->size() - stream->offset);
    std::memcpy(buffer, stream->bytes->data() + stream->offset, count);
    stream->offset += count;
    return static_cast<ssize_t>(count);
}

ssize_t WriteStream(void* cookie, const char* buffer, std::size_t size) {
    static_cast<Stream*>(cookie)->bytes->append(buffer, size);
    return static_cast<ssize_t>(size);
}

int CloseStream(void* cookie) {
    delete static_cast<Stream*>(cookie);
    return 0;
}

// The program reads ("rb") and writes whole files ("wb"); any other mode would need a table that can
// append, so it stops the run instead of passing for a file that opened.
std::FILE* OpenStream(const std::wstring& path, const char* mode) {
    if (std::strcmp(mode, "rb") != 0 && std::strcmp(mode, "wb") != 0) {
        std::fprintf(stderr, "MemoryFiles: no mode \"%s\"\n", mode);
        std::abort();
    }
    const bool write = mode[0] == 'w';
    const auto found = Files.find(path);
    if (Folders.count(path) == 1 || (!write && found == Files.end())) {
        errno = Folders.count(path) == 1 ? EISDIR : ENOENT;
        return nullptr;
    }
    std::string& bytes = write ? (Files[path] = std::string()) : found->second;
    return fopencookie(new Stream{&bytes, 0}, mode, {ReadStream, WriteStream, nullptr, CloseStream});
}

}  // namespace

void PutFile(const std::wstring& path, const std::uint8_t* data, std::size_t size) {
    Files[path].assign(reinterpret_cast<const char*>(data), size);
}

void PutFolder(const std::wstring& path) { Folders.insert(path); }

void RemoveFiles() {
    Files.clear();
    Folders.clear();
}

std::FILE* OpenFile(const std::wstring& path, const char* mode) { return OpenStream(path, mode); }

std::FILE* OpenRegularFile(const std::wstring& path) { return OpenStream(path, "rb"); }

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0; }

bool ReplaceFile(const std::wstring& replacement, const std::wstring& target) {
    const auto found = Files.find(replacement);
    if (found == Files.end()) return false;
    std::string bytes = std::move(found->second);
    Files.erase(found);
    Files[target] = std::move(bytes);
    return true;
}

bool RemoveFile(const std::wstring& path) { return Files.erase(path) == 1; }

std::vector<std::wstring> FileNamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (auto i = Files.lower_bound(folder); i != Files.end() && i->first.compare(0, folder.size(), folder) == 0; ++i)
        if (i->first.find(L'/', folder.size()) == std::wstring::npos) names.push_back(i->first.substr(folder.size()));
    return names;
}

unsigned long CurrentProcessId() { return static_cast<unsigned long>(getpid()); }

// Only this process writes into the table.
bool IsProcessRunning(unsigned long id) { return id == CurrentProcessId(); }

std::wstring ModuleDirectory() { return Root; }

wchar_t PathSeparator() { return L'/'; }

// The language-file checker opens by name; -Wl,--wrap=fopen sends its calls here.
extern "C" std::FILE* __real_fopen(const char* path, const char* mode);

extern "C" std::FILE* __wrap_fopen(const char* path, const char* mode) {
    const std::wstring wide = WidenUtf8(path);
    if (wide.compare(0, Root.size(), Root) == 0) return OpenStream(wide, mode);
    return __real_fopen(path, mode);
}

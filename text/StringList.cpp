// Reading and writing the UTF-16 little-endian line files.
#include "text/StringList.h"

#include "text/FileAccess.h"

#include <cstdio>
#include <new>
#include <utility>

namespace {

// Far above any configuration or language file, and a bound on what a crafted one costs in memory.
constexpr std::size_t ReadLimitUnits = 32 * 1024 * 1024;  // 64 MiB

// Reads code units from a buffered file. Once the end is reached it stays reached: the end of
// the bytes, a lone last byte, or a 0xFFFF unit, after which nothing more is read. A unit past the
// limit ends it too, as a failure.
struct UnitReader {
    std::FILE* file;
    std::size_t unitsLeft = ReadLimitUnits;
    bool ended = false;
    bool overLimit = false;

    bool Next(wchar_t& unit) {
        if (ended) return false;
        int low = std::getc(file);
        int high = low == EOF ? EOF : std::getc(file);
        overLimit = high != EOF && !(low == 0xFF && high == 0xFF) && unitsLeft == 0;
        if (high == EOF || (low == 0xFF && high == 0xFF) || overLimit) {
            ended = true;
            return false;
        }
        unitsLeft--;
        unit = static_cast<wchar_t>(low | (high << 8));
        return true;
    }
};

// A line needs at least one unit, its line feed included, so a file that ends with a line feed
// has no empty line after it. A line cut by the limit is no line. Moved, not copied: a long line
// costs its size once.
bool ReadLine(UnitReader& reader, bool first, std::wstring& destination) {
    std::wstring line;
    wchar_t unit = 0;
    bool anyUnit = false;
    while (reader.Next(unit)) {
        anyUnit = true;
        if (unit == L'\n') break;
        line += unit;
    }
    if (!anyUnit || reader.overLimit) return false;
    if (first && !line.empty() && line.front() == 0xFEFF) line.erase(0, 1);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    destination = std::move(line);
    return true;
}

bool PutUnit(std::FILE* file, unsigned unit) {
    return std::putc(static_cast<int>(unit & 0xFF), file) != EOF &&
           std::putc(static_cast<int>(unit >> 8), file) != EOF;
}

// Where wchar_t is 32 bits wide a character past U+FFFF goes out as its surrogate pair, the
// form Windows holds it in.
bool PutLine(std::FILE* file, const std::wstring& value) {
    bool ok = true;
    for (std::size_t i = 0; ok && i < value.size() && value[i] != L'\0'; i++) {
        auto c = static_cast<unsigned long>(value[i]);
        if (c > 0xFFFF && c <= 0x10FFFF) {
            c -= 0x10000;
            ok = PutUnit(file, 0xD800 + (c >> 10)) && PutUnit(file, 0xDC00 + (c & 0x3FF));
        } else {
            ok = PutUnit(file, c & 0xFFFF);
        }
    }
    return ok && PutUnit(file, L'\r') && PutUnit(file, L'\n');
}

}  // namespace

// The one place where a file's contents decide how much memory we ask for, so the one place that
// turns a refused allocation into what it is to the players: a file that can't be read. Reading stops
// at the first line that isn't there whole; how many were is the caller's to judge.
bool ReadStringLines(std::wstring* destination, int count, const std::wstring& path, int& linesRead) {
    linesRead = 0;
    std::FILE* file = OpenRegularFile(path);
    if (file == nullptr) return false;
    UnitReader reader{file};
    bool ok = true;
    try {
        while (linesRead < count && ReadLine(reader, linesRead == 0, destination[linesRead])) linesRead++;
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    std::fclose(file);
    return ok;
}

bool ReadStringList(std::wstring* destination, int count, const std::wstring& path) {
    int linesRead = 0;
    return ReadStringLines(destination, count, path, linesRead) && linesRead == count;
}

// A failed write anywhere, the flush to the disk included, is a failed write.
static bool WriteLines(std::FILE* file, const std::wstring* source, int count) {
    bool ok = PutUnit(file, 0xFEFF);
    for (int i = 0; ok && i < count; i++) ok = PutLine(file, source[i]);
    ok = ok && FlushToDisk(file);
    return std::fclose(file) == 0 && ok;
}

static std::wstring TemporaryPath(const std::wstring& path, unsigned long processId) {
    return path + L"." + std::to_wstring(processId) + L".tmp";
}

std::wstring TemporaryPathFor(const std::wstring& path) { return TemporaryPath(path, CurrentProcessId()); }

// The process a file name of ours, "<target>.<id>.tmp", was written by; 0 for any other name.
static unsigned long WriterOf(const std::wstring& name, const std::wstring& targetName) {
    const std::wstring prefix = targetName + L".", suffix = L".tmp";
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const std::wstring digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.size() > 10 || digits[0] == L'0') return 0;
    unsigned long long id = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return 0;
        id = id * 10 + static_cast<unsigned>(c - L'0');
    }
    return id <= 0x7FFFFFFF ? static_cast<unsigned long>(id) : 0;
}

// A save cut short by a crash leaves its file behind; the next save of any copy removes it once the
// process that wrote it is gone. A copy that is saving right now is running, so its file stays.
static void RemoveLeftovers(const std::wstring& path) {
    const std::size_t cut = path.find_last_of(PathSeparator());
    const std::wstring folder = cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
    const std::wstring targetName = path.substr(folder.size());
    for (const std::wstring& name : FileNamesIn(folder.empty() ? std::wstring(1, L'.') + PathSeparator() : folder)) {
        const unsigned long writer = WriterOf(name, targetName);
        if (writer != 0 && writer != CurrentProcessId() && !IsProcessRunning(writer))
            RemoveFile(TemporaryPath(path, writer));  // one we can't remove stays for a later save
    }
}

// The lines go to a file beside the target that then takes its place in one step, once they are
// on the disk, so a full disk or a power cut leaves the old file whole instead of a cut or empty
// one. Each process writes a file of its own there, so two copies saving at once never write into
// one file: the last to finish wins, whole. Where that file can't be made (a folder we may not
// write to, a read-only leftover, a name too long for the system) the target is written in place:
// a configuration that gets repaired is worth more than the single step.
bool WriteStringList(const std::wstring* source, int count, const std::wstring& path) {
    const std::wstring temporaryPath = TemporaryPathFor(path);
    std::FILE* file = OpenFile(temporaryPath, "wb");
    if (file == nullptr) {
        file = OpenFile(path, "wb");
        return file != nullptr && WriteLines(file, source, count);
    }
    bool ok = WriteLines(file, source, count) && ReplaceFile(temporaryPath, path);
    if (!ok) RemoveFile(temporaryPath);  // nothing more to do if even this fails
    RemoveLeftovers(path);
    return ok;
}

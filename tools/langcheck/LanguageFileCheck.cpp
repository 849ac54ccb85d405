// The checks behind langcheck: encoding, line ends, the version line and the slots, line by line.
#include "tools/langcheck/LanguageFileCheck.h"

#include <algorithm>
#include <cstdio>

#include "text/Config.h"
#include "text/StringList.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "text/Utf8.h"

namespace {

struct Report {
    std::vector<LanguageFileProblem> problems;
    void Error(int line, const std::string& message) { problems.push_back({line, true, message}); }
    void Warning(int line, const std::string& message) { problems.push_back({line, false, message}); }
    // The program never reads past the last optional line, so what would garble a text there garbles nothing.
    void ErrorIfRead(int line, const std::string& message) {
        problems.push_back({line, line <= TEXT_TABLE_SIZE, message});
    }
};

bool ReadBytes(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char buffer[4096];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Spots the encodings that the program would read as nonsense; false when reading should stop here.
bool CheckEncoding(const std::string& bytes, Report& report) {
    if (bytes.empty()) {
        report.Error(0, "the file is empty; a language file has " + std::to_string(TEXT_SLOT_COUNT) + " lines");
        return false;
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        report.Error(0, "the file is UTF-8; save it as UTF-16 LE (\"Unicode\" in Notepad)");
        return false;
    }
    if (bytes.compare(0, 2, "\xFE\xFF") == 0) {
        report.Error(0, "the file is big-endian UTF-16; save it as UTF-16 LE (\"Unicode\" in Notepad)");
        return false;
    }
    const bool hasMark = bytes.compare(0, 2, "\xFF\xFE") == 0;
    if (!hasMark) {
        // UTF-16 line ends carry zero bytes; 8-bit text has none.
        if (bytes.find('\0') == std::string::npos) {
            report.Error(0, "the file is 8-bit text or UTF-8, not UTF-16 LE (\"Unicode\" in Notepad)");
            return false;
        }
        int lineFeeds = 0, swappedLineFeeds = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            if (bytes[i] == '\n' && bytes[i + 1] == '\0') lineFeeds++;
            if (bytes[i] == '\0' && bytes[i + 1] == '\n') swappedLineFeeds++;
        }
        // Enough line feeds as the program reads them make a file it loads, whatever else it holds.
        if (swappedLineFeeds > lineFeeds && lineFeeds + 1 < TEXT_SLOT_COUNT) {
            report.Error(0, "the file looks like big-endian UTF-16; save it as UTF-16 LE (\"Unicode\" in Notepad)");
            return false;
        }
        report.Warning(0, "no byte-order mark (FF FE) at the start: the program reads the file, "
                          "but editors may guess its encoding wrongly");
    }
    if (bytes.size() % 2 != 0)  // the program reads the file as if the byte were not there
        report.Warning(0, "the file has an odd number of bytes, so it is not whole UTF-16; the last byte is ignored");
    return true;
}

struct Line {
    std::u16string text;  // without the line feed, with any carriage return
    bool endsWithLineFeed;
};

std::vector<Line> SplitLines(const std::string& bytes, Report& report) {
    std::vector<Line> lines;
    Line current{u"", false};
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit =
            static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == 0xFFFF) {
            report.ErrorIfRead(static_cast<int>(lines.size()) + 1,
                               "the code unit U+FFFF ends the file for the program; nothing after it is read");
            break;
        }
        if (unit == u'\n') {
            current.endsWithLineFeed = true;
            lines.push_back(current);
            current = Line{u"", false};
        } else {
            current.text.push_back(unit);
        }
    }
    if (!current.text.empty()) lines.push_back(current);
    if (!lines.empty() && lines[0].text.compare(0, 1, u"\xFEFF") == 0) lines[0].text.erase(0, 1);
    return lines;
}

std::string Hex(char16_t unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(unit));
    return buffer;
}

void CheckCharacters(const std::u16string& text, int number, Report& report) {
    for (std::size_t i = 0; i < text.size(); i++) {
        const char16_t unit = text[i];
        if (unit == 0) {
            report.ErrorIfRead(number, "a zero character (U+0000); the text after it will not show");
        } else if (unit == 0xFEFF) {
            report.Warning(number, "a byte-order mark (U+FEFF) inside the text");
        } else if (unit >= 0xD800 && unit < 0xDC00) {
            if (i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
                i++;
            else
                report.Warning(number, "a lone surrogate " + Hex(unit) + " is not a character");
        } else if (unit >= 0xDC00 && unit < 0xE000) {
            report.Warning(number, "a lone surrogate " + Hex(unit) + " is not a character");
        } else if (unit < 0x20 && unit != u'\t' && unit != u'\r') {
            report.Warning(number, "a control character " + Hex(unit));
        }
    }
}

void CheckLineEnds(const std::vector<Line>& lines, Report& report) {
    for (std::size_t i = 0; i < lines.size(); i++) {
        const int number = static_cast<int>(i) + 1;
        const std::u16string& text = lines[i].text;
        const bool endsWithReturn = !text.empty() && text.back() == u'\r';
        if (!lines[i].endsWithLineFeed)
            report.Warning(number, "the last line has no line break (CR LF) after it");
        else if (!endsWithReturn)
            report.Warning(number, "the line ends with LF alone, not CR LF");
        const std::size_t stray = text.find(u'\r');
        if (stray != std::string::npos && stray + 1 < text.size())
            report.Warning(number, "a carriage return (CR) inside the line; it will show in the text");
        const std::size_t length = text.size() - (endsWithReturn ? 1 : 0);
        if (number <= TEXT_TABLE_SIZE && length > TEXT_LINE_MAX_LENGTH)
            report.Warning(number, "longer than " + std::to_string(TEXT_LINE_MAX_LENGTH) +
                                       " characters; the program keeps only the first " +
                                       std::to_string(TEXT_LINE_MAX_LENGTH));
        CheckCharacters(text, number, report);
    }
}

// The texts as the program reads them, then what a missing or odd value costs.
void CheckSlots(const std::string& path, std::size_t lineCount, Report& report) {
    if (lineCount < static_cast<std::size_t>(TEXT_SLOT_COUNT)) {
        report.Error(static_cast<int>(lineCount), "the file has only " + std::to_string(lineCount) +
                                                       (lineCount == 1 ? " line" : " lines") +
                                                       "; a language file needs " + std::to_string(TEXT_SLOT_COUNT));
        return;
    }
    std::wstring texts[TEXT_TABLE_SIZE];
    int linesRead = 0;
    if (!ReadStringLines(texts, TEXT_TABLE_SIZE, WidenUtf8(path), linesRead) || linesRead < TEXT_SLOT_COUNT) {
        report.Error(0, "the program can't read " + std::to_string(TEXT_SLOT_COUNT) + " lines from this file");
        return;
    }
    if (!IsVersionOne(texts[TS_VERSION]))
        report.Error(1, "line 1 must be the number 1, the version of the format; it reads \"" +
                            NarrowUtf8(texts[TS_VERSION]) + "\"");
    else if (texts[TS_VERSION] != L"1")
        report.Warning(1, "line 1 reads as 1, but plain \"1\" is safer");
    if (lineCount > static_cast<std::size_t>(TEXT_TABLE_SIZE))
        report.Warning(TEXT_TABLE_SIZE + 1, "lines after " + std::to_string(TEXT_TABLE_SIZE) + " are ignored");
    else if (linesRead < TEXT_TABLE_SIZE)
        report.Warning(linesRead, "lines " + std::to_string(linesRead + 1) + " to " + std::to_string(TEXT_TABLE_SIZE) +
                                      " are missing: the menu and the record will show their built-in Russian texts");
    for (int slot = 1; slot < linesRead; slot++) {
        if (!texts[slot].empty()) continue;
        const TextRow& row = TextRows[slot];
        report.Warning(slot + 1, std::string("empty: ") + row.role +
                                     (row.required ? " will show no text" : " will show its built-in Russian text"));
    }
    const std::wstring& helpName = texts[TS_HELP_FILE];
    if (helpName.empty()) return;
    if (helpName.front() == L' ' || helpName.back() == L' ' || helpName.back() == L'\t') {
        report.Warning(TS_HELP_FILE + 1, "spaces around the help file name are part of the name");
        return;
    }
    std::FILE* help = std::fopen((FolderOf(path) + NarrowUtf8(helpName)).c_str(), "rb");
    if (help)
        std::fclose(help);
    else
        report.Warning(TS_HELP_FILE + 1, "the help file \"" + NarrowUtf8(helpName) + "\" is not beside this file");
}

}  // namespace

std::vector<LanguageFileProblem> CheckLanguageFile(const std::string& path) {
    Report report;
    std::string bytes;
    if (!ReadBytes(path, bytes)) {
        report.Error(0, "the file can't be read");
        return report.problems;
    }
    if (!CheckEncoding(bytes, report)) return report.problems;
    const std::vector<Line> lines = SplitLines(bytes, report);
    CheckLineEnds(lines, report);
    CheckSlots(path, lines.size(), report);
    std::stable_sort(report.problems.begin(), report.problems.end(),
                     [](const LanguageFileProblem& a, const LanguageFileProblem& b) { return a.line < b.line; });
    return report.problems;
}

bool HasErrors(const std::vector<LanguageFileProblem>& problems) {
    for (const LanguageFileProblem& problem : problems)
        if (problem.isError) return true;
    return false;
}

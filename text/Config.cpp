// config.txt, the version check shared with the language files, and paths beside the executable.
#include "text/Config.h"

#include "text/Ansi.h"
#include "text/FileAccess.h"
#include "text/StringList.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

const std::wstring ConfigFileName = L"config.txt";
const std::wstring DefaultConfig[CONFIG_LINE_COUNT] = {L"1", L"Languages", L"Russian.Lang.txt"};
std::wstring ConfigLines[CONFIG_LINE_MAX];
std::wstring LanguageFolder;
std::wstring LanguageFileName;
int DicePerTurn = 1;

// The version line is read the way atol reads a 20-byte buffer of its ANSI text: blanks, a sign,
// digits summed in 32 bits that wrap ("4294967297" is 1). A longer line is judged by its first
// 19 bytes, the most that fits beside the terminator; the rest is never looked at, nor converted:
// each character gives at least one byte (a surrogate pair gives one '?', where reading stops anyway),
// so the first 19 characters hold those bytes.
bool IsVersionOne(const std::wstring& line) {
    constexpr std::size_t VersionBufferSize = 20;
    const auto start = line.begin(), end = start + std::min(line.size(), VersionBufferSize - 1);
    const auto length = std::find(start, end, L'\0') - start;  // the text ends at its first zero
    std::string text = NarrowAnsi(line.data(), static_cast<int>(length));
    if (text.size() > VersionBufferSize - 1) text.resize(VersionBufferSize - 1);

    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) i++;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; i++)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    if (negative) value = 0u - value;
    return value == 1u;
}

// C0, DEL and C1. No file name holds one, and the system reads a name only up to its first U+0000, so
// a name read from a file that holds one would open something else than the name that was checked.
bool IsControlCharacter(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool HoldsControlCharacter(const std::wstring& text) {
    return std::any_of(text.begin(), text.end(), IsControlCharacter);
}

// The fourth line is the newest: a file without it is an earlier version's, and anything but 2 or 3 in it
// means the one die every earlier version draws, never an error.
static int DiceOf(const std::wstring& line) {
    return line == L"2" ? 2 : line == L"3" ? 3 : 1;
}

// A folder or file name with a control character could never name the language file, so such a
// configuration is repaired like any other that can't be used.
bool LoadConfig(const std::wstring& path) {
    int linesRead = 0;
    ConfigLines[CONFIG_LINE_COUNT].clear();  // a shorter file leaves no fourth line from the last one
    if (!ReadStringLines(ConfigLines, CONFIG_LINE_MAX, path, linesRead) || linesRead < CONFIG_LINE_COUNT ||
        !IsVersionOne(ConfigLines[0]) || HoldsControlCharacter(ConfigLines[1]) || HoldsControlCharacter(ConfigLines[2]))
        return false;
    LanguageFolder = ConfigLines[1];
    LanguageFileName = ConfigLines[2];
    DicePerTurn = DiceOf(ConfigLines[CONFIG_LINE_COUNT]);
    return true;
}

// One die writes the three lines every earlier version reads and writes, 66 bytes by default. A fourth line
// that already means the dice in force is written back as it was read, whatever it holds.
bool SaveConfig(const std::wstring& path) {
    ConfigLines[0] = DefaultConfig[0];
    ConfigLines[1] = LanguageFolder;
    ConfigLines[2] = LanguageFileName;
    std::wstring& diceLine = ConfigLines[CONFIG_LINE_COUNT];
    if (DiceOf(diceLine) != DicePerTurn) diceLine = DicePerTurn == 1 ? std::wstring() : std::to_wstring(DicePerTurn);
    return WriteStringList(ConfigLines, diceLine.empty() ? CONFIG_LINE_COUNT : CONFIG_LINE_MAX, path);
}

// A choice counts only once it is on disk: a configuration that can't be written leaves the choice and
// the lines as they were, so what is in force never differs from what the next start will load.
template <typename Value>
static bool SaveChoice(Value& choice, const Value& chosen, const std::wstring& path) {
    const Value previous = choice;
    std::wstring previousLines[CONFIG_LINE_MAX];
    std::copy(std::begin(ConfigLines), std::end(ConfigLines), previousLines);
    choice = chosen;
    if (SaveConfig(path)) return true;
    choice = previous;
    std::copy(std::begin(previousLines), std::end(previousLines), ConfigLines);
    return false;
}

bool SaveLanguageChoice(const std::wstring& fileName, const std::wstring& path) {
    return SaveChoice(LanguageFileName, fileName, path);
}

bool SaveDiceChoice(int dice, const std::wstring& path) { return SaveChoice(DicePerTurn, DiceOf(std::to_wstring(dice)), path); }

std::wstring SaveConfigErrorMessage(const std::wstring& path) { return L"Error Save Config File:\n\n" + path; }

// No normalisation: a relative path that happens to be absolute is still put after the folder.
std::wstring ModulePath(const std::wstring& relative) { return ModuleDirectory() + relative; }

std::wstring FileNamePart(const std::wstring& path) {
    std::size_t cut = path.find_last_of(PathSeparator());
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

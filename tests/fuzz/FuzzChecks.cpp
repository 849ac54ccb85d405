// What every input must leave true, whether its files are in memory or on the disk.
#include "tests/fuzz/FuzzFiles.h"

#include "text/Config.h"
#include "text/StringList.h"
#include "text/TextResources.h"
#include "text/TextTable.h"

#include <cstdlib>

void Check(bool condition) {
    if (!condition) std::abort();
}

bool ReadWritable(std::wstring* lines, int count, const std::wstring& path) {
    if (!ReadStringList(lines, count, path)) return false;
    for (int i = 0; i < count; i++) {
        if (lines[i].find(L'\0') != std::wstring::npos) return false;
        Check(lines[i].find(L'\n') == std::wstring::npos);
    }
    return true;
}

// Whatever was read, written and read again, reads the same.
void CheckWritesBack(const std::wstring* lines, int count, const std::wstring& path) {
    Check(WriteStringList(lines, count, path));
    std::wstring again[MaxLines];
    Check(ReadStringList(again, count, path));
    for (int i = 0; i < count; i++) Check(again[i] == lines[i]);
}

// The loader always ends in a state the rest of the program can use.
void CheckLoad(const std::uint8_t* config, std::size_t configSize, const std::uint8_t* language,
               std::size_t languageSize) {
    RemoveFiles();
    if (config != nullptr) PutFile(ModulePath(ConfigFileName), config, configSize);
    if (language != nullptr) PutFile(ModulePath(L"Languages/Russian.Lang.txt"), language, languageSize);
    Check(LoadTextResources());
    Check(LanguageName == TextTable[TS_LANGUAGE_NAME]);
    if (!LoadErrorMessage.empty())
        for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) Check(TextTable[slot] == DefaultTextTable[slot]);
    else
        Check(IsVersionOne(TextTable[TS_VERSION]));
}

// The load of config.txt and the language file, with the fallbacks the players see.
#include "text/TextResources.h"

#include "text/Config.h"
#include "text/FileAccess.h"
#include "text/StringList.h"
#include "text/TextTable.h"

std::wstring LanguageName;
std::wstring HelpFilePath;
std::wstring LoadErrorMessage;

static std::wstring InLanguageFolder(const std::wstring& fileName) {
    return ModulePath(LanguageFolder + PathSeparator() + fileName);
}

// A crafted line of millions of characters would otherwise reach every menu, window, tooltip and record
// line that shows it, and the record repeats a name in each of its lines. A cut between the two halves
// of a surrogate pair would leave half a character, so such a pair goes whole.
static void BoundLine(std::wstring& line) {
    if (line.size() <= TEXT_LINE_MAX_LENGTH) return;
    const wchar_t last = line[TEXT_LINE_MAX_LENGTH - 1];
    line.resize(last >= 0xD800 && last <= 0xDBFF ? TEXT_LINE_MAX_LENGTH - 1 : TEXT_LINE_MAX_LENGTH);
}

// A failed read may leave part of the file in the table; the caller puts the defaults back. The lines
// after the 31 every file has are optional, so a file made for an older program still loads whole.
bool LoadLanguage(const std::wstring& path) {
    ResetTextTableToDefaults();
    int linesRead = 0;
    if (!ReadStringLines(TextTable, TEXT_TABLE_SIZE, path, linesRead) || linesRead < TEXT_SLOT_COUNT) return false;
    for (int slot = 0; slot < linesRead; slot++) BoundLine(TextTable[slot]);
    // An empty menu item or button could not be found at all; the built-in text at least names it.
    for (int slot = TEXT_SLOT_COUNT; slot < linesRead; slot++)
        if (TextTable[slot].empty()) TextTable[slot] = DefaultTextTable[slot];
    return IsVersionOne(TextTable[TS_VERSION]);
}

// Nothing is shown here: a bad language file (the result stays true) or a configuration that can't
// be read even after being rewritten (false) leaves its message in LoadErrorMessage for the caller.
bool LoadTextResources() {
    LoadErrorMessage.clear();
    const std::wstring configPath = ModulePath(ConfigFileName);
    if (!LoadConfig(configPath)) {
        LanguageFolder = DefaultConfig[1];
        LanguageFileName = DefaultConfig[2];
        DicePerTurn = 1;
        SaveConfig(configPath);  // a failed write shows up as the failed read below
        if (!LoadConfig(configPath)) {
            LoadErrorMessage = L"Error Load Config File:\n\n" + configPath + L"\n\nAbort!";
            return false;
        }
    }

    const std::wstring languagePath = InLanguageFolder(LanguageFileName);
    if (!LoadLanguage(languagePath)) {
        ResetTextTableToDefaults();
        LoadErrorMessage = L"Error Load Language File:\n\n" + languagePath;
    }
    LanguageName = TextTable[TS_LANGUAGE_NAME];
    HelpFilePath = InLanguageFolder(TextTable[TS_HELP_FILE]);
    return true;
}

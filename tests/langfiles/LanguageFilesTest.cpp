// The shipped language files: Russian holds the built-in texts, the others translate every one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "text/StringList.h"
#include "text/TextTable.h"
#include "tools/langcheck/LanguageFileCheck.h"

static const std::string Folder = ZARVIK_LANGUAGES_DIR;
static const char* const ShippedLanguages[] = {ZARVIK_SHIPPED_LANGUAGES};

// Slots a translation may leave as the English reads, and why; each row must still hold.
struct SameAsEnglish {
    const char* language;  // nullptr: every language
    int slot;
    const char* reason;
};
static const SameAsEnglish SameAsEnglishSlots[] = {
    {nullptr, TS_VERSION, "the format version is the number 1 in every file"},
};

static std::wstring Ascii(const std::string& text) { return std::wstring(text.begin(), text.end()); }

static bool ReadLanguage(const std::string& language, std::wstring (&texts)[TEXT_TABLE_SIZE]) {
    return ReadStringList(texts, TEXT_TABLE_SIZE, Ascii(Folder + language + ".Lang.txt"));
}

static const char* ReasonToMatchEnglish(const std::string& language, int slot) {
    for (const SameAsEnglish& row : SameAsEnglishSlots)
        if (row.slot == slot && (row.language == nullptr || language == row.language)) return row.reason;
    return nullptr;
}

// A heading is a line underlined with '=' or '-' to its own length; each one gives its number
// ("1." or nothing) and its underline character, so a dropped or renumbered section shows.
static std::vector<std::wstring> HelpHeadings(const std::string& language) {
    std::wstring text = FromUtf16Le(ReadBytes(Folder + language + " Help.txt"));
    if (!text.empty() && text[0] == 0xFEFF) text.erase(0, 1);
    std::vector<std::wstring> headings;
    std::wstring previous;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        const bool underline = !line.empty() && (line[0] == L'=' || line[0] == L'-') &&
                               line.find_first_not_of(line[0]) == std::wstring::npos;
        if (underline && line.size() == previous.size()) {
            const std::wstring first = previous.substr(0, previous.find(L' '));
            headings.push_back((!first.empty() && first.back() == L'.' ? first : L"") + line[0]);
        }
        previous = line;
        start = end + 1;
    }
    return headings;
}

// The checker also warns of an empty slot and of a help file that is not beside the language file.
TEST(LanguageFiles, ShippedFilesPassTheCheckerWithoutAWarning) {
    for (const std::string language : ShippedLanguages) {
        for (const LanguageFileProblem& problem : CheckLanguageFile(Folder + language + ".Lang.txt"))
            ADD_FAILURE() << language << ":" << problem.line << ": " << problem.message;
    }
}

// Byte for byte what the program would write, so the file also shows how a language file looks.
TEST(LanguageFiles, RussianHoldsTheBuiltInTexts) {
    std::string expected = "\xFF\xFE";
    for (const std::wstring& text : DefaultTextTable) expected += Utf16Le(text + L"\r\n");
    EXPECT_EQ(expected, ReadBytes(Folder + "Russian.Lang.txt"));
}

TEST(LanguageFiles, EnglishTranslatesEverySlot) {
    std::wstring english[TEXT_TABLE_SIZE];
    ASSERT_TRUE(ReadLanguage("English", english));
    EXPECT_EQ(L"1", english[TS_VERSION]);
    EXPECT_EQ(L"Language - English", english[TS_LANGUAGE_NAME]);
    EXPECT_EQ(L"English Help.txt", english[TS_HELP_FILE]);
    EXPECT_EQ(L"King is included in the move generator", english[TS_KING_ON]);
    EXPECT_EQ(L"King is not included in the move generator", english[TS_KING_OFF]);
    for (int slot = TS_PRESS_WHITE; slot < TEXT_TABLE_SIZE; slot++) {
        EXPECT_NE(DefaultTextTable[slot], english[slot]) << "slot " << slot << " is not translated";
        for (wchar_t unit : english[slot])
            EXPECT_TRUE(unit >= 0x20 && unit < 0x7F) << "slot " << slot << " holds U+" << std::hex << int(unit);
    }
}

// A file begun as a copy of English keeps passing the checker, so a forgotten line shows only here.
TEST(LanguageFiles, TranslationsReplaceEveryEnglishText) {
    std::wstring english[TEXT_TABLE_SIZE];
    ASSERT_TRUE(ReadLanguage("English", english));
    for (const std::string language : ShippedLanguages) {
        std::wstring texts[TEXT_TABLE_SIZE];
        ASSERT_TRUE(ReadLanguage(language, texts)) << language;
        EXPECT_EQ(Ascii(language) + L" Help.txt", texts[TS_HELP_FILE]) << language;
        if (language == "English") continue;
        for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) {
            const char* reason = ReasonToMatchEnglish(language, slot);
            if (reason != nullptr)
                EXPECT_EQ(english[slot], texts[slot])
                    << language << " slot " << slot << " was to match: " << reason;
            else
                EXPECT_NE(english[slot], texts[slot]) << language << " slot " << slot << " is still in English";
        }
    }
}

TEST(LanguageFiles, HelpTextsKeepTheSectionsOfTheEnglish) {
    const std::vector<std::wstring> english = HelpHeadings("English");
    ASSERT_EQ(9u, english.size());
    for (const std::string language : ShippedLanguages)
        EXPECT_EQ(english, HelpHeadings(language)) << language;
}

// Notepad shows UTF-16 with a byte-order mark and CR LF line ends as it should.
TEST(LanguageFiles, HelpTextsAreUtf16WithCrLf) {
    for (const std::string language : ShippedLanguages) {
        const std::string name = language + " Help.txt";
        const std::string bytes = ReadBytes(Folder + name);
        ASSERT_GT(bytes.size(), 1000u) << name;
        EXPECT_EQ("\xFF\xFE", bytes.substr(0, 2)) << name;
        EXPECT_EQ(0u, bytes.size() % 2) << name;
        EXPECT_EQ(Utf16Le(L"\r\n"), bytes.substr(bytes.size() - 4)) << name;
        const std::wstring text = FromUtf16Le(bytes.substr(2));
        int lineFeeds = 0;
        for (std::size_t i = 0; i < text.size(); i++) {
            const unsigned unit = text[i];
            if (unit == L'\n') {
                lineFeeds++;
                EXPECT_TRUE(i > 0 && text[i - 1] == L'\r') << name << ": line " << lineFeeds << " ends in LF alone";
            }
            EXPECT_TRUE(unit >= 0x20 || unit == L'\r' || unit == L'\n') << name << ": control character U+" << unit;
        }
        EXPECT_GT(lineFeeds, 100) << name;
    }
}

// The whole load beside the test program: config.txt, the language file, fallbacks and messages.
#include "text/TextResources.h"

#include "tests/support/SystemFiles.h"
#include "tests/support/TestFiles.h"
#include "text/Config.h"
#include "text/FileAccess.h"
#include "text/StringList.h"
#include "text/TextTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string Bom = "\xFF\xFE";
const std::string DefaultConfigBytes = Bom + Utf16Le(u"1\r\nLanguages\r\nRussian.Lang.txt\r\n");
const std::wstring Before = L"(before)";

// A language file of count lines: the version, its name, its help file, then "<tag> n".
std::u16string LanguageLines(const std::u16string& tag, int count = TEXT_SLOT_COUNT,
                             const std::u16string& version = u"1") {
    std::u16string text;
    for (int line = 0; line < count; line++) {
        std::u16string value = line == 0 ? version
                               : line == 1 ? u"Language - " + tag
                               : line == 2 ? tag + u" Help.txt"
                                           : tag + u" " + std::u16string(1, static_cast<char16_t>(u'A' + line % 26));
        text += value + u"\r\n";
    }
    return text;
}

std::wstring LineOf(const std::u16string& lines, int index) {
    std::size_t start = 0;
    for (int i = 0; i < index; i++) start = lines.find(u"\r\n", start) + 2;
    return Wide(lines.substr(start, lines.find(u"\r\n", start) - start));
}

class Loader : public testing::Test {
protected:
    void SetUp() override {
        Clean();
        LanguageFolder = LanguageFileName = LanguageName = HelpFilePath = LoadErrorMessage = Before;
        for (std::wstring& slot : TextTable) slot = Before;
    }
    void TearDown() override { Clean(); }

    static void Clean() {
        for (const char* name : {"config.txt", "Languages"}) fs::remove_all(Dir() / name);
        fs::remove_all(PathOf(TemporaryPathFor(InDir(L"config.txt"))));
    }
    static fs::path Dir() { return PathOf(ModuleDirectory()); }
    static std::wstring InDir(const std::wstring& relative) { return ModuleDirectory() + relative; }
    static std::wstring Sep() { return std::wstring(1, PathSeparator()); }

    static void WriteConfig(const std::string& bytes) { WriteBytes(Dir() / "config.txt", bytes); }
    static void WriteLanguage(const char* name, const std::string& bytes) {
        fs::create_directories(Dir() / "Languages");
        WriteBytes(Dir() / "Languages" / name, bytes);
    }

    static void ExpectDefaultsAfterLanguageError(const std::wstring& languagePath, const std::wstring& folder) {
        const std::wstring message = L"Error Load Language File:\n\n" + languagePath;
        EXPECT_EQ(message, LoadErrorMessage);
        for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) EXPECT_EQ(DefaultTextTable[slot], TextTable[slot]) << slot;
        EXPECT_EQ(L"Language - Russian", LanguageName);
        EXPECT_EQ(InDir(folder + Sep() + L"Russian Help.txt"), HelpFilePath);
    }
};

}  // namespace

TEST_F(Loader, FirstStartWritesTheConfigurationAndUsesItsLanguage) {
    const std::u16string lines = LanguageLines(u"Test");
    WriteLanguage("Russian.Lang.txt", Bom + Utf16Le(lines));
    TemporaryFolder elsewhere;  // the files are found beside the program, not in the current folder
    const fs::path previous = fs::current_path();
    fs::current_path(elsewhere.Path());
    bool loaded = LoadTextResources();
    fs::current_path(previous);

    ASSERT_TRUE(loaded);
    EXPECT_EQ(DefaultConfigBytes, ReadBytes(Dir() / "config.txt"));
    EXPECT_EQ(L"", LoadErrorMessage);
    for (int slot = 0; slot < TEXT_SLOT_COUNT; slot++) EXPECT_EQ(LineOf(lines, slot), TextTable[slot]) << slot;
    EXPECT_EQ(L"Language - Test", LanguageName);
    EXPECT_EQ(InDir(L"Languages" + Sep() + L"Test Help.txt"), HelpFilePath);
    EXPECT_EQ(L"Languages", LanguageFolder);
    EXPECT_EQ(L"Russian.Lang.txt", LanguageFileName);
}

// config.txt is rewritten with the defaults when it can't be used, and left alone when it can.
TEST_F(Loader, ConfigurationIsRepairedOnlyWhenUnusable) {
    struct Case {
        const char* name;
        std::optional<std::u16string> config;
        bool rewritten;
        const wchar_t* languageName;
    };
    const Case cases[] = {
        {"missing", std::nullopt, true, L"Language - Test"},
        {"version 2 naming a good file", u"2\r\nLanguages\r\nOther.Lang.txt\r\n", true, L"Language - Test"},
        {"two lines", u"1\r\nLanguages\r\n", true, L"Language - Test"},
        {"empty", u"", true, L"Language - Test"},
        {"version 1 and a space", u"1 \r\nLanguages\r\nOther.Lang.txt\r\n", false, L"Language - Other"},
        {"version 01", u"01\r\nLanguages\r\nOther.Lang.txt\r\n", false, L"Language - Other"},
    };
    for (const Case& c : cases) {
        SetUp();
        WriteLanguage("Russian.Lang.txt", Bom + Utf16Le(LanguageLines(u"Test")));
        WriteLanguage("Other.Lang.txt", Bom + Utf16Le(LanguageLines(u"Other")));
        const std::string configBytes = c.config ? Bom + Utf16Le(*c.config) : "";
        if (c.config) WriteConfig(configBytes);

        EXPECT_TRUE(LoadTextResources()) << c.name;
        EXPECT_EQ(c.rewritten ? DefaultConfigBytes : configBytes, ReadBytes(Dir() / "config.txt")) << c.name;
        EXPECT_EQ(L"", LoadErrorMessage) << c.name;
        EXPECT_EQ(c.languageName, LanguageName) << c.name;
    }
}

// Every way a language file can be refused: the exact message with the path tried, all defaults.
TEST_F(Loader, RefusedLanguageFallsBackToTheDefaults) {
    struct Case {
        const char* name;
        std::u16string config;
        std::optional<std::u16string> russianFile;
        std::wstring languagePath;  // relative to the program's folder
        std::wstring folder;
    };
    const std::wstring sep = Sep();
    const Case cases[] = {
        {"no language file", u"1\r\nLanguages\r\nRussian.Lang.txt\r\n", std::nullopt,
         L"Languages" + sep + L"Russian.Lang.txt", L"Languages"},
        {"30 lines", u"1\r\nLanguages\r\nRussian.Lang.txt\r\n", LanguageLines(u"Test", 30),
         L"Languages" + sep + L"Russian.Lang.txt", L"Languages"},
        {"20 lines", u"1\r\nLanguages\r\nRussian.Lang.txt\r\n", LanguageLines(u"Test", 20),
         L"Languages" + sep + L"Russian.Lang.txt", L"Languages"},
        {"version 2", u"1\r\nLanguages\r\nRussian.Lang.txt\r\n", LanguageLines(u"Test", 31, u"2"),
         L"Languages" + sep + L"Russian.Lang.txt", L"Languages"},
        {"a file not in the folder", u"1\r\nLanguages\r\nChosen.Lang.txt\r\n", LanguageLines(u"Test"),
         L"Languages" + sep + L"Chosen.Lang.txt", L"Languages"},
        {"empty folder line", u"1\r\n\r\nRussian.Lang.txt\r\n", LanguageLines(u"Test"),
         sep + L"Russian.Lang.txt", L""},
    };
    for (const Case& c : cases) {
        SetUp();
        const std::string configBytes = Bom + Utf16Le(c.config);
        WriteConfig(configBytes);
        if (c.russianFile) WriteLanguage("Russian.Lang.txt", Bom + Utf16Le(*c.russianFile));

        SCOPED_TRACE(c.name);
        EXPECT_TRUE(LoadTextResources());
        ExpectDefaultsAfterLanguageError(InDir(c.languagePath), c.folder);
        EXPECT_EQ(configBytes, ReadBytes(Dir() / "config.txt"));  // a language error never rewrites it
    }
}

// An empty line among the 31 stays empty, as it always has; one among the optional lines after them
// keeps its built-in text, and so does every optional line a file leaves out.
TEST_F(Loader, LongerLanguageFileIsAcceptedAndAnEmptyLineStaysEmpty) {
    std::u16string lines = LanguageLines(u"Test", TEXT_TABLE_SIZE + 3);
    lines.replace(lines.find(u"Test H\r\n"), 6, u"");  // slot 7, the King's name, now empty
    lines.replace(lines.rfind(u"Test J\r\n"), 6, u"");  // slot 35, the record's title, now empty
    WriteLanguage("Russian.Lang.txt", Bom + Utf16Le(lines));
    ASSERT_TRUE(LoadTextResources());
    EXPECT_EQ(L"", LoadErrorMessage);
    EXPECT_EQ(L"", TextTable[TS_KING]);
    EXPECT_EQ(LineOf(lines, 30), TextTable[TS_HELP_CREDITS]);
    EXPECT_EQ(DefaultTextTable[TS_RECORD], TextTable[TS_RECORD]);
    EXPECT_EQ(LineOf(lines, TEXT_TABLE_SIZE - 1), TextTable[TEXT_TABLE_SIZE - 1]);
}

TEST_F(Loader, AnotherLanguageReplacesEverySlot) {
    WriteLanguage("Russian.Lang.txt", Bom + Utf16Le(LanguageLines(u"First", TEXT_TABLE_SIZE)));
    WriteLanguage("Second.Lang.txt", Bom + Utf16Le(LanguageLines(u"Second")));
    WriteLanguage("Short.Lang.txt", Bom + Utf16Le(LanguageLines(u"Short", 20)));
    ASSERT_TRUE(LoadTextResources());

    LanguageFileName = L"Second.Lang.txt";  // what the language switch does
    ASSERT_TRUE(SaveConfig(InDir(L"config.txt")));
    ASSERT_TRUE(LoadTextResources());
    for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++)
        EXPECT_EQ(std::wstring::npos, TextTable[slot].find(L"First")) << slot;
    for (int slot = TEXT_SLOT_COUNT; slot < TEXT_TABLE_SIZE; slot++)
        EXPECT_EQ(DefaultTextTable[slot], TextTable[slot]) << slot;
    EXPECT_EQ(L"Language - Second", LanguageName);

    LanguageFileName = L"Short.Lang.txt";
    ASSERT_TRUE(SaveConfig(InDir(L"config.txt")));
    ASSERT_TRUE(LoadTextResources());
    ExpectDefaultsAfterLanguageError(InDir(L"Languages" + Sep() + L"Short.Lang.txt"), L"Languages");
}

// config.txt as a folder can be neither read nor replaced.
TEST_F(Loader, UnreadableConfigurationIsReportedToTheCaller) {
    fs::create_directory(Dir() / "config.txt");
    EXPECT_FALSE(LoadTextResources());
    EXPECT_EQ(L"Error Load Config File:\n\n" + InDir(L"config.txt") + L"\n\nAbort!", LoadErrorMessage);
    EXPECT_EQ(Before, TextTable[TS_KING]);
    EXPECT_EQ(Before, LanguageName);
    EXPECT_EQ(Before, HelpFilePath);
    EXPECT_EQ(L"Languages", LanguageFolder);
    EXPECT_EQ(L"Russian.Lang.txt", LanguageFileName);
    EXPECT_TRUE(fs::is_directory(Dir() / "config.txt"));
    EXPECT_FALSE(fs::exists(PathOf(TemporaryPathFor(InDir(L"config.txt")))));
}

// Files that are not what they should be: each reads to its documented result, and the loader
// falls back with its message (as a language file) or rewrites the defaults (as config.txt).
TEST_F(Loader, BadFilesFallBackCleanly) {
    const std::u16string goodLines = LanguageLines(u"Good");
    std::string bigEndian;
    for (char16_t unit : u"\uFEFF" + goodLines) {
        bigEndian += static_cast<char>(unit >> 8);
        bigEndian += static_cast<char>(unit & 0xFF);
    }
    std::string utf8 = "\xEF\xBB\xBF";
    for (int line = 0; line < TEXT_SLOT_COUNT; line++) utf8 += NarrowUtf8(LineOf(goodLines, line)) + "\r\n";
    std::mt19937 generator(20240611);  // raw mt19937 output is the same everywhere
    std::string noise;
    for (int i = 0; i < 4096; i++) noise += static_cast<char>(generator() & 0xFF);
    std::u16string withFfff = goodLines;
    withFfff.insert(LanguageLines(u"Good", 9).size(), 1, u'\uFFFF');

    struct Case {
        const char* name;
        std::string bytes;
        bool readsAsLanguage;  // ReadStringList gets 31 lines and the version is 1
        bool readsAsConfig;    // the same for 3 lines: then it names folder "Language - Good"
    };
    const Case cases[] = {
        {"empty", "", false, false},
        {"one byte", "1", false, false},
        {"odd-sized: a byte after a good file", Bom + Utf16Le(goodLines) + "!", true, true},
        {"odd-sized: the last unit cut in half", (Bom + Utf16Le(goodLines)).substr(0, 2 * goodLines.size() - 1),
         true, true},
        {"10 MB on one line", Bom + Utf16Le(u"1") + std::string(10 * 1024 * 1024, 'z'), false, false},
        {"big-endian", bigEndian, false, false},
        {"UTF-8", utf8, false, false},
        {"random bytes", noise, false, false},
        {"U+FFFF in line 10", Bom + Utf16Le(withFfff), false, true},
    };
    const std::wstring languagePath = InDir(L"Languages" + Sep() + L"Russian.Lang.txt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        WriteLanguage("Russian.Lang.txt", c.bytes);
        std::vector<std::wstring> lines(TEXT_SLOT_COUNT);
        bool read = ReadStringList(lines.data(), TEXT_SLOT_COUNT, languagePath) && IsVersionOne(lines[0]);
        EXPECT_EQ(c.readsAsLanguage, read);
        EXPECT_TRUE(LoadTextResources());
        if (c.readsAsLanguage) {
            EXPECT_EQ(L"", LoadErrorMessage);
            EXPECT_EQ(L"Language - Good", LanguageName);
        } else {
            ExpectDefaultsAfterLanguageError(languagePath, L"Languages");
        }

        SetUp();  // the same bytes as config.txt, beside a good language file
        WriteConfig(c.bytes);
        WriteLanguage("Russian.Lang.txt", Bom + Utf16Le(goodLines));
        EXPECT_TRUE(LoadTextResources());
        if (c.readsAsConfig) {
            EXPECT_EQ(c.bytes, ReadBytes(Dir() / "config.txt"));
            ExpectDefaultsAfterLanguageError(InDir(L"Language - Good" + Sep() + L"Good Help.txt"),
                                             L"Language - Good");
        } else {
            EXPECT_EQ(DefaultConfigBytes, ReadBytes(Dir() / "config.txt"));
            EXPECT_EQ(L"", LoadErrorMessage);
            EXPECT_EQ(L"Language - Good", LanguageName);
        }
    }
}

// What a crafted config.txt can name for a language file: a device (".." climbs to the root), a folder,
// a pipe nobody writes to, a file past the 64 MiB bound. Each ends in the fallback, without a hang or
// a crash; a file of exactly the bound still loads.
TEST_F(Loader, OnlyRegularFilesWithinTheBoundAreRead) {
    const std::u16string head = LanguageLines(u"Big", 30), sep(1, static_cast<char16_t>(PathSeparator()));
    const std::size_t lastLineUnits = 32 * 1024 * 1024 - 1 - head.size();  // 64 MiB with the mark
    WriteLanguage("Limit.Lang.txt", Bom + Utf16Le(head) + std::string(2 * lastLineUnits, 'z'));
    WriteLanguage("Over.Lang.txt", Bom + Utf16Le(head) + std::string(2 * lastLineUnits + 2, 'z'));
    fs::create_directory(Dir() / "Languages" / "Folder.Lang.txt");
    const bool fifo = MakeFifo(Dir() / "Languages" / "Pipe.Lang.txt");
    std::u16string up;
    for (int i = 0; i < 16; i++) up += u".." + sep;
    const std::pair<std::u16string, std::u16string> cases[] = {
        {up + u"dev", u"zero"}, {u"Languages", u"Folder.Lang.txt"}, {u"Languages", fifo ? u"Pipe.Lang.txt" : u"-"},
        {u"Languages", u"Over.Lang.txt"}, {u"Languages", u"Limit.Lang.txt"}};
    for (const auto& [folder, file] : cases) {
        SCOPED_TRACE(NarrowUtf8(Wide(folder + sep + file)));
        WriteConfig(Bom + Utf16Le(u"1\r\n" + folder + u"\r\n" + file + u"\r\n"));
        EXPECT_TRUE(LoadTextResources());
        if (file == u"Limit.Lang.txt")
            EXPECT_EQ(std::wstring(TEXT_LINE_MAX_LENGTH, L'\x7A7A'), TextTable[TS_HELP_CREDITS]);
        else
            ExpectDefaultsAfterLanguageError(InDir(Wide(folder + sep + file)), Wide(folder));
    }
}

// The loader's cut keeps a character of two units whole or leaves it out, never half of it.
TEST_F(Loader, TheBoundOnALineNeverHalvesACharacter) {
    const std::u16string pair = u"\U0001F600", before(TEXT_LINE_MAX_LENGTH - 2, u'a');
    const std::pair<std::u16string, std::u16string> linesAndKept[] = {{before + u"b" + pair, before + u"b"},
                                                                      {before + pair + u"b", before + pair}};
    for (const auto& [line, kept] : linesAndKept) {
        WriteLanguage("Russian.Lang.txt", Bom + Utf16Le(LanguageLines(u"Test") + line + u"\r\n"));
        ASSERT_TRUE(LoadTextResources());
        EXPECT_EQ(Wide(kept), TextTable[TS_WHITE_PIECES]);
    }
}

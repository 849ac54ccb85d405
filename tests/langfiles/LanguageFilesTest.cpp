// The shipped language files: Russian holds the built-in texts, English translates every one.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/TestFiles.h"
#include "text/StringList.h"
#include "text/TextTable.h"
#include "tools/langcheck/LanguageFileCheck.h"

static const std::string Folder = ZARVIK_LANGUAGES_DIR;

TEST(LanguageFiles, ShippedFilesPassTheCheckerWithoutAWarning) {
    for (const char* name : {"Russian.Lang.txt", "English.Lang.txt"}) {
        for (const LanguageFileProblem& problem : CheckLanguageFile(Folder + name))
            ADD_FAILURE() << name << ":" << problem.line << ": " << problem.message;
    }
}

// Byte for byte what the program would write, so the file also shows how a language file looks.
TEST(LanguageFiles, RussianHoldsTheBuiltInTexts) {
    std::string expected = "\xFF\xFE";
    for (const std::wstring& text : DefaultTextTable) expected += Utf16Le(text + L"\r\n");
    EXPECT_EQ(expected, ReadBytes(Folder + "Russian.Lang.txt"));
}

TEST(LanguageFiles, EnglishTranslatesEverySlot) {
    std::wstring english[TEXT_SLOT_COUNT];
    ASSERT_TRUE(ReadStringList(english, TEXT_SLOT_COUNT, std::wstring(Folder.begin(), Folder.end()) +
                                                             L"English.Lang.txt"));
    EXPECT_EQ(L"1", english[TS_VERSION]);
    EXPECT_EQ(L"Language - English", english[TS_LANGUAGE_NAME]);
    EXPECT_EQ(L"English Help.txt", english[TS_HELP_FILE]);
    EXPECT_EQ(L"King is included in the move generator", english[TS_KING_ON]);
    EXPECT_EQ(L"King is not included in the move generator", english[TS_KING_OFF]);
    for (int slot = TS_PRESS_WHITE; slot < TEXT_SLOT_COUNT; slot++) {
        EXPECT_NE(DefaultTextTable[slot], english[slot]) << "slot " << slot << " is not translated";
        for (wchar_t unit : english[slot])
            EXPECT_TRUE(unit >= 0x20 && unit < 0x7F) << "slot " << slot << " holds U+" << std::hex << int(unit);
    }
}

// Notepad shows UTF-16 with a byte-order mark and CR LF line ends as it should.
TEST(LanguageFiles, HelpTextsAreUtf16WithCrLf) {
    for (const char* name : {"Russian Help.txt", "English Help.txt"}) {
        const std::string bytes = ReadBytes(Folder + name);
        ASSERT_GT(bytes.size(), 1000u) << name;
        EXPECT_EQ("\xFF\xFE", bytes.substr(0, 2)) << name;
        EXPECT_EQ(0u, bytes.size() % 2) << name;
        EXPECT_EQ(Utf16Le(L"\r\n"), bytes.substr(bytes.size() - 4)) << name;
        int lineFeeds = 0;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const unsigned unit = static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
            const unsigned before = i >= 4 ? (static_cast<unsigned char>(bytes[i - 2]) |
                                              static_cast<unsigned char>(bytes[i - 1]) << 8)
                                           : 0;
            if (unit == L'\n') {
                lineFeeds++;
                EXPECT_EQ(unsigned(L'\r'), before) << name << ": line " << lineFeeds << " ends in LF alone";
            }
            EXPECT_TRUE(unit >= 0x20 || unit == L'\r' || unit == L'\n') << name << ": control character U+" << unit;
        }
        EXPECT_GT(lineFeeds, 100) << name;
    }
}

// config.txt, the version check and the paths beside the executable.
#include "text/Config.h"

#include "tests/support/TestFiles.h"
#include "text/FileAccess.h"

#include <gtest/gtest.h>

#include <utility>

using namespace std::string_literals;

TEST(Config, VersionLineReadsLikeAtol) {
    const std::pair<std::wstring, bool> cases[] = {
        {L"1", true}, {L"  +01", true}, {L"1.5", true}, {L"1 word", true}, {L"\t\r\n\v\f 1", true},
        {L"4294967297", true},       // wraps to 1
        {L"-4294967295", true},      // so does this
        {L"+0000000000000000001", false},  // 20 bytes: judged by the first 19, which are 0
        {L"000000000000000001x", true},    // 19 bytes
        {L"", false}, {L"2", false}, {L"-1", false}, {L"one", false}, {L"+-1", false}, {L"4294967296", false},
        {L"\u00A01", false},          // no-break space is not white space to atol
        {std::wstring(L"1\0junk", 6), true},  // the text ends at its first zero
        {std::wstring(L"\0" L"1", 2), false},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(expected, IsVersionOne(line)) << testing::PrintToString(line);
}

// Lines far past the 20-byte buffer: judged by their start, nothing read or written beyond it.
TEST(Config, LongVersionLinesAreJudgedByTheirStart) {
    EXPECT_TRUE(IsVersionOne(L"1" + std::wstring(100000, L' ')));
    EXPECT_TRUE(IsVersionOne(L"1" + std::wstring(100000, L'\u4E2D')));
    EXPECT_FALSE(IsVersionOne(std::wstring(100000, L'1')));
    EXPECT_FALSE(IsVersionOne(std::wstring(19, L' ') + L"1"));
    EXPECT_TRUE(IsVersionOne(std::wstring(18, L' ') + L"1"));
}

TEST(Config, SaveWritesTheVersionAndTheLanguageThenLoadReadsThem) {
    TemporaryFolder folder;
    const std::wstring path = folder.Wide(L"config.txt");
    LanguageFolder = L"Languages";
    LanguageFileName = L"Russian.Lang.txt";
    ASSERT_TRUE(SaveConfig(path));
    EXPECT_EQ("\xFF\xFE" + Utf16Le(u"1\r\nLanguages\r\nRussian.Lang.txt\r\n"), ReadBytes(folder.Path() / "config.txt"));

    LanguageFolder = L"Lang \u0416";
    LanguageFileName = L"";
    ASSERT_TRUE(SaveConfig(path));
    LanguageFolder = LanguageFileName = L"before";
    EXPECT_TRUE(LoadConfig(path));
    EXPECT_EQ(L"Lang \u0416", LanguageFolder);
    EXPECT_EQ(L"", LanguageFileName);
}

TEST(Config, RefusedConfigurationLeavesTheLanguageAlone) {
    const std::pair<const char*, std::string> cases[] = {
        {"version 2", "\xFF\xFE" + Utf16Le(u"2\r\nOther\r\nOther.Lang.txt\r\n")},
        {"two lines", "\xFF\xFE" + Utf16Le(u"1\r\nOther\r\n")},
        {"missing", ""},
        // the system would see a name cut at the zero; no file name holds the others
        {"zero in the folder", "\xFF\xFE" + Utf16Le(u"1\r\nLanguages\0\\..\\..\r\nRussian.Lang.txt\r\n"s)},
        {"zero in the name", "\xFF\xFE" + Utf16Le(u"1\r\nOther\r\nOther.lnk\0.txt\r\n"s)},
        {"tab in the name", "\xFF\xFE" + Utf16Le(u"1\r\nOther\r\nOther\t.Lang.txt\r\n")},
        {"delete in the folder", "\xFF\xFE" + Utf16Le(u"1\r\nOth\x7F" u"er\r\nOther.Lang.txt\r\n")},
        {"C1 control in the name", "\xFF\xFE" + Utf16Le(u"1\r\nOther\r\nOther\x85.Lang.txt\r\n")},
    };
    for (const auto& [name, bytes] : cases) {
        TemporaryFolder folder;
        if (!bytes.empty()) WriteBytes(folder.Path() / "config.txt", bytes);
        LanguageFolder = L"Languages";
        LanguageFileName = L"Russian.Lang.txt";
        EXPECT_FALSE(LoadConfig(folder.Wide(L"config.txt"))) << name;
        EXPECT_EQ(L"Languages", LanguageFolder) << name;
        EXPECT_EQ(L"Russian.Lang.txt", LanguageFileName) << name;
    }
}

// The fourth line is optional: an earlier version's three lines, or anything but 2 or 3, mean one die.
TEST(Config, TheFourthLineGivesTheDicePerTurn) {
    const std::string head = "\xFF\xFE" + Utf16Le(u"1\r\nLanguages\r\nRussian.Lang.txt\r\n");
    const std::pair<std::string, int> cases[] = {
        {"", 1}, {Utf16Le(u"1\r\n"), 1}, {Utf16Le(u"2\r\n"), 2}, {Utf16Le(u"3"), 3},
        {Utf16Le(u"3\r\nmore\r\n"), 3}, {Utf16Le(u"4\r\n"), 1}, {Utf16Le(u"0\r\n"), 1},
        {Utf16Le(u"two\r\n"), 1}, {Utf16Le(u" 2\r\n"), 1}, {Utf16Le(u"\r\n"), 1},
    };
    for (const auto& [fourth, dice] : cases) {
        TemporaryFolder folder;
        WriteBytes(folder.Path() / "config.txt", head + fourth);
        DicePerTurn = 3 - dice % 2;  // differs from what is expected
        EXPECT_TRUE(LoadConfig(folder.Wide(L"config.txt"))) << fourth;
        EXPECT_EQ(dice, DicePerTurn) << fourth;
        EXPECT_EQ(L"Russian.Lang.txt", LanguageFileName) << fourth;
    }
}

// One die writes the three lines of 66 bytes an earlier version writes; a language switch keeps the
// dice; a choice that can't be written is not made.
TEST(Config, TheDiceChoiceIsSavedAsAFourthLineOnlyWhenNotOne) {
    TemporaryFolder folder;
    const std::wstring path = folder.Wide(L"config.txt");
    const std::string head = "\xFF\xFE" + Utf16Le(u"1\r\nLanguages\r\nRussian.Lang.txt\r\n");
    LanguageFolder = L"Languages";
    LanguageFileName = L"Russian.Lang.txt";
    DicePerTurn = 1;
    const std::pair<int, std::string> choices[] = {
        {3, head + Utf16Le(u"3\r\n")}, {2, head + Utf16Le(u"2\r\n")}, {1, head}, {2, head + Utf16Le(u"2\r\n")}};
    for (const auto& [dice, bytes] : choices) {
        ASSERT_TRUE(SaveDiceChoice(dice, path));
        EXPECT_EQ(dice, DicePerTurn);
        EXPECT_EQ(bytes, ReadBytes(folder.Path() / "config.txt")) << dice;
    }
    EXPECT_EQ(66u, head.size());

    ASSERT_TRUE(SaveLanguageChoice(L"English.Lang.txt", path));
    EXPECT_EQ("\xFF\xFE" + Utf16Le(u"1\r\nLanguages\r\nEnglish.Lang.txt\r\n2\r\n"), ReadBytes(folder.Path() / "config.txt"));

    const std::wstring nowhere = folder.Wide(L"missing") + PathSeparator() + L"config.txt";
    EXPECT_FALSE(SaveDiceChoice(3, nowhere));
    EXPECT_EQ(2, DicePerTurn);
    EXPECT_EQ(L"2", ConfigLines[3]);
    EXPECT_TRUE(SaveLanguageChoice(L"Russian.Lang.txt", path));
    EXPECT_EQ(head + Utf16Le(u"2\r\n"), ReadBytes(folder.Path() / "config.txt"));

    for (const char16_t* kept : {u"two\r\n", u"1\r\n", u" 3\r\n"}) {  // each means one die: a switch keeps it
        WriteBytes(folder.Path() / "config.txt", head + Utf16Le(kept));
        ASSERT_TRUE(LoadConfig(path));
        ASSERT_TRUE(SaveLanguageChoice(L"Russian.Lang.txt", path));
        EXPECT_EQ(head + Utf16Le(kept), ReadBytes(folder.Path() / "config.txt"));
    }
    DicePerTurn = 1;
}

TEST(Config, FileNamePartIsWhatFollowsTheLastSeparator) {
    const std::wstring sep(1, PathSeparator());
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Russian.Lang.txt", L"Russian.Lang.txt"},
        {L"C:" + sep + L"Games" + sep + L"English.Lang.txt", L"English.Lang.txt"},
        {sep + L"a" + sep, L""},
        {L"", L""},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(expected, FileNamePart(path)) << testing::PrintToString(path);
}

TEST(Config, ModulePathIsBesideThisProgram) {
    const std::wstring directory = ModuleDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(PathSeparator(), directory.back());
    EXPECT_EQ(directory + L"x" + PathSeparator() + L"y", ModulePath(L"x" + std::wstring(1, PathSeparator()) + L"y"));
    const std::filesystem::path self = PathOf(directory) / "text_tests";
    EXPECT_TRUE(std::filesystem::exists(self) || std::filesystem::exists(self.string() + ".exe"));
}

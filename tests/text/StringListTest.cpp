// Reading and writing the UTF-16 line files, byte for byte.
#include "text/StringList.h"

#include "text/FileAccess.h"

#include "tests/support/SystemFiles.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string Bom = "\xFF\xFE";
const std::string DefaultConfigBytes = Bom + Utf16Le(u"1\r\nLanguages\r\nRussian.Lang.txt\r\n");
const std::wstring Unchanged = L"(unchanged)";

}  // namespace

TEST(StringList, WritesTheDefaultConfigurationIn66Bytes) {
    TemporaryFolder folder;
    const std::wstring lines[] = {L"1", L"Languages", L"Russian.Lang.txt"};
    ASSERT_TRUE(WriteStringList(lines, 3, folder.Wide(L"config.txt")));
    std::string bytes = ReadBytes(folder.Path() / "config.txt");
    EXPECT_EQ(66u, bytes.size());
    EXPECT_EQ(DefaultConfigBytes, bytes);
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path()), {}));  // no leftovers
}

TEST(StringList, WritesEachValueUpToItsFirstZeroAndUnescaped) {
    const std::pair<std::vector<std::wstring>, std::string> cases[] = {
        {{}, Bom},
        {{L""}, Bom + Utf16Le(u"\r\n")},
        {{std::wstring(L"ab\0cd", 5), L"e"}, Bom + Utf16Le(u"ab\r\ne\r\n")},
        {{L"a\nb"}, Bom + Utf16Le(u"a\nb\r\n")},
        {{L" \t\uFEFF\u0416\uFFFE "}, Bom + Utf16Le(u" \t\uFEFF\u0416\uFFFE \r\n")},
    };
    for (const auto& [lines, expected] : cases) {
        TemporaryFolder folder;
        ASSERT_TRUE(WriteStringList(lines.data(), static_cast<int>(lines.size()), folder.Wide(L"out.txt")));
        EXPECT_EQ(expected, ReadBytes(folder.Path() / "out.txt")) << testing::PrintToString(lines);
    }
}

TEST(StringList, ReadingRules) {
    struct Case {
        const char* name;
        std::string bytes;
        int count;
        bool ok;
        std::vector<std::u16string> lines;  // what the destination holds afterwards; u"-" = untouched
    };
    const Case cases[] = {
        {"the default configuration", DefaultConfigBytes, 3, true, {u"1", u"Languages", u"Russian.Lang.txt"}},
        {"no byte-order mark", Utf16Le(u"1\r\nLanguages\r\nRussian.Lang.txt\r\n"), 3, true,
         {u"1", u"Languages", u"Russian.Lang.txt"}},
        {"LF line ends", Bom + Utf16Le(u"1\nLanguages\nRussian.Lang.txt\n"), 3, true,
         {u"1", u"Languages", u"Russian.Lang.txt"}},
        {"no line feed after the last value", Bom + Utf16Le(u"1\r\nLanguages\r\nRussian.Lang.txt"), 3, true,
         {u"1", u"Languages", u"Russian.Lang.txt"}},
        {"two lines of three", Bom + Utf16Le(u"1\r\nLanguages\r\n"), 3, false, {u"1", u"Languages", u"-"}},
        {"five lines, three wanted", Bom + Utf16Le(u"a\r\nb\r\nc\r\nd\r\ne\r\n"), 3, true, {u"a", u"b", u"c"}},
        {"empty file", "", 1, false, {u"-"}},
        {"only the mark, one line", Bom, 1, true, {u""}},
        {"only the mark, two lines", Bom, 2, false, {u"", u"-"}},
        {"two carriage returns", Utf16Le(u"abc\r\r\n"), 1, true, {u"abc\r"}},
        {"carriage returns alone", Utf16Le(u"a\rb\r"), 1, true, {u"a\rb"}},
        {"mark at the start of line 2 stays", Bom + Utf16Le(u"a\r\n\uFEFFb\r\n"), 2, true, {u"a", u"\uFEFFb"}},
        {"mark then carriage return", Bom + Utf16Le(u"\r\nx"), 2, true, {u"", u"x"}},
        {"lone CR as the last line", Utf16Le(u"a\r\n\r"), 2, true, {u"a", u""}},
        {"no empty line after the last line feed", Utf16Le(u"a\r\n"), 2, false, {u"a", u"-"}},
        {"empty lines are values", Utf16Le(u"\r\n\n \t \r\n"), 3, true, {u"", u"", u" \t "}},
        {"zero units stay in the value", Utf16Le(std::u16string(u"a\0b\n", 4)), 1, true,
         {std::u16string(u"a\0b", 3)}},
        {"0xFFFF ends the file", Utf16Le(u"a\r\nb\uFFFF\r\nc\r\n"), 2, true, {u"a", u"b"}},
        {"nothing after 0xFFFF", Utf16Le(u"a\r\nb\uFFFF\r\nc\r\n"), 3, false, {u"a", u"b", u"-"}},
        {"0xFFFF at a line start", Utf16Le(u"a\n\uFFFFb\n"), 2, false, {u"a", u"-"}},
        {"odd byte after the lines", DefaultConfigBytes + "\x31", 3, true, {u"1", u"Languages", u"Russian.Lang.txt"}},
        {"odd byte is no line", Utf16Le(u"a\r\n") + "b", 2, false, {u"a", u"-"}},
        {"swapped mark is text", "\xFE\xFF" + Utf16Le(u"1\r\n"), 1, true, {u"\uFFFE1"}},
        {"lines after the last one wanted are not read", Utf16Le(u"1\n\uFFFF\n") + std::string("\x00\xD8\x01", 3),
         1, true, {u"1"}},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        WriteBytes(folder.Path() / "in.txt", c.bytes);
        std::vector<std::wstring> destination(c.lines.size(), Unchanged);
        EXPECT_EQ(c.ok, ReadStringList(destination.data(), c.count, folder.Wide(L"in.txt"))) << c.name;
        for (std::size_t i = 0; i < c.lines.size(); i++)
            EXPECT_EQ(c.lines[i] == u"-" ? Unchanged : Wide(c.lines[i]), destination[i]) << c.name << ", line " << i;
    }
}

TEST(StringList, MissingFileReadsNothing) {
    TemporaryFolder folder;
    std::wstring destination[1] = {Unchanged};
    EXPECT_FALSE(ReadStringList(destination, 1, folder.Wide(L"missing.txt")));
    EXPECT_EQ(Unchanged, destination[0]);
}

TEST(StringList, NameOutsideTheAnsiCodePageOpens) {
    TemporaryFolder folder;
    const std::wstring name = L"\u03A9\u4E2D\u0416.Lang.txt";  // Greek, CJK and Cyrillic
    const std::wstring lines[] = {L"1", L"x"};
    ASSERT_TRUE(WriteStringList(lines, 2, folder.Wide(name)));
    EXPECT_EQ(Bom + Utf16Le(u"1\r\nx\r\n"), ReadBytes(folder.Path() / PathOf(name)));
    std::wstring back[2];
    EXPECT_TRUE(ReadStringList(back, 2, folder.Wide(name)));
    EXPECT_EQ(L"x", back[1]);
}

// Every way the new file can fail to take the old one's place: the old bytes stay, no temporary
// file is left behind, and the result says so.
TEST(StringList, FailedWriteKeepsTheOldFile) {
    const std::string oldBytes = Bom + Utf16Le(u"1\r\nMine\r\nOwn.Lang.txt\r\n");
    const std::wstring lines[] = {L"1", L"Languages", L"Russian.Lang.txt"};
    namespace fs = std::filesystem;

    {  // the target can't be replaced
        TemporaryFolder folder;
        fs::create_directory(folder.Path() / "config.txt");
        EXPECT_FALSE(WriteStringList(lines, 3, folder.Wide(L"config.txt")));
        EXPECT_TRUE(fs::is_directory(folder.Path() / "config.txt"));
        EXPECT_FALSE(fs::exists(PathOf(TemporaryPathFor(folder.Wide(L"config.txt")))));
    }
    {  // the folder is missing
        TemporaryFolder folder;
        EXPECT_FALSE(WriteStringList(lines, 3, folder.Wide(L"gone\\and/config.txt")));
        EXPECT_EQ(0, std::distance(fs::directory_iterator(folder.Path()), {}));
    }
    if (fs::exists("/dev/full")) {  // the disk is full: the flush at close fails
        TemporaryFolder folder;
        WriteBytes(folder.Path() / "config.txt", oldBytes);
        fs::create_symlink("/dev/full", PathOf(TemporaryPathFor(folder.Wide(L"config.txt"))));
        EXPECT_FALSE(WriteStringList(lines, 3, folder.Wide(L"config.txt")));
        ASSERT_FALSE(fs::is_symlink(folder.Path() / "config.txt"));  // else reading it would never end
        EXPECT_EQ(oldBytes, ReadBytes(folder.Path() / "config.txt"));
        EXPECT_FALSE(fs::exists(fs::symlink_status(PathOf(TemporaryPathFor(folder.Wide(L"config.txt"))))));
    }
}

// The new lines are on the disk before they take the old file's place: a power cut in between
// leaves one whole file or the other.
TEST(StringList, NewFileReachesTheDiskBeforeItReplacesTheOld) {
    TemporaryFolder folder;
    WriteBytes(folder.Path() / "config.txt", "old");
    std::vector<std::pair<std::string, std::string>> seen;  // config.txt and the file beside it at each flush
    BeforeDiskFlush = [&] {
        seen.emplace_back(ReadBytes(folder.Path() / "config.txt"),
                          ReadBytes(PathOf(TemporaryPathFor(folder.Wide(L"config.txt")))));
    };
    const std::wstring lines[] = {L"1", L"Languages", L"Russian.Lang.txt"};
    EXPECT_TRUE(WriteStringList(lines, 3, folder.Wide(L"config.txt")));
    BeforeDiskFlush = nullptr;
    EXPECT_EQ((std::vector<std::pair<std::string, std::string>>{{"old", DefaultConfigBytes}}), seen);
}

// Where no file can be made beside it (a folder in the way, a read-only leftover of a save cut short,
// a name with no room for the process number and ".tmp") the file is written in place, not left unrepaired.
TEST(StringList, WritesInPlaceWhenNothingCanBeMadeBesideIt) {
    namespace fs = std::filesystem;
    const std::wstring lines[] = {L"1", L"Languages", L"Russian.Lang.txt"};
    const std::pair<std::wstring, char> cases[] = {  // the name, and what is beside it: folder, read-only, none
        {L"config.txt", 'f'}, {L"config.txt", 'r'}, {std::wstring(251, L'c') + L".txt", 'n'}};
    for (const auto& [name, beside] : cases) {
        TemporaryFolder folder;
        const fs::path target = folder.Path() / PathOf(name), temporary = PathOf(TemporaryPathFor(folder.Wide(name)));
        WriteBytes(target, "old");
        if (beside == 'f') fs::create_directory(temporary);
        if (beside == 'r') WriteBytes(temporary, "a save cut short"), fs::permissions(temporary, fs::perms::owner_read);
        EXPECT_TRUE(WriteStringList(lines, 3, folder.Wide(name))) << beside;
        EXPECT_EQ(DefaultConfigBytes, ReadBytes(target)) << beside;
        std::error_code ignored;
        fs::permissions(temporary, fs::perms::owner_all, ignored);  // so that the folder can go
    }
}

// Two copies saving different languages at once: every save succeeds, and config.txt always reads whole as
// one of the two, with nothing left beside it.
TEST(StringList, TwoProcessesSavingAtOnceNeverGarbleTheFile) {
    TemporaryFolder folder;
    const std::wstring path = folder.Wide(L"config.txt");
    const std::wstring mine[] = {L"1", L"Languages", L"English.Lang.txt"};
    const std::wstring other[] = {L"1", L"Some Other Folder of Languages", L"Portuguese (Brazil).Lang.txt"};
    const std::string mineBytes = LineFileBytes({mine, mine + 3}), otherBytes = LineFileBytes({other, other + 3});
    auto saveOften = [&path](const std::wstring* lines, const std::string& itsBytes, const std::string& theirs) {
        bool ok = true;
        for (int i = 0; i < 200; i++) {
            ok = WriteStringList(lines, 3, path) && ok;
            const std::string now = ReadBytes(PathOf(path));
            ok = (now == itsBytes || now == theirs) && ok;
        }
        return ok;
    };
    bool forked = false;
    const bool ok = RunInTwoProcesses([&] { return saveOften(mine, mineBytes, otherBytes); },
                                      [&] { return saveOften(other, otherBytes, mineBytes); }, &forked);
    if (!forked) GTEST_SKIP() << "no second process to save from here";
    EXPECT_TRUE(ok);
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path()), {}));
}

// A save cut short leaves its file; a later save removes it once the process that wrote it has ended, and
// leaves every name it did not make alone. (What a running copy writes stays: see the test above.)
TEST(StringList, SavesRemoveOnlyTheLeftoversOfEndedProcesses) {
    const std::wstring lines[] = {L"1", L"Languages", L"Russian.Lang.txt"};
    const std::wstring ended = std::to_wstring(EndedProcessId());
    ASSERT_NE(L"0", ended);
    const std::pair<std::wstring, bool> cases[] = {  // the name beside config.txt, and whether it stays
        {L"config.txt." + ended + L".tmp", false},
        {TemporaryPathFor(L"config.txt"), false},  // an earlier process of this number: written over
        {L"config.txt.0" + ended + L".tmp", true},   {L"config.txt.99999999999.tmp", true},
        {L"other.txt." + ended + L".tmp", true},     {L"config.txt." + ended + L".tmp.txt", true}};
    for (const auto& [name, stays] : cases) {
        TemporaryFolder folder;
        WriteBytes(folder.Path() / PathOf(name), "a save cut short");
        EXPECT_TRUE(WriteStringList(lines, 3, folder.Wide(L"config.txt"))) << NarrowUtf8(name);
        EXPECT_EQ(stays, std::filesystem::exists(folder.Path() / PathOf(name))) << NarrowUtf8(name);
        EXPECT_EQ(DefaultConfigBytes, ReadBytes(folder.Path() / "config.txt")) << NarrowUtf8(name);
    }
}

// The checker finds each kind of fault a translator's editor can leave, on the right line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "tools/langcheck/LanguageFileCheck.h"

namespace {

std::vector<std::wstring> GoodLines() {
    std::vector<std::wstring> lines = {L"1", L"Language - Test", L"Help.txt"};
    for (int slot = 3; slot < TEXT_TABLE_SIZE - 1; slot++) lines.push_back(L"text " + std::to_wstring(slot));
    lines.push_back(L"last \xD83D\xDE00");  // a pair is one character
    return lines;
}

std::string File(const std::vector<std::wstring>& lines, const std::string& mark = "\xFF\xFE") {
    std::string bytes = mark;
    for (const std::wstring& line : lines) bytes += Utf16Le(line + L"\r\n");
    return bytes;
}

std::vector<std::wstring> With(int line, const std::wstring& text) {
    std::vector<std::wstring> lines = GoodLines();
    lines[line - 1] = text;
    return lines;
}

struct Expected {
    int line;
    bool isError;
    std::string part;  // of the message
};

class LanguageFileCheck : public testing::Test {
protected:
    void SetUp() override { WriteBytes(temporary.Path() / "Help.txt", "help"); }

    std::string Write(const std::string& bytes) {
        WriteBytes(temporary.Path() / "Test.Lang.txt", bytes);
        return (temporary.Path() / "Test.Lang.txt").string();
    }

    TemporaryFolder temporary;
    const std::string folder = temporary.Path().string() + "/";
};

}  // namespace

TEST_F(LanguageFileCheck, FindsEachFaultOnItsLine) {
    const std::vector<std::wstring> all = GoodLines();
    const std::vector<std::wstring> thirty(all.begin(), all.begin() + 30);
    const std::vector<std::wstring> required(all.begin(), all.begin() + TEXT_SLOT_COUNT);
    std::vector<std::wstring> oneTooMany = GoodLines();
    oneTooMany.push_back(L"spare");
    const int spare = TEXT_TABLE_SIZE + 1;  // the line after the last one read
    const std::string ignored = "after " + std::to_string(TEXT_TABLE_SIZE) + " are ignored";
    const std::string missing = "lines 32 to " + std::to_string(TEXT_TABLE_SIZE) + " are missing";
    std::string lineFeedAlone = File(GoodLines());
    lineFeedAlone.replace(lineFeedAlone.find(Utf16Le(L"text 6\r\n")), Utf16Le(L"text 6\r\n").size(), Utf16Le(L"text 6\n"));
    const std::string good = File(GoodLines());
    const std::string noFinalBreak = good.substr(0, good.size() - 4);
    std::string bigEndian;
    for (std::size_t i = 2; i < good.size(); i += 2) bigEndian += std::string{good[i + 1], good[i]};

    const struct {
        const char* name;
        std::string bytes;
        std::vector<Expected> problems;
    } cases[] = {
        {"good", good, {}},
        {"empty", "", {{0, true, "empty"}}},
        {"UTF-8", "\xEF\xBB\xBF" "1\r\nLanguage\r\n", {{0, true, "UTF-8"}}},
        {"big-endian mark", "\xFE\xFF" + bigEndian, {{0, true, "big-endian"}}},
        {"big-endian, no mark", bigEndian, {{0, true, "big-endian"}}},
        {"8-bit", "1\r\nLanguage - Test\r\nHelp.txt\r\n", {{0, true, "8-bit"}}},
        {"no mark", File(GoodLines(), ""), {{0, false, "byte-order mark"}}},
        {"odd length", good + "x", {{0, false, "odd number of bytes"}}},
        {"30 lines", File(thirty), {{30, true, "only 30 lines"}}},
        {"version 2", File(With(1, L"2")), {{1, true, "must be the number 1"}}},
        {"version with a sign", File(With(1, L" +01")), {{1, false, "plain \"1\""}}},
        {"empty prompt", File(With(5, L"")), {{5, false, "White's prompt"}}},
        {"empty help name", File(With(3, L"")), {{3, false, "help file name"}}},
        {"LF alone", lineFeedAlone, {{7, false, "LF alone"}}},
        {"no final line break", noFinalBreak, {{TEXT_TABLE_SIZE, false, "no line break"}}},
        {"only the required lines", File(required), {{31, false, missing}}},
        {"empty optional line", File(With(36, L"")), {{36, false, "record's menu item and window title will show its built-in"}}},
        {"zero character in an optional line", File(With(40, std::wstring(L"x\0y", 3))), {{40, true, "zero character"}}},
        {"U+FFFF", File(With(10, L"\xFFFF rest")), {{9, true, "only 9 lines"}, {10, true, "U+FFFF"}}},
        {"zero character", File(With(4, std::wstring(L"Press\0here", 10))), {{4, true, "zero character"}}},
        {"stray carriage return", File(With(6, L"text\r")), {{6, false, "carriage return"}}},
        {"lone surrogate", File(With(8, L"King\xD800.")), {{8, false, "lone surrogate U+D800"}}},
        {"control character", File(With(9, L"Bi\x1Bshop")), {{9, false, "control character U+001B"}}},
        {"a line past the loader's bound", File(With(12, std::wstring(TEXT_LINE_MAX_LENGTH + 1, L'x'))),
         {{12, false, "keeps only the first"}}},
        {"help file missing", File(With(3, L"Gone.txt")), {{3, false, "\"Gone.txt\" is not beside"}}},
        {"one line too many", File(oneTooMany), {{spare, false, ignored}}},
        {"U+FFFF after the last line read", File(oneTooMany) + Utf16Le(L"\xFFFF"),
         {{spare, false, ignored}, {spare + 1, false, "U+FFFF"}}},
        {"zero character after the last line read", File(oneTooMany) + Utf16Le(std::wstring(L"x\0y\r\n", 5)),
         {{spare, false, ignored}, {spare + 1, false, "zero character"}}},
    };
    for (const auto& c : cases) {
        const std::vector<LanguageFileProblem> found = CheckLanguageFile(Write(c.bytes));
        EXPECT_EQ(c.problems.size(), found.size()) << c.name << (found.empty() ? "" : ": " + found[0].message);
        if (c.problems.size() != found.size()) continue;
        for (std::size_t i = 0; i < found.size(); i++) {
            EXPECT_EQ(c.problems[i].line, found[i].line) << c.name << ": " << found[i].message;
            EXPECT_EQ(c.problems[i].isError, found[i].isError) << c.name << ": " << found[i].message;
            EXPECT_NE(std::string::npos, found[i].message.find(c.problems[i].part)) << c.name << ": " << found[i].message;
        }
        EXPECT_EQ(HasErrors(found), !c.problems.empty() && c.problems[0].isError) << c.name;
    }
}

TEST_F(LanguageFileCheck, AMissingFileIsAnError) {
    const std::vector<LanguageFileProblem> found = CheckLanguageFile(folder + "None.Lang.txt");
    ASSERT_EQ(1u, found.size());
    EXPECT_TRUE(found[0].isError);
    EXPECT_EQ(0, found[0].line);
}

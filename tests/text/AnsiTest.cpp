// WidenAnsi and NarrowAnsi: the same cases natively (fixed table) and under Wine (ANSI code page 1251).
#include "text/Ansi.h"

#include <gtest/gtest.h>

#include <utility>

TEST(Ansi, ConvertsBothWaysLikeCodePage1251) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"", L""},
        {"config.txt", L"config.txt"},
        {"\xCF\xE0\xF2!", L"\u041F\u0430\u0442!"},                     // Пат!
        {"\xC0\xDF\xE0\xFF", L"\u0410\u042F\u0430\u044F"},             // the ends of the alphabet
        {"\xA8\xB8", L"\u0401\u0451"},                                 // Ё ё
        {"\x80\x88\x98\xB9\xA0", L"\u0402\u20AC\u0098\u2116\u00A0"},   // Ђ € (undefined) № nbsp
        {"\x7F\x01 \t", L"\u007F\u0001 \t"},
    };
    for (const auto& [bytes, wide] : cases) {
        EXPECT_EQ(wide, WidenAnsi(bytes.c_str())) << testing::PrintToString(bytes);
        EXPECT_EQ(wide, WidenAnsi(bytes.data(), static_cast<int>(bytes.size()))) << testing::PrintToString(bytes);
        EXPECT_EQ(bytes, NarrowAnsi(wide.c_str())) << testing::PrintToString(wide);
        EXPECT_EQ(bytes, NarrowAnsi(wide.data(), static_cast<int>(wide.size()))) << testing::PrintToString(wide);
    }
}

TEST(Ansi, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; byte++) all += static_cast<char>(byte);
    std::wstring wide = WidenAnsi(all.c_str());
    ASSERT_EQ(all.size(), wide.size());
    EXPECT_EQ(all, NarrowAnsi(wide.c_str()));
}

// -1 stops at the first zero; an explicit length carries zeros along.
TEST(Ansi, LengthCountsUnitsAndMinusOneStopsAtZero) {
    const char bytes[] = "ab\0cd";
    EXPECT_EQ(L"ab", WidenAnsi(bytes, -1));
    EXPECT_EQ(std::wstring(L"ab\0cd", 5), WidenAnsi(bytes, 5));
    EXPECT_EQ(L"a", WidenAnsi(bytes, 1));
    const wchar_t wide[] = L"ab\0cd";
    EXPECT_EQ("ab", NarrowAnsi(wide, -1));
    EXPECT_EQ(std::string("ab\0cd", 5), NarrowAnsi(wide, 5));
    EXPECT_EQ("", NarrowAnsi(wide, 0));
}

// Only characters that Windows has no best fit for: it turns A with macron into A, for one.
TEST(Ansi, UnrepresentableBecomeTheDefaultCharacter) {
    const std::pair<std::wstring, std::string> cases[] = {
        {L"\u4E2D", "?"},                  // a CJK ideograph
        {L"a\u03A9b", "a?b"},              // Greek Omega
        {L"\u0416\u03A9\u0436", "\xC6?\xE6"},  // between Ж and ж
        {L"\uFFFF", "?"},
    };
    for (const auto& [wide, bytes] : cases) EXPECT_EQ(bytes, NarrowAnsi(wide.c_str())) << testing::PrintToString(wide);
}

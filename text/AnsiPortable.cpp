// The ANSI conversions where the system has no ANSI code page: a fixed Windows-1251 table.
#include "text/Ansi.h"

#include <cstring>
#include <cwchar>

// Bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order. Windows maps the one
// undefined byte, 0x98, to U+0098, and so do we, so every byte survives a round trip.
static const wchar_t HighHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// The code page's default character, which Windows also puts for what it can't represent.
// Windows first tries a best fit (A with macron becomes A, a full-width 1 becomes 1); we don't,
// so such characters become '?' here.
static const char DefaultChar = '?';

static wchar_t WidenByte(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte < 0xC0) return HighHalf[byte - 0x80];
    return static_cast<wchar_t>(0x0410 + (byte - 0xC0));
}

static char NarrowUnit(wchar_t unit) {
    if (unit >= 0 && unit < 0x80) return static_cast<char>(unit);
    if (unit >= 0x0410 && unit <= 0x044F) return static_cast<char>(0xC0 + (unit - 0x0410));
    for (int i = 0; i < 64; i++)
        if (HighHalf[i] == unit) return static_cast<char>(0x80 + i);
    return DefaultChar;
}

std::wstring WidenAnsi(const char* text, int length) {
    if (text == nullptr || length < -1) return {};
    std::size_t count = length == -1 ? std::strlen(text) : static_cast<std::size_t>(length);
    std::wstring result(count, L'\0');
    for (std::size_t i = 0; i < count; i++) result[i] = WidenByte(static_cast<unsigned char>(text[i]));
    return result;
}

std::string NarrowAnsi(const wchar_t* text, int length) {
    if (text == nullptr || length < -1) return {};
    std::size_t count = length == -1 ? std::wcslen(text) : static_cast<std::size_t>(length);
    std::string result(count, '\0');
    for (std::size_t i = 0; i < count; i++) result[i] = NarrowUnit(text[i]);
    return result;
}

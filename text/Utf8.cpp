// UTF-8 to and from wide strings, whether wchar_t holds UTF-16 (Windows) or UTF-32 (elsewhere).
#include "text/Utf8.h"

int DecodeUtf8(const std::string& bytes, std::size_t i, char32_t& code) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int extra = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
    if (extra < 0 || i + extra >= bytes.size()) return 0;
    code = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
    for (int k = 1; k <= extra; k++) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (code < least[extra] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) return 0;
    return 1 + extra;
}

// Any number below 2^21 goes out in the shape its size calls for, surrogates included: the portable file
// names carry them through.
void PutUtf8(std::string& bytes, char32_t code) {
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | ((code >> 18) & 0x07));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::wstring WidenUtf8(const std::string& text) {
    std::wstring result;
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const int length = DecodeUtf8(text, i, code);
        if (length == 0) code = 0xFFFD;
        i += length == 0 ? 1 : length;
        if (code > 0xFFFF && sizeof(wchar_t) == 2) {
            result += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            result += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            result += static_cast<wchar_t>(code);
        }
    }
    return result;
}

// The program's strings hold UTF-16 code units, so pairs are joined here.
std::string NarrowUtf8(const std::wstring& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); i++) {
        char32_t code = static_cast<char32_t>(text[i]) & 0x1FFFFF;
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            i++;
        } else if ((code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) {
            code = 0xFFFD;
        }
        PutUtf8(result, code);
    }
    return result;
}

// UTF-8 to and from wide strings; wchar_t holds UTF-32 on the machines this checker runs on.
#include "tools/langcheck/Utf8.h"

std::wstring WidenUtf8(const std::string& text) {
    std::wstring result;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
        char32_t code = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
        bool good = extra >= 0 && i + extra < text.size();
        for (int k = 1; good && k <= extra; k++) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            good = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms and surrogates are not characters.
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (good && (code < least[extra] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))) good = false;
        result.push_back(good ? static_cast<wchar_t>(code) : L'\xFFFD');
        i += good ? extra + 1 : 1;
    }
    return result;
}

static void PutUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
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

// The ANSI conversions through the system's ANSI code page.
#include "text/Ansi.h"

#include <windows.h>

// Both directions ask for the size first. With length -1 that size counts the terminator, so the
// string holds it while the second call writes and loses it afterwards.
std::wstring WidenAnsi(const char* text, int length) {
    if (text == nullptr || length == 0 || length < -1) return {};
    int needed = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring result(needed, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, result.data(), needed);
    if (length == -1) result.pop_back();
    return result;
}

std::string NarrowAnsi(const wchar_t* text, int length) {
    if (text == nullptr || length == 0 || length < -1) return {};
    int needed = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string result(needed, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), needed, nullptr, nullptr);
    if (length == -1) result.pop_back();
    return result;
}

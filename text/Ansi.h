// Conversions between 8-bit text in the ANSI code page and wide strings.
#pragma once

#include <string>

// length: bytes (or wide characters for NarrowAnsi); -1 means "up to the first zero".
std::wstring WidenAnsi(const char* text, int length = -1);
std::string NarrowAnsi(const wchar_t* text, int length = -1);

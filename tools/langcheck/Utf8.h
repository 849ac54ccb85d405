// UTF-8 for the checker's command line and messages.
#pragma once

#include <string>

std::wstring WidenUtf8(const std::string& text);  // bad sequences become U+FFFD
std::string NarrowUtf8(const std::wstring& text);  // lone surrogates become U+FFFD

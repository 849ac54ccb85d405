// UTF-8 to and from wide strings: the portable build's file names, the language-file checker, the tests.
#pragma once

#include <cstddef>
#include <string>

// The length of the UTF-8 sequence at bytes[i] and its character; 0 when the bytes there are not UTF-8
// (overlong forms, surrogates and values past U+10FFFF included).
int DecodeUtf8(const std::string& bytes, std::size_t i, char32_t& code);
void PutUtf8(std::string& bytes, char32_t code);

std::wstring WidenUtf8(const std::string& text);   // bad sequences become U+FFFD
std::string NarrowUtf8(const std::wstring& text);  // lone surrogates become U+FFFD

// Line files of UTF-16 little-endian text: config.txt and the language files.
#pragma once

#include <string>

bool ReadStringList(std::wstring* destination, int count, const std::wstring& path);
bool ReadStringLines(std::wstring* destination, int count, const std::wstring& path, int& linesRead);
bool WriteStringList(const std::wstring* source, int count, const std::wstring& path);

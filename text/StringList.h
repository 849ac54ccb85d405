// Line files of UTF-16 little-endian text: config.txt and the language files.
#pragma once

#include <string>

bool ReadStringList(std::wstring* destination, int count, const std::wstring& path);
bool ReadStringLines(std::wstring* destination, int count, const std::wstring& path, int& linesRead);
bool WriteStringList(const std::wstring* source, int count, const std::wstring& path);
// The file a save of path writes first: beside it, named after this process, so two copies never share one.
std::wstring TemporaryPathFor(const std::wstring& path);

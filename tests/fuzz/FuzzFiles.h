// The files a fuzz target hands to the program, and the checks both targets hold it to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr int MaxLines = 40;

// Kept in memory by text_fuzz, written to the disk by text_write_fuzz.
void PutFile(const std::wstring& path, const std::uint8_t* data, std::size_t size);
// config.txt and the language folder go, so each input starts from nothing.
void RemoveFiles();

// Aborts, so libFuzzer keeps the input.
void Check(bool condition);
// True when all count lines of path were read and none holds a zero unit, which the writer cuts.
bool ReadWritable(std::wstring* lines, int count, const std::wstring& path);
void CheckWritesBack(const std::wstring* lines, int count, const std::wstring& path);
// Either file may be left out (null).
void CheckLoad(const std::uint8_t* config, std::size_t configSize, const std::uint8_t* language,
               std::size_t languageSize);

// The files the fuzz target hands to the program: kept in memory by text_fuzz (MemoryFiles.cpp), written
// beside the executable by text_disk_fuzz (DiskFiles.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

void PutFile(const std::wstring& path, const std::uint8_t* data, std::size_t size);
// A folder where path would be, so no file can be written there.
void PutFolder(const std::wstring& path);
// Everything put here and config.txt go, so each input starts from nothing.
void RemoveFiles();

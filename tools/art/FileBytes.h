// Writing a generated file in one piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// True when path now holds exactly bytes; on failure an older file at path is left as it was.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

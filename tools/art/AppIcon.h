// The application icon: a white knight, 32 x 32 and 16 x 16.
#pragma once

#include <cstdint>
#include <vector>

// The bytes of App.ico.
std::vector<uint8_t> AppIconFile();

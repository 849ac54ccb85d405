// The toolbar's image strip: 16 tiles of 40 x 40, 16 colours.
#pragma once

#include <cstdint>
#include <vector>

// The bytes of PieceStrip.bmp.
std::vector<uint8_t> PieceStripFile();

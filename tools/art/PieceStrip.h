// The toolbar's image strip: a square tile per button, in the tile order of core/Buttons.h; 16 colours.
#pragma once

#include <cstdint>
#include <vector>

// The bytes of PieceStrip.bmp.
std::vector<uint8_t> PieceStripFile();

// The system dialog's picture: 130 x 171, 256 colours; a king and a pawn on a board beside a die.
#pragma once

#include <cstdint>
#include <vector>

// The bytes of DialogPicture.bmp.
std::vector<uint8_t> DialogPictureFile();

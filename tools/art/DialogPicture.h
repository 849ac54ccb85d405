// The system dialog's picture: 130 x 171, 256 colours; a king and a pawn on a board beside a die.
#pragma once

#include "Palette.h"
#include "Raster.h"

constexpr int DialogPictureWidth = 130;
constexpr int DialogPictureHeight = 171;

// The 16 standard colours first, then the shading ramps the picture uses.
Palette DialogPalette();
Grid DrawDialogPicture();

// The list of generated files and the encoder each one goes through.
#include "Art.h"

#include "Bmp.h"
#include "Palette.h"
#include "PieceStrip.h"

bool WriteAllArt(const std::string& folder) {
    return WriteFileBytes(folder + "/PieceStrip.bmp", EncodeBmp(DrawPieceStrip(), StandardPalette(), 4));
}

// The white knight: the whole piece at 32 px, the head alone at 16 px where the foot would crowd it.
#include "AppIcon.h"

#include "ImageFiles.h"
#include "Palette.h"
#include "Shapes.h"

namespace {

constexpr uint8_t Clear = 0xFF;  // cells left transparent

Grid KnightIcon(int size, Placement placement) {
    Grid icon(size, size, Clear);
    PaintLayers(icon, 0, 0, ShapePiece(PieceKind::Knight, size, placement), FlatPieceStyle(Side::White, size));
    return icon;
}

}  // namespace

// At 32 px the whole piece fits; at 16 px only the head is large enough to read as a horse.
std::vector<uint8_t> AppIconFile() {
    return EncodeIco({KnightIcon(32, {0.8, -1.0, 0.0}), KnightIcon(16, {0.55, -2.7, -1.2})}, StandardPalette(), Clear);
}

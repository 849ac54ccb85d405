// The white knight: the whole piece at 32 px, the head alone at 16 px where the foot would crowd it.
#include "AppIcon.h"

#include "Shapes.h"

namespace {

Grid KnightIcon(int size, Placement placement) {
    Grid icon(size, size, IconClear);
    PaintLayers(icon, 0, 0, ShapePiece(Piece::Knight, size, placement), FlatPieceStyle(PieceSide::White, size));
    return icon;
}

}  // namespace

// At 32 px the whole piece fits; at 16 px only the head is large enough to read as a horse.
std::vector<Grid> DrawAppIcon() {
    return {KnightIcon(32, {0.8, -1.0, 0.0}), KnightIcon(16, {0.55, -2.7, -1.2})};
}

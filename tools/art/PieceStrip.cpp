// Tile order: black King to Pawn, white King to Pawn, Black Turn, White Turn, New Game, Help.
#include "PieceStrip.h"

#include "ButtonTiles.h"
#include "Palette.h"
#include "Shapes.h"

Grid DrawPieceStrip() {
    Grid strip(StripTileSize * StripTileCount, StripTileSize, SILVER);
    static const Piece pieces[] = {Piece::King, Piece::Queen, Piece::Bishop, Piece::Knight, Piece::Rook, Piece::Pawn};
    for (int i = 0; i < 6; i++) {
        const LayeredShape shape = ShapePiece(pieces[i], StripTileSize);
        PaintLayers(strip, StripTileSize * i, 0, shape, FlatPieceStyle(PieceSide::Black, StripTileSize));
        PaintLayers(strip, StripTileSize * (6 + i), 0, shape, FlatPieceStyle(PieceSide::White, StripTileSize));
    }
    DrawTurnTile(strip, StripTileSize * 12, 0, PieceSide::Black);
    DrawTurnTile(strip, StripTileSize * 13, 0, PieceSide::White);
    DrawNewGameTile(strip, StripTileSize * 14, 0);
    DrawHelpTile(strip, StripTileSize * 15, 0);
    return strip;
}

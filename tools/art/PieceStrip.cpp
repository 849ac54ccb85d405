// The toolbar strip: twelve pieces, two turn dice, a board for New Game and a disc for Help.
#include "PieceStrip.h"

#include "ImageFiles.h"
#include "Palette.h"
#include "Shapes.h"

namespace {

constexpr int Tile = 40;

// A fresh board with a spark on its corner: the board set up anew.
void DrawNewGameTile(Grid& strip, int left) {
    Grid tile(Tile, Tile, 0xFF);
    Painter p(tile);
    p.Rectangle(6, 7, 34, 35, BLACK);
    p.Rectangle(7, 8, 33, 34, OLIVE);
    for (int row = 0; row < 8; row++)
        for (int column = 0; column < 8; column++) {
            double x = 8 + 3 * column, y = 9 + 3 * row;
            p.Rectangle(x, y, x + 3, y + 3, (row + column) % 2 ? GREEN : WHITE);
        }
    Grid spark(Tile, Tile);
    const Point c = {31, 9};
    const double tip = 8.0, waist = 2.2;
    Painter(spark).Polygon({{c.x, c.y - tip}, {c.x + waist, c.y - waist}, {c.x + tip, c.y}, {c.x + waist, c.y + waist},
                            {c.x, c.y + tip}, {c.x - waist, c.y + waist}, {c.x - tip, c.y}, {c.x - waist, c.y - waist}},
                           1);
    const LayerStyle yellow = {[](size_t, const Grid&, int, int) { return uint8_t(YELLOW); }, BLACK, BLACK, 0};
    PaintLayers(tile, 0, 0, {{spark}, Grid(Tile, Tile)}, yellow);
    Blit(strip, tile, left, 0, 0xFF);
}

// A question mark on a blue disc.
void DrawHelpTile(Grid& strip, int left) {
    Grid tile(Tile, Tile, 0xFF);
    Painter p(tile);
    p.Circle({20, 20}, 16, NAVY);
    p.Circle({20, 20}, 15, BLUE);
    std::vector<Point> hook = Painter::Arc({20, 15}, 5.5, 175, 395, 24);
    hook.push_back({20, 24});
    p.Polyline(hook, 4.0, WHITE);
    p.Circle({20, 29.5}, 2.3, WHITE);
    Blit(strip, tile, left, 0, 0xFF);
}

}  // namespace

// On the button face's silver: black King to Pawn, white King to Pawn, Black Turn, White Turn, New Game, Help.
std::vector<uint8_t> PieceStripFile() {
    Grid strip(Tile * 16, Tile, SILVER);
    for (int i = 0; i < 6; i++) {
        const LayeredShape piece = ShapePiece(Piece(i), Tile);
        PaintLayers(strip, Tile * i, 0, piece, FlatPieceStyle(PieceSide::Black, Tile));
        PaintLayers(strip, Tile * (6 + i), 0, piece, FlatPieceStyle(PieceSide::White, Tile));
    }
    // The turn buttons: a die in the colours of the side whose draw it is.
    PaintLayers(strip, Tile * 12, 0, ShapeDie(), DieStyle({GREY, BLACK, BLACK}, BLACK, SILVER, WHITE));
    PaintLayers(strip, Tile * 13, 0, ShapeDie(), DieStyle({WHITE, SILVER, WHITE}, BLACK, BLACK, BLACK));
    DrawNewGameTile(strip, Tile * 14);
    DrawHelpTile(strip, Tile * 15);
    return EncodeBmp(strip, StandardPalette(), 4);
}

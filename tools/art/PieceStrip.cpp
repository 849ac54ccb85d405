// The toolbar strip: a piece of each kind per side, a die per turn, a board for New Game and a disc for Help.
#include "PieceStrip.h"

#include "ImageFiles.h"
#include "Palette.h"
#include "Shapes.h"
#include "core/Buttons.h"

namespace {

// A fresh board with a spark on its corner: the board set up anew.
void DrawNewGameTile(Grid& strip, int left) {
    Grid tile(TILE_SIZE, TILE_SIZE, 0xFF);
    Painter p(tile);
    p.Rectangle(6, 7, 34, 35, BLACK);
    p.Rectangle(7, 8, 33, 34, OLIVE);
    for (int row = 0; row < 8; row++)
        for (int column = 0; column < 8; column++) {
            double x = 8 + 3 * column, y = 9 + 3 * row;
            p.Rectangle(x, y, x + 3, y + 3, (row + column) % 2 ? GREEN : WHITE);
        }
    Grid spark(TILE_SIZE, TILE_SIZE);
    const Point c = {31, 9};
    const double tip = 8.0, waist = 2.2;
    Painter(spark).Polygon({{c.x, c.y - tip}, {c.x + waist, c.y - waist}, {c.x + tip, c.y}, {c.x + waist, c.y + waist},
                            {c.x, c.y + tip}, {c.x - waist, c.y + waist}, {c.x - tip, c.y}, {c.x - waist, c.y - waist}},
                           1);
    const LayerStyle yellow = {[](size_t, const Grid&, int, int) { return uint8_t(YELLOW); }, BLACK, BLACK, 0};
    PaintLayers(tile, 0, 0, {{spark}, Grid(TILE_SIZE, TILE_SIZE)}, yellow);
    Blit(strip, tile, left, 0, 0xFF);
}

// A question mark on a blue disc.
void DrawHelpTile(Grid& strip, int left) {
    Grid tile(TILE_SIZE, TILE_SIZE, 0xFF);
    Painter p(tile);
    p.Circle({20, 20}, 16, NAVY);
    p.Circle({20, 20}, 15, BLUE);
    std::vector<Point> hook = Painter::Arc({20, 15}, 5.5, 175, 395, 24);
    hook.push_back({20, 24});
    p.Polyline(hook, 4.0, WHITE);
    p.Circle({20, 29.5}, 2.3, WHITE);
    Blit(strip, tile, left, 0, 0xFF);
}

// The picture of row's button, at the tile the row names.
void DrawTile(Grid& strip, const ButtonRow& row) {
    const int left = TILE_SIZE * row.tile;
    switch (row.role) {
    case ButtonRole::Piece:
        PaintLayers(strip, left, 0, ShapePiece(row.kind, TILE_SIZE), FlatPieceStyle(row.side, TILE_SIZE));
        return;
    case ButtonRole::Turn:  // a die in the colours of the side whose draw it is
        PaintLayers(strip, left, 0, ShapeDie(),
                    row.side == Side::Black ? DieStyle({GREY, BLACK, BLACK}, BLACK, SILVER, WHITE)
                                            : DieStyle({WHITE, SILVER, WHITE}, BLACK, BLACK, BLACK));
        return;
    case ButtonRole::NewGame:
        DrawNewGameTile(strip, left);
        return;
    case ButtonRole::Help:
        DrawHelpTile(strip, left);
        return;
    }
}

}  // namespace

// Every button's picture on the button face's silver.
std::vector<uint8_t> PieceStripFile() {
    Grid strip(TILE_SIZE * PIECE_STRIP_TILES, TILE_SIZE, SILVER);
    for (const ButtonRow& row : Buttons) DrawTile(strip, row);
    return EncodeBmp(strip, StandardPalette(), 4);
}

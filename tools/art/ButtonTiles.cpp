// Command tiles: a die per side for the turn buttons, a board for New Game, a "?" disc for Help.
#include "ButtonTiles.h"

#include "Palette.h"
#include "Raster.h"

constexpr int Tile = 40;

void DrawTurnTile(Grid& target, int left, int top, PieceSide side) {
    const bool white = side == PieceSide::White;
    const std::array<uint8_t, 3> faces = {uint8_t(white ? WHITE : GREY), uint8_t(white ? SILVER : BLACK),
                                          uint8_t(white ? WHITE : BLACK)};
    PaintLayers(target, left, top, ShapeDie(),
                DieStyle(faces, BLACK, uint8_t(white ? BLACK : SILVER), uint8_t(white ? BLACK : WHITE)));
}

// A fresh board with a spark on its corner: the board set up anew.
void DrawNewGameTile(Grid& target, int left, int top) {
    Grid picture(Tile, Tile, 0xFF);
    Painter p(picture);
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
    PaintLayers(picture, 0, 0, {{spark}, Grid(Tile, Tile)}, yellow);
    Blit(target, picture, left, top, 0xFF);
}

void DrawHelpTile(Grid& target, int left, int top) {
    Grid picture(Tile, Tile, 0xFF);
    Painter p(picture);
    p.Circle({20, 20}, 16, NAVY);
    p.Circle({20, 20}, 15, BLUE);
    std::vector<Point> hook = Painter::Arc({20, 15}, 5.5, 175, 395, 24);
    hook.push_back({20, 24});
    p.Polyline(hook, 4.0, WHITE);
    p.Circle({20, 29.5}, 2.3, WHITE);
    Blit(target, picture, left, top, 0xFF);
}

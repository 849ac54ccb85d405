// Command tiles: a die per side for the turn buttons, a board for New Game, a "?" disc for Help.
#include "ButtonTiles.h"

#include "Layers.h"
#include "Painter.h"
#include "Palette.h"

namespace {

constexpr int Tile = 40;

Grid Mask(void (*draw)(Painter&)) {
    Grid mask(Tile, Tile);
    Painter painter(mask);
    draw(painter);
    return mask;
}

}  // namespace

void DrawTurnTile(Grid& target, int left, int top, PieceSide side) {
    std::vector<Grid> faces = {
        Mask([](Painter& p) { p.Polygon({{6, 14}, {14, 6}, {34, 6}, {26, 14}}, 1); }),
        Mask([](Painter& p) { p.Polygon({{26, 14}, {34, 6}, {34, 26}, {26, 34}}, 1); }),
        Mask([](Painter& p) { p.Rectangle(6, 14, 26, 34, 1); }),
    };
    Grid pips = Mask([](Painter& p) {
        const Point front[] = {{11, 19}, {21, 19}, {16, 24}, {11, 29}, {21, 29}};
        for (Point pip : front) p.Circle(pip, 2.0, 1);
        p.Ellipse({20, 10}, 2.6, 1.3, 1);
        p.Ellipse({28.4, 15.2}, 0.9, 1.8, 1);
        p.Ellipse({31.6, 24.8}, 0.9, 1.8, 1);
    });
    const bool white = side == PieceSide::White;
    const uint8_t fills[] = {uint8_t(white ? WHITE : GREY), uint8_t(white ? SILVER : GREY),
                             uint8_t(white ? WHITE : BLACK)};
    Grid whole = UnionOf(faces);
    Grid picture(Tile, Tile, 0xFF);
    for (size_t i = 0; i < faces.size(); i++) {
        LayerColours colours{fills[i], BLACK, uint8_t(white ? BLACK : SILVER), fills[i], fills[i], 0, 0};
        PaintLayer(picture, faces[i], whole, colours);
    }
    for (int y = 0; y < Tile; y++)
        for (int x = 0; x < Tile; x++)
            if (pips.At(x, y)) picture.Set(x, y, white ? BLACK : WHITE);
    Blit(target, picture, left, top, 0xFF);
}

void DrawNewGameTile(Grid& target, int left, int top) {
    Grid picture(Tile, Tile, 0xFF);
    Painter p(picture);
    p.Rectangle(5, 5, 35, 35, BLACK);
    for (int row = 0; row < 4; row++)
        for (int column = 0; column < 4; column++) {
            double x = 7 + 6.5 * column, y = 7 + 6.5 * row;
            p.Rectangle(x, y, x + 6.5, y + 6.5, (row + column) % 2 ? GREEN : WHITE);
        }
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

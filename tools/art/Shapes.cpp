// Staunton-like pieces (a common foot, a turned body, a head that names the piece) and a thrown die.
#include "Shapes.h"

#include "Palette.h"

namespace {

constexpr int DesignSize = 40;
constexpr double Axis = 20.0;

struct ProfileStep {
    double y, halfWidth;
};

// The outline of a turned part: its right side from top to bottom, mirrored about the axis.
std::vector<Point> Turned(const std::vector<ProfileStep>& profile) {
    std::vector<Point> points;
    for (ProfileStep step : profile) points.push_back({Axis + step.halfWidth, step.y});
    for (auto it = profile.rbegin(); it != profile.rend(); ++it) points.push_back({Axis - it->halfWidth, it->y});
    return points;
}

void Foot(Painter& p) {
    p.Polygon(Turned({{31.0, 10.5}, {32.5, 12.5}, {37.0, 12.5}}), 1);
}

void Collar(Painter& p, double y, double halfWidth) {
    p.Ellipse({Axis, y}, halfWidth, 2.2, 1);
}

// A body that flares out into the foot, from a neck of the given half width.
void Body(Painter& p, double top, double neck) {
    p.Polygon(Turned({{top, neck}, {top + 5.0, neck + 0.7}, {28.0, neck + 3.0}, {31.5, 10.5}, {32.5, 10.5}}), 1);
}

using Draw = void (*)(Painter&);

struct Parts {
    std::vector<Draw> layers;  // back to front
    Draw details;
};

// King to Pawn, in the order of PieceKind.
const Parts PieceParts[] = {
    {{[](Painter& p) {
          p.Rectangle(18.0, 0.5, 22.0, 9.5, 1);
          p.Rectangle(15.5, 2.5, 24.5, 6.5, 1);
      },
      [](Painter& p) {
          p.Ellipse({Axis, 13.0}, 8.5, 4.2, 1);
          p.Polygon(Turned({{13.0, 8.5}, {20.5, 5.0}}), 1);
      },
      [](Painter& p) { Body(p, 20.0, 4.5); }, [](Painter& p) { Collar(p, 21.0, 7.0); }, Foot},
     [](Painter& p) { p.Line({13.5, 15.5}, {26.5, 15.5}, 1.0, 1); }},
    // The queen's coronet: a cup flaring up into five short points, each carrying a ball.
    {{[](Painter& p) {
          const Point tips[] = {{9.8, 8.4}, {14.9, 6.9}, {20.0, 6.3}, {25.1, 6.9}, {30.2, 8.4}};
          for (Point tip : tips) p.Circle({tip.x, tip.y - 0.6}, 1.9, 1);
          p.Polygon({{9.8, 8.4}, {12.6, 11.8}, {14.9, 6.9}, {17.5, 11.0}, {20.0, 6.3}, {22.5, 11.0}, {25.1, 6.9},
                     {27.4, 11.8}, {30.2, 8.4}, {25.0, 20.0}, {15.0, 20.0}},
                    1);
      },
      [](Painter& p) { Body(p, 20.0, 4.5); }, [](Painter& p) { Collar(p, 20.5, 6.8); }, Foot},
     [](Painter& p) { p.Line({14.5, 16.0}, {25.5, 16.0}, 1.0, 1); }},
    {{[](Painter& p) { p.Circle({Axis, 4.6}, 2.3, 1); },
      [](Painter& p) {
          p.Polygon(Turned({{6.5, 0.0}, {8.0, 2.2}, {10.0, 4.2}, {12.5, 5.8}, {15.0, 6.3}, {17.5, 5.8}, {20.5, 4.0}}),
                    1);
      },
      [](Painter& p) { Body(p, 21.0, 3.8); }, [](Painter& p) { Collar(p, 21.5, 6.5); }, Foot},
     [](Painter& p) { p.Line({23.2, 9.5}, {19.6, 14.5}, 1.4, 1); }},
    {{[](Painter& p) {
          p.Polygon({{11.5, 31.5}, {12.5, 27.0}, {14.5, 23.5}, {16.5, 21.0}, {14.0, 19.6}, {10.0, 21.2}, {7.2, 20.8},
                     {5.8, 18.8}, {6.2, 16.4}, {9.0, 13.0}, {12.0, 9.5}, {13.5, 7.5}, {14.2, 3.2}, {17.0, 6.2},
                     {21.0, 6.0}, {26.0, 8.5}, {29.5, 13.0}, {31.5, 19.0}, {31.8, 25.0}, {31.0, 31.5}},
                    1);
      },
      [](Painter& p) {
          p.Polygon({{17.0, 6.2}, {21.0, 6.0}, {26.0, 8.5}, {29.5, 13.0}, {31.5, 19.0}, {31.8, 25.0}, {31.0, 31.5},
                     {27.8, 31.5}, {28.6, 25.0}, {28.4, 19.0}, {26.6, 13.8}, {23.5, 10.4}, {19.0, 8.6}},
                    1);
      },
      Foot},
     [](Painter& p) {
         p.Circle({15.0, 12.0}, 1.3, 1);
         p.Circle({8.0, 17.0}, 0.9, 1);
         p.Line({6.8, 19.6}, {9.2, 19.6}, 1.0, 1);
     }},
    {{[](Painter& p) { Body(p, 13.0, 7.0); },
      [](Painter& p) {
          p.Polygon({{10.0, 5.0}, {15.0, 5.0}, {15.0, 8.0}, {17.5, 8.0}, {17.5, 5.0}, {22.5, 5.0}, {22.5, 8.0},
                     {25.0, 8.0}, {25.0, 5.0}, {30.0, 5.0}, {30.0, 12.0}, {27.5, 14.5}, {12.5, 14.5}, {10.0, 12.0}},
                    1);
      },
      Foot},
     [](Painter& p) { p.Line({10.0, 11.0}, {30.0, 11.0}, 1.0, 1); }},
    {{[](Painter& p) { Body(p, 17.0, 3.8); }, [](Painter& p) { p.Circle({Axis, 11.8}, 5.6, 1); },
      [](Painter& p) { Collar(p, 18.8, 6.5); }, Foot},
     nullptr},
};
static_assert(std::size(PieceParts) == PIECE_KIND_COUNT, "a kind without its shape");

Grid DieFace(const std::vector<Point>& corners) {
    Grid mask(DesignSize, DesignSize);
    Painter(mask).Polygon(corners, 1);
    return mask;
}

}  // namespace

LayeredShape ShapePiece(PieceKind kind, int size) {
    return ShapePiece(kind, size, {size / double(DesignSize), 0.0, 0.0});
}

LayeredShape ShapePiece(PieceKind kind, int size, Placement placement) {
    const Parts& parts = PieceParts[int(kind) - 1];
    LayeredShape shape{{}, Grid(size, size)};
    for (Draw draw : parts.layers) {
        shape.layers.emplace_back(size, size);
        Painter painter(shape.layers.back(), placement);
        draw(painter);
    }
    Painter details(shape.details, placement);
    if (parts.details) parts.details(details);
    return shape;
}

// A band on the side away from the light gives the flat fill some roundness.
LayerStyle FlatPieceStyle(Side side, int size) {
    const bool white = side == Side::White;
    const int away = (white ? +1 : -1) * (size >= 32 ? 2 : 1);
    const uint8_t fill = white ? WHITE : BLACK, band = white ? SILVER : GREY;
    return {[=](size_t, const Grid& layer, int x, int y) { return layer.At(x + away, y) ? fill : band; }, BLACK,
            uint8_t(white ? BLACK : GREY), uint8_t(white ? BLACK : SILVER)};
}

// Five in front, one on top and two on the right, as a thrown die would show.
LayeredShape ShapeDie() {
    LayeredShape die{{DieFace({{6, 14}, {14, 6}, {34, 6}, {26, 14}}), DieFace({{26, 14}, {34, 6}, {34, 26}, {26, 34}}),
                      DieFace({{6, 14}, {26, 14}, {26, 34}, {6, 34}})},
                     Grid(DesignSize, DesignSize)};
    Painter p(die.details);
    const Point front[] = {{11, 19}, {21, 19}, {16, 24}, {11, 29}, {21, 29}};
    for (Point pip : front) p.Circle(pip, 2.0, 1);
    p.Ellipse({20, 10}, 2.6, 1.3, 1);
    p.Ellipse({28.4, 15.2}, 0.9, 1.8, 1);
    p.Ellipse({31.6, 24.8}, 0.9, 1.8, 1);
    return die;
}

LayerStyle DieStyle(std::array<uint8_t, 3> faces, uint8_t edge, uint8_t innerEdge, uint8_t pips) {
    return {[faces](size_t part, const Grid&, int, int) { return faces[part]; }, edge, innerEdge, pips};
}

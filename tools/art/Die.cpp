// The die shows five in front, one on top and two on the right, as a thrown die would.
#include "Die.h"

namespace {

Grid Face(const std::vector<Point>& corners) {
    Grid mask(40, 40);
    Painter(mask).Polygon(corners, 1);
    return mask;
}

}  // namespace

LayeredShape ShapeDie() {
    LayeredShape die{{Face({{6, 14}, {14, 6}, {34, 6}, {26, 14}}), Face({{26, 14}, {34, 6}, {34, 26}, {26, 34}}),
                      Face({{6, 14}, {26, 14}, {26, 34}, {6, 34}})},
                     Grid(40, 40)};
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

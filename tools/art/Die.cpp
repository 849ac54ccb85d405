// The die shows five in front, one on top and two on the right, as a thrown die would.
#include "Die.h"

#include "Raster.h"

namespace {

Grid Face(int width, int height, Placement placement, const std::vector<Point>& corners) {
    Grid mask(width, height);
    Painter(mask, placement).Polygon(corners, 1);
    return mask;
}

}  // namespace

DieShape ShapeDie(int width, int height, Placement placement) {
    DieShape die{{Face(width, height, placement, {{6, 14}, {14, 6}, {34, 6}, {26, 14}}),
                  Face(width, height, placement, {{26, 14}, {34, 6}, {34, 26}, {26, 34}}),
                  Face(width, height, placement, {{6, 14}, {26, 14}, {26, 34}, {6, 34}})},
                 Grid(width, height)};
    Painter p(die.pips, placement);
    const Point front[] = {{11, 19}, {21, 19}, {16, 24}, {11, 29}, {21, 29}};
    for (Point pip : front) p.Circle(pip, 2.0, 1);
    p.Ellipse({20, 10}, 2.6, 1.3, 1);
    p.Ellipse({28.4, 15.2}, 0.9, 1.8, 1);
    p.Ellipse({31.6, 24.8}, 0.9, 1.8, 1);
    return die;
}

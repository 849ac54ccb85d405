// The rasteriser: grids of palette indices, a painter that samples shapes at pixel centres, and layered shapes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

struct Grid {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> cells;  // row 0 is the top row

    Grid(int gridWidth, int gridHeight, uint8_t fill = 0);

    uint8_t At(int x, int y) const;         // 0 outside, so shapes may run off the edge
    void Set(int x, int y, uint8_t value);  // nothing outside
};

// Copies every cell of source that is not `transparent` into target with its top left at (left, top).
void Blit(Grid& target, const Grid& source, int left, int top, int transparent);

struct Point {
    double x, y;
};

// Where design units land on a grid: times scale, plus the offset, so one drawing serves a 40 px
// tile, a 32 px icon and the large dialog picture.
struct Placement {
    double scale, offsetX, offsetY;
};

class Painter {
public:
    Painter(Grid& target, Placement placement = {1.0, 0.0, 0.0});

    void Polygon(const std::vector<Point>& points, uint8_t value);
    void Ellipse(Point centre, double radiusX, double radiusY, uint8_t value);
    void Circle(Point centre, double radius, uint8_t value);
    void Rectangle(double left, double top, double right, double bottom, uint8_t value);
    void Line(Point from, Point to, double width, uint8_t value);  // round ends
    void Polyline(const std::vector<Point>& points, double width, uint8_t value);
    // Points of an arc, angles in degrees, 0 to the right and growing clockwise (y points down).
    static std::vector<Point> Arc(Point centre, double radius, double fromDegrees, double toDegrees, int steps);

private:
    Point ToPixels(Point p) const;

    Grid& target_;
    Placement placement_;
};

// Pictures built as stacked parts, each with its own outline so the parts read apart. Masks hold 1
// where the part is; layers are listed from the back to the front.
struct LayeredShape {
    std::vector<Grid> layers;
    Grid details;  // as large as the layers: lines and dots over the inside, never over the silhouette's edge
};

// How a layered shape is coloured: the inside of each part by `fill`, the outlines by what they border.
struct LayerStyle {
    std::function<uint8_t(size_t part, const Grid& layer, int x, int y)> fill;
    uint8_t edge;       // outline against the background
    uint8_t innerEdge;  // outline where a part lies over another part
    uint8_t detail;
};

// Paints the shape into target with its top left at (left, top); cells outside it stay.
void PaintLayers(Grid& target, int left, int top, const LayeredShape& shape, const LayerStyle& style);

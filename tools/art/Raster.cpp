// The rasteriser: each cell takes the colour of the shape its centre lies in; layered parts get outlines.
#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace {

bool Contains(const Grid& grid, int x, int y) {
    return x >= 0 && y >= 0 && x < grid.width && y < grid.height;
}

// Snapping to 1/256 keeps the last bits of the maths library out of the pictures.
double Snap(double value) {
    return std::round(value * 256.0) / 256.0;
}

double SegmentDistance(Point p, Point a, Point b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

// Cells of mask that touch a cell outside it along a side.
bool IsEdge(const Grid& mask, int x, int y) {
    return mask.At(x, y) && (!mask.At(x - 1, y) || !mask.At(x + 1, y) || !mask.At(x, y - 1) || !mask.At(x, y + 1));
}

}  // namespace

Grid::Grid(int gridWidth, int gridHeight, uint8_t fill)
    : width(gridWidth), height(gridHeight), cells(size_t(gridWidth) * size_t(gridHeight), fill) {}

uint8_t Grid::At(int x, int y) const {
    return Contains(*this, x, y) ? cells[size_t(y) * size_t(width) + size_t(x)] : 0;
}

void Grid::Set(int x, int y, uint8_t value) {
    if (Contains(*this, x, y)) cells[size_t(y) * size_t(width) + size_t(x)] = value;
}

void Blit(Grid& target, const Grid& source, int left, int top, int transparent) {
    for (int y = 0; y < source.height; y++)
        for (int x = 0; x < source.width; x++) {
            uint8_t value = source.At(x, y);
            if (value != transparent) target.Set(left + x, top + y, value);
        }
}

Painter::Painter(Grid& target, Placement placement) : target_(target), placement_(placement) {}

Point Painter::ToPixels(Point p) const {
    return {Snap(p.x * placement_.scale + placement_.offsetX), Snap(p.y * placement_.scale + placement_.offsetY)};
}

// Even-odd scanline fill; a crossing counts when the edge spans the row's centre half-open.
void Painter::Polygon(const std::vector<Point>& points, uint8_t value) {
    if (points.size() < 3) return;
    std::vector<Point> pixels;
    for (Point p : points) pixels.push_back(ToPixels(p));
    for (int y = 0; y < target_.height; y++) {
        double centreY = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0; i < pixels.size(); i++) {
            Point a = pixels[i], b = pixels[(i + 1) % pixels.size()];
            if ((a.y <= centreY && b.y > centreY) || (b.y <= centreY && a.y > centreY))
                crossings.push_back(a.x + (centreY - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = 0; x < target_.width; x++)
                if (x + 0.5 >= crossings[i] && x + 0.5 < crossings[i + 1]) target_.Set(x, y, value);
    }
}

void Painter::Ellipse(Point centre, double radiusX, double radiusY, uint8_t value) {
    Point c = ToPixels(centre);
    double rx = radiusX * placement_.scale, ry = radiusY * placement_.scale;
    if (rx <= 0 || ry <= 0) return;
    for (int y = 0; y < target_.height; y++)
        for (int x = 0; x < target_.width; x++) {
            double u = (x + 0.5 - c.x) / rx, v = (y + 0.5 - c.y) / ry;
            if (u * u + v * v <= 1.0) target_.Set(x, y, value);
        }
}

void Painter::Circle(Point centre, double radius, uint8_t value) {
    Ellipse(centre, radius, radius, value);
}

void Painter::Rectangle(double left, double top, double right, double bottom, uint8_t value) {
    Polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, value);
}

void Painter::Line(Point from, Point to, double width, uint8_t value) {
    Point a = ToPixels(from), b = ToPixels(to);
    double half = width * placement_.scale / 2;
    for (int y = 0; y < target_.height; y++)
        for (int x = 0; x < target_.width; x++)
            if (SegmentDistance({x + 0.5, y + 0.5}, a, b) <= half) target_.Set(x, y, value);
}

void Painter::Polyline(const std::vector<Point>& points, double width, uint8_t value) {
    for (size_t i = 0; i + 1 < points.size(); i++) Line(points[i], points[i + 1], width, value);
}

std::vector<Point> Painter::Arc(Point centre, double radius, double fromDegrees, double toDegrees, int steps) {
    const double pi = 3.14159265358979323846;
    std::vector<Point> points;
    for (int i = 0; i <= steps; i++) {
        double angle = (fromDegrees + (toDegrees - fromDegrees) * i / steps) * pi / 180.0;
        points.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    return points;
}

void PaintLayers(Grid& target, int left, int top, const LayeredShape& shape, const LayerStyle& style) {
    Grid whole(shape.details.width, shape.details.height);
    for (const Grid& layer : shape.layers)
        for (size_t i = 0; i < whole.cells.size(); i++) whole.cells[i] |= layer.cells[i];
    Grid picture(whole.width, whole.height, 0xFF);  // 0xFF: untouched
    for (size_t part = 0; part < shape.layers.size(); part++) {
        const Grid& layer = shape.layers[part];
        for (int y = 0; y < layer.height; y++)
            for (int x = 0; x < layer.width; x++) {
                if (!layer.At(x, y)) continue;
                if (IsEdge(layer, x, y))
                    picture.Set(x, y, IsEdge(whole, x, y) ? style.edge : style.innerEdge);
                else
                    picture.Set(x, y, style.fill(part, layer, x, y));
            }
    }
    for (int y = 0; y < whole.height; y++)
        for (int x = 0; x < whole.width; x++)
            if (shape.details.At(x, y) && whole.At(x, y) && !IsEdge(whole, x, y)) picture.Set(x, y, style.detail);
    Blit(target, picture, left, top, 0xFF);
}

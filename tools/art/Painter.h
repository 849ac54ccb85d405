// A tiny rasteriser: filled polygons, ellipses and thick lines, sampled once at each pixel centre.
#pragma once

#include <cstdint>
#include <vector>

#include "Grid.h"

struct Point {
    double x, y;
};

// Shapes are given in design units; the painter scales them by `scale` and moves them by the
// offset, so one drawing serves a 40 px tile, a 32 px icon and the large dialog picture.
class Painter {
public:
    Painter(Grid& target, double scale = 1.0, double offsetX = 0.0, double offsetY = 0.0);

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
    double scale_;
    double offsetX_;
    double offsetY_;
};

struct ProfileStep {
    double y, halfWidth;
};

// The outline of a turned shape: its right side from top to bottom, mirrored about x = axis.
std::vector<Point> MirroredProfile(double axis, const std::vector<ProfileStep>& profile);

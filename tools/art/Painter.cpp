// Point-sampled rasterisation: a pixel belongs to a shape when its centre does, so nothing is blended.
#include "Painter.h"

#include <algorithm>
#include <cmath>

namespace {

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

}  // namespace

Painter::Painter(Grid& target, double scale, double offsetX, double offsetY)
    : target_(target), scale_(scale), offsetX_(offsetX), offsetY_(offsetY) {}

Point Painter::ToPixels(Point p) const {
    return {Snap(p.x * scale_ + offsetX_), Snap(p.y * scale_ + offsetY_)};
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
    double rx = radiusX * scale_, ry = radiusY * scale_;
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
    double half = width * scale_ / 2;
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

std::vector<Point> MirroredProfile(double axis, const std::vector<ProfileStep>& profile) {
    std::vector<Point> points;
    for (ProfileStep step : profile) points.push_back({axis + step.halfWidth, step.y});
    for (auto it = profile.rbegin(); it != profile.rend(); ++it) points.push_back({axis - it->halfWidth, it->y});
    return points;
}

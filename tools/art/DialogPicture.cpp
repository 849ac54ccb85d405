// A lit scene: pieces shaded as turned wood, a board in perspective, a sky fading to the horizon.
#include "DialogPicture.h"

#include <algorithm>
#include <cmath>

#include "ImageFiles.h"
#include "Palette.h"
#include "Shapes.h"

namespace {

constexpr int Width = 130, Height = 171;
constexpr int RampSize = 32;

// First palette index of each ramp; a ramp runs from dark to light.
enum Ramp : int {
    IVORY = 16,
    EBONY = IVORY + RampSize,
    SKY = EBONY + RampSize,
    LIGHT_SQUARE = SKY + RampSize,
    DARK_SQUARE = LIGHT_SQUARE + RampSize,
    DIE_RED = DARK_SQUARE + RampSize,
    RampEnd = DIE_RED + RampSize
};
static_assert(RampEnd <= 256);

Rgb Mix(Rgb from, Rgb to, double t) {
    auto channel = [t](uint8_t a, uint8_t b) { return uint8_t(std::lround(a + (b - a) * t)); };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

void AddRamp(Palette& palette, Rgb dark, Rgb middle, Rgb light) {
    for (int i = 0; i < RampSize; i++) {
        double t = i / double(RampSize - 1);
        palette.push_back(t < 0.5 ? Mix(dark, middle, t * 2) : Mix(middle, light, t * 2 - 1));
    }
}

// Brightness 0..1 to a ramp entry, cut to steps without any dithering.
uint8_t Shade(int ramp, double brightness) {
    int step = int(std::lround(std::clamp(brightness, 0.0, 1.0) * (RampSize - 1)));
    return uint8_t(ramp + step);
}

// Light from the upper left and in front on a cylinder, `across` running from -1 to 1.
double CylinderLight(double across) {
    double nx = across, nz = std::sqrt(std::max(0.0, 1.0 - across * across));
    double diffuse = std::max(0.0, -0.55 * nx + 0.83 * nz);
    double highlight = std::pow(std::max(0.0, -0.35 * nx + 0.94 * nz), 24.0);
    return 0.18 + 0.7 * diffuse + 0.35 * highlight;
}

// A turned part is a cylinder row by row: each run of cells is shaded across its width.
LayerStyle TurnedWood(int ramp) {
    auto fill = [ramp](size_t, const Grid& layer, int x, int y) {
        int runStart = x, runEnd = x + 1;
        while (layer.At(runStart - 1, y)) runStart--;
        while (layer.At(runEnd, y)) runEnd++;
        double across = ((x + 0.5) - runStart) / (runEnd - runStart) * 2.0 - 1.0;
        return Shade(ramp, CylinderLight(across));
    };
    return {fill, BLACK, Shade(ramp, 0.1), Shade(ramp, 0.05)};
}

constexpr double Horizon = 40.0;

// The board lies on a plane seen from above the near edge; depth grows towards the horizon.
void PaintBoard(Grid& picture, const Grid& shadows) {
    const double rows = 8.0, nearDepth = 5.0, farDepth = nearDepth + rows;
    const double distance = (Height - Horizon) * nearDepth;  // the bottom row is the near edge
    for (int y = 0; y < Height; y++) {
        double below = y + 0.5 - Horizon;
        if (below <= 0) continue;
        double depth = distance / below;
        if (depth > farDepth) continue;
        for (int x = 0; x < Width; x++) {
            double across = (x + 0.5 - Width / 2.0) * depth / distance * 3.0;
            if (std::fabs(across) > 4.0) continue;
            bool dark = (int(std::floor(across)) + int(std::floor(depth - nearDepth))) % 2 != 0;
            double fade = 1.0 - (depth - nearDepth) / rows * 0.45;
            if (shadows.At(x, y)) fade *= 0.55;
            picture.Set(x, y, Shade(dark ? DARK_SQUARE : LIGHT_SQUARE, fade));
        }
    }
}

// The 16 standard colours first, then the shading ramps.
Palette DialogPalette() {
    Palette palette = StandardPalette();
    AddRamp(palette, {40, 32, 24}, {196, 184, 160}, {255, 252, 240});
    AddRamp(palette, {4, 4, 8}, {52, 48, 56}, {150, 150, 168});
    AddRamp(palette, {8, 16, 56}, {40, 80, 140}, {150, 190, 220});
    AddRamp(palette, {80, 60, 30}, {200, 170, 120}, {240, 220, 180});
    AddRamp(palette, {40, 20, 8}, {110, 60, 30}, {160, 100, 56});
    AddRamp(palette, {60, 0, 0}, {180, 20, 20}, {255, 140, 130});
    return palette;  // the writer pads it with black to 256 entries
}

}  // namespace

std::vector<uint8_t> DialogPictureFile() {
    Grid picture(Width, Height);
    for (int y = 0; y < Height; y++)
        for (int x = 0; x < Width; x++) picture.Set(x, y, Shade(SKY, 0.1 + 0.9 * y / 90.0));
    // The pieces, lit from the upper left, throw their shadows to the right.
    Grid shadows(Width, Height);
    Painter shadow(shadows);
    shadow.Ellipse({84, 128}, 34, 5.0, 1);
    shadow.Ellipse({114, 99}, 18, 3.5, 1);
    shadow.Ellipse({122, 161}, 12, 4.0, 1);
    PaintBoard(picture, shadows);
    PaintLayers(picture, 68, 44, ShapePiece(PieceKind::Pawn, 60), TurnedWood(EBONY));
    PaintLayers(picture, -2, 26, ShapePiece(PieceKind::King, 112), TurnedWood(IVORY));
    // Faces lit from the upper left: the top brightest, the right side in shadow.
    PaintLayers(picture, 84, 128, ShapeDie(),
                DieStyle({Shade(DIE_RED, 0.95), Shade(DIE_RED, 0.35), Shade(DIE_RED, 0.7)}, BLACK, Shade(DIE_RED, 0.15),
                         Shade(IVORY, 1.0)));
    for (int y = 0; y < Height; y++)
        for (int x = 0; x < Width; x++)
            if (x == 0 || y == 0 || x == Width - 1 || y == Height - 1) picture.Set(x, y, BLACK);
    return EncodeBmp(picture, DialogPalette(), 8);
}

// Colours: the 16 standard Windows colours in their usual order, and palette types for the writers.
#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t red, green, blue;
};

using Palette = std::vector<Rgb>;

enum StandardColour : uint8_t {
    BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
    GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE
};

Palette StandardPalette();

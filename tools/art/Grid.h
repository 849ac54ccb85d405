// A rectangle of palette indices: the canvas every picture is drawn on, and the masks beside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Grid {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> cells;  // row 0 is the top row

    Grid(int gridWidth, int gridHeight, uint8_t fill = 0);

    bool Contains(int x, int y) const;
    uint8_t At(int x, int y) const;  // 0 outside
    void Set(int x, int y, uint8_t value);
};

// Copies every cell of source that is not `transparent` into target with its top left at (left, top).
void Blit(Grid& target, const Grid& source, int left, int top, int transparent);

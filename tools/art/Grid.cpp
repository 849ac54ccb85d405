// The indexed canvas: bounds-checked access so shapes may run off the edge.
#include "Grid.h"

Grid::Grid(int gridWidth, int gridHeight, uint8_t fill)
    : width(gridWidth), height(gridHeight), cells(size_t(gridWidth) * size_t(gridHeight), fill) {}

bool Grid::Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height;
}

uint8_t Grid::At(int x, int y) const {
    return Contains(x, y) ? cells[size_t(y) * size_t(width) + size_t(x)] : 0;
}

void Grid::Set(int x, int y, uint8_t value) {
    if (Contains(x, y)) cells[size_t(y) * size_t(width) + size_t(x)] = value;
}

void Blit(Grid& target, const Grid& source, int left, int top, int transparent) {
    for (int y = 0; y < source.height; y++)
        for (int x = 0; x < source.width; x++) {
            uint8_t value = source.At(x, y);
            if (value != transparent) target.Set(left + x, top + y, value);
        }
}

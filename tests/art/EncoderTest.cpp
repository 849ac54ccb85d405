// The bitmap and icon encoders on pictures small enough to spell out byte by byte.
#include <gtest/gtest.h>

#include "ImageFiles.h"
#include "Raster.h"

namespace {

Grid MakeGrid(int width, int height, std::vector<uint8_t> cells) {
    Grid grid(width, height);
    grid.cells = cells;
    return grid;
}

std::vector<uint8_t> Tail(const std::vector<uint8_t>& bytes, size_t from) {
    return from <= bytes.size() ? std::vector<uint8_t>(bytes.begin() + long(from), bytes.end()) : std::vector<uint8_t>{};
}

}  // namespace

// Rows go bottom-up and are padded to 4 bytes; in 4 bits the left pixel is the high nibble.
TEST(Encoders, BmpPixelRows) {
    struct Case {
        int bits, width;
        std::vector<uint8_t> cells, rows;
    };
    const Case cases[] = {
        {4, 3, {1, 2, 3, 4, 5, 6}, {0x45, 0x60, 0, 0, 0x12, 0x30, 0, 0}},
        {4, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0},
         {0x9A, 0xBC, 0xDE, 0xF0, 0x12, 0x34, 0x56, 0x78}},
        {8, 5, {1, 2, 3, 4, 5, 250, 251, 252, 253, 254}, {250, 251, 252, 253, 254, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const Palette palette(size_t(1) << c.bits, Rgb{1, 2, 3});
        const auto bmp = EncodeBmp(MakeGrid(c.width, 2, c.cells), palette, c.bits);
        EXPECT_EQ(c.rows, Tail(bmp, 54 + (4u << c.bits))) << c.bits << " bits, " << c.width << " wide";
        EXPECT_EQ(3, bmp[54]);  // blue first
        EXPECT_EQ(1, bmp[56]);
    }
}

// The clear cell gets alpha 0 and its AND-mask bit; the mask's first pixel is its high bit.
TEST(Encoders, IcoColourAndMaskRows) {
    const Palette palette = {{0x10, 0x20, 0x30}, {0x40, 0x50, 0x60}};
    const auto ico = EncodeIco({MakeGrid(2, 2, {0, 9, 1, 0})}, palette, 9);
    ASSERT_EQ(6u + 16 + 40 + 16 + 8, ico.size());
    const std::vector<uint8_t> expected = {
        0x60, 0x50, 0x40, 0xFF, 0x30, 0x20, 0x10, 0xFF,  // bottom row: index 1, index 0
        0x30, 0x20, 0x10, 0xFF, 0x00, 0x00, 0x00, 0x00,  // top row: index 0, clear
        0x00, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00,  // mask, bottom row first
    };
    EXPECT_EQ(expected, Tail(ico, 6 + 16 + 40));
}

// A pixel belongs to a shape when its centre does, so shapes on whole and half units stay exact.
TEST(Encoders, PainterSamplesPixelCentres) {
    Grid grid(6, 3);
    Painter painter(grid);
    painter.Rectangle(1.0, 0.0, 3.0, 1.0, 1);    // pixels 1 and 2 of row 0
    painter.Rectangle(0.4, 1.0, 4.6, 2.0, 2);    // centres 0.5 to 4.5, x 0..4 of row 1
    painter.Circle({3.0, 3.0}, 1.0, 3);           // centres (2.5, 2.5) and (3.5, 2.5)
    const std::vector<uint8_t> expected = {0, 1, 1, 0, 0, 0, 2, 2, 2, 2, 2, 0, 0, 0, 3, 3, 0, 0};
    EXPECT_EQ(expected, grid.cells);
}

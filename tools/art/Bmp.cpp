// The BMP encoder: file header, 40-byte info header, palette, then rows from the bottom up.
#include "Bmp.h"

#include "ByteWriter.h"

std::vector<uint8_t> EncodeBmp(const Grid& picture, const Palette& palette, int bitsPerPixel) {
    const uint32_t colours = 1u << bitsPerPixel;
    const uint32_t rowBytes = ((uint32_t(picture.width) * uint32_t(bitsPerPixel) + 31) / 32) * 4;
    const uint32_t pixelOffset = 14 + 40 + colours * 4;
    const uint32_t imageBytes = rowBytes * uint32_t(picture.height);

    std::vector<uint8_t> out;
    PutU8(out, 'B');
    PutU8(out, 'M');
    PutU32(out, pixelOffset + imageBytes);
    PutU32(out, 0);
    PutU32(out, pixelOffset);

    PutU32(out, 40);
    PutU32(out, uint32_t(picture.width));
    PutU32(out, uint32_t(picture.height));  // positive: bottom-up
    PutU16(out, 1);
    PutU16(out, uint32_t(bitsPerPixel));
    PutU32(out, 0);  // BI_RGB
    PutU32(out, imageBytes);
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, colours);
    PutU32(out, 0);

    for (uint32_t i = 0; i < colours; i++) {
        Rgb colour = i < palette.size() ? palette[i] : Rgb{0, 0, 0};
        PutU8(out, colour.blue);
        PutU8(out, colour.green);
        PutU8(out, colour.red);
        PutU8(out, 0);
    }

    for (int y = picture.height - 1; y >= 0; y--) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < picture.width; x++) {
            uint8_t index = picture.At(x, y);
            if (bitsPerPixel == 8)
                row[size_t(x)] = index;
            else  // 4 bits: the left pixel in the high nibble
                row[size_t(x / 2)] |= uint8_t((index & 0x0F) << (x % 2 == 0 ? 4 : 0));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

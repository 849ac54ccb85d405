// The BMP and ICO encoders, little-endian field by field, and the whole-file write.
#include "ImageFiles.h"

#include <cstdio>

namespace {

void PutU8(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
}

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    PutU8(out, value);
    PutU8(out, value >> 8);
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value);
    PutU16(out, value >> 16);
}

// A palette entry and a 32-bit pixel alike: blue, green, red, then reserved or alpha.
void PutColour(std::vector<uint8_t>& out, Rgb colour, uint8_t fourth) {
    PutU8(out, colour.blue);
    PutU8(out, colour.green);
    PutU8(out, colour.red);
    PutU8(out, fourth);
}

// Rows are padded to whole 32-bit words.
uint32_t RowBytes(int width, int bits) {
    return (uint32_t(width) * uint32_t(bits) + 31) / 32 * 4;
}

// The 40-byte info header both kinds of file carry; an icon counts its mask rows in the height.
void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageBytes,
                   uint32_t pixelsPerMetre, uint32_t colours) {
    PutU32(out, 40);
    PutU32(out, uint32_t(width));
    PutU32(out, uint32_t(height));  // positive: bottom-up
    PutU16(out, 1);
    PutU16(out, uint32_t(bits));
    PutU32(out, 0);  // BI_RGB
    PutU32(out, imageBytes);
    PutU32(out, pixelsPerMetre);
    PutU32(out, pixelsPerMetre);
    PutU32(out, colours);
    PutU32(out, 0);
}

// Rows from the bottom up at 1, 4 or 8 bits a cell; the leftmost cell takes a byte's highest bits.
void PutPackedRows(std::vector<uint8_t>& out, const Grid& grid, int bits) {
    for (int y = grid.height - 1; y >= 0; y--) {
        std::vector<uint8_t> row(RowBytes(grid.width, bits), 0);
        for (int x = 0; x < grid.width; x++) {
            const int bit = x * bits;
            row[size_t(bit / 8)] |= uint8_t((grid.At(x, y) & ((1 << bits) - 1)) << (8 - bits - bit % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

std::vector<uint8_t> EncodeIconImage(const Grid& image, const Palette& palette, uint8_t transparent) {
    Grid mask(image.width, image.height);
    for (size_t i = 0; i < mask.cells.size(); i++) mask.cells[i] = image.cells[i] == transparent;
    const uint32_t pixelBytes = uint32_t(image.width) * uint32_t(image.height) * 4;
    const uint32_t maskBytes = RowBytes(image.width, 1) * uint32_t(image.height);
    std::vector<uint8_t> out;
    PutInfoHeader(out, image.width, image.height * 2, 32, pixelBytes + maskBytes, 0, 0);
    for (int y = image.height - 1; y >= 0; y--)
        for (int x = 0; x < image.width; x++) {
            uint8_t index = image.At(x, y);
            bool clear = index == transparent || index >= palette.size();
            PutColour(out, clear ? Rgb{0, 0, 0} : palette[index], clear ? 0 : 255);
        }
    PutPackedRows(out, mask, 1);
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Grid& picture, const Palette& palette, int bitsPerPixel) {
    const uint32_t colours = 1u << bitsPerPixel;
    const uint32_t pixelOffset = 14 + 40 + colours * 4;
    const uint32_t imageBytes = RowBytes(picture.width, bitsPerPixel) * uint32_t(picture.height);
    std::vector<uint8_t> out;
    PutU8(out, 'B');
    PutU8(out, 'M');
    PutU32(out, pixelOffset + imageBytes);
    PutU32(out, 0);
    PutU32(out, pixelOffset);
    PutInfoHeader(out, picture.width, picture.height, bitsPerPixel, imageBytes, 2835, colours);  // 72 dpi
    for (uint32_t i = 0; i < colours; i++) PutColour(out, i < palette.size() ? palette[i] : Rgb{0, 0, 0}, 0);
    PutPackedRows(out, picture, bitsPerPixel);
    return out;
}

std::vector<uint8_t> EncodeIco(const std::vector<Grid>& images, const Palette& palette, uint8_t transparent) {
    std::vector<uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1);  // icon, not cursor
    PutU16(out, uint32_t(images.size()));

    std::vector<std::vector<uint8_t>> encoded;
    for (const Grid& image : images) encoded.push_back(EncodeIconImage(image, palette, transparent));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); i++) {
        PutU8(out, uint32_t(images[i].width) & 0xFF);  // 0 stands for 256
        PutU8(out, uint32_t(images[i].height) & 0xFF);
        PutU8(out, 0);
        PutU8(out, 0);
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, uint32_t(encoded[i].size()));
        PutU32(out, offset);
        offset += uint32_t(encoded[i].size());
    }
    for (const auto& image : encoded) out.insert(out.end(), image.begin(), image.end());
    return out;
}

// Written beside the target and renamed over it, so a failed write leaves the old picture whole.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string partPath = path + ".part";
    FILE* file = std::fopen(partPath.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;  // a failed flush is a failed write
    if (ok) ok = std::rename(partPath.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(partPath.c_str());  // nothing more to do if this fails too
    return ok;
}

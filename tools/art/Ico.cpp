// The ICO encoder: directory, then per image a 40-byte header, BGRA rows and a 1-bit mask, bottom-up.
#include "Ico.h"

#include "ByteWriter.h"

namespace {

uint32_t MaskRowBytes(int width) {
    return ((uint32_t(width) + 31) / 32) * 4;
}

std::vector<uint8_t> EncodeImage(const Grid& image, const Palette& palette, uint8_t transparent) {
    std::vector<uint8_t> out;
    const uint32_t pixelBytes = uint32_t(image.width) * uint32_t(image.height) * 4;
    const uint32_t maskBytes = MaskRowBytes(image.width) * uint32_t(image.height);
    PutU32(out, 40);
    PutU32(out, uint32_t(image.width));
    PutU32(out, uint32_t(image.height) * 2);  // the colour rows and the mask rows
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, 0);
    PutU32(out, pixelBytes + maskBytes);
    for (int i = 0; i < 4; i++) PutU32(out, 0);

    for (int y = image.height - 1; y >= 0; y--)
        for (int x = 0; x < image.width; x++) {
            uint8_t index = image.At(x, y);
            bool clear = index == transparent || index >= palette.size();
            Rgb colour = clear ? Rgb{0, 0, 0} : palette[index];
            PutU8(out, colour.blue);
            PutU8(out, colour.green);
            PutU8(out, colour.red);
            PutU8(out, clear ? 0 : 255);
        }
    for (int y = image.height - 1; y >= 0; y--) {
        std::vector<uint8_t> row(MaskRowBytes(image.width), 0);
        for (int x = 0; x < image.width; x++)
            if (image.At(x, y) == transparent) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeIco(const std::vector<Grid>& images, const Palette& palette, uint8_t transparent) {
    std::vector<uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1);  // icon, not cursor
    PutU16(out, uint32_t(images.size()));

    std::vector<std::vector<uint8_t>> encoded;
    for (const Grid& image : images) encoded.push_back(EncodeImage(image, palette, transparent));
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

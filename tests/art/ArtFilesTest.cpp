// make_art's output against the committed resources, and the headers Windows will read.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "core/Buttons.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

const char* const ArtFiles[] = {"PieceStrip.bmp", "App.ico", "DialogPicture.bmp"};
constexpr int StripWidth = PIECE_STRIP_TILES * TILE_SIZE;

Bytes ReadAll(const fs::path& path) {
    const std::string bytes = ReadBytes(path);
    return Bytes(bytes.begin(), bytes.end());
}

uint32_t U16(const Bytes& bytes, size_t at) {
    return at + 2 <= bytes.size() ? bytes[at] | bytes[at + 1] << 8 : 0xFFFFFFFF;
}

uint32_t U32(const Bytes& bytes, size_t at) {
    return at + 4 <= bytes.size() ? U16(bytes, at) | U16(bytes, at + 2) << 16 : 0xFFFFFFFF;
}

int RunMakeArt(const std::string& arguments) {
    int status = std::system((std::string("\"") + MAKE_ART + "\" " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Checks the file and info headers of an uncompressed, bottom-up bitmap; returns the pixel offset.
void ExpectPlainBitmap(const Bytes& bmp, uint32_t width, uint32_t height, uint32_t bits) {
    const uint32_t colours = 1u << bits, rowBytes = (width * bits + 31) / 32 * 4;
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ('B', bmp[0]);
    EXPECT_EQ('M', bmp[1]);
    EXPECT_EQ(bmp.size(), U32(bmp, 2));
    EXPECT_EQ(14 + 40 + colours * 4, U32(bmp, 10));
    EXPECT_EQ(40u, U32(bmp, 14));
    EXPECT_EQ(width, U32(bmp, 18));
    EXPECT_EQ(height, U32(bmp, 22));  // positive: rows stored bottom-up
    EXPECT_EQ(1u, U16(bmp, 26));
    EXPECT_EQ(bits, U16(bmp, 28));
    EXPECT_EQ(0u, U32(bmp, 30));  // BI_RGB
    EXPECT_TRUE(U32(bmp, 46) == 0 || U32(bmp, 46) == colours);
    EXPECT_EQ(14 + 40 + colours * 4 + rowBytes * height, bmp.size());
}

// Palette index of a 4-bit pixel of the strip, with y counted from the top.
int StripPixel(const Bytes& bmp, int x, int y) {
    const int rowBytes = (StripWidth * 4 + 31) / 32 * 4;
    uint8_t pair = bmp[U32(bmp, 10) + size_t(TILE_SIZE - 1 - y) * rowBytes + size_t(x / 2)];
    return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

}  // namespace

TEST(ArtFiles, GeneratorRemakesTheCommittedFilesExactly) {
    TemporaryFolder folder;
    ASSERT_EQ(0, RunMakeArt("\"" + folder.Path().string() + "\""));
    for (const char* name : ArtFiles) {
        Bytes made = ReadAll(fs::path(folder.Path()) / name), committed = ReadAll(fs::path(RESOURCE_DIR) / name);
        EXPECT_FALSE(made.empty()) << name;
        EXPECT_TRUE(made == committed) << name << " differs from make_art's output: run the art target";
    }
}

TEST(ArtFiles, GeneratorReportsWhatItCannotDo) {
    EXPECT_EQ(2, RunMakeArt(""));
    EXPECT_EQ(2, RunMakeArt("a b"));
    TemporaryFolder folder;
    EXPECT_EQ(1, RunMakeArt("\"" + folder.Path().string() + "/missing\""));
}

TEST(ArtFiles, PieceStripIsATilePerButtonWithTheStandardPalette) {
    const Bytes bmp = ReadAll(fs::path(RESOURCE_DIR) / "PieceStrip.bmp");
    ExpectPlainBitmap(bmp, StripWidth, TILE_SIZE, 4);

    const uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                   0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 0; i < 16; i++) {
        size_t at = 54 + 4 * size_t(i);  // blue, green, red, reserved
        EXPECT_EQ(standard[i], uint32_t(bmp[at + 2] << 16 | bmp[at + 1] << 8 | bmp[at])) << "entry " << i;
        EXPECT_EQ(0, bmp[at + 3]) << "entry " << i;
    }
}

// Catches a tile drawn in the other side's colours or at another button's place: a black piece and the
// Black Turn die are mostly black, the white ones white.
TEST(ArtFiles, PieceStripTilesSitOnSilverInTheirSidesColours) {
    const Bytes bmp = ReadAll(fs::path(RESOURCE_DIR) / "PieceStrip.bmp");
    ExpectPlainBitmap(bmp, StripWidth, TILE_SIZE, 4);
    ASSERT_FALSE(HasFailure()) << "not the strip's shape";
    const int silver = 7, black = 0, white = 15, last = TILE_SIZE - 1;
    for (const ButtonRow& row : Buttons) {
        const int left = TILE_SIZE * row.tile;
        SCOPED_TRACE(testing::Message() << "tile " << row.tile);
        int counts[16] = {};
        for (int y = 0; y < TILE_SIZE; y++)
            for (int x = 0; x < TILE_SIZE; x++) counts[StripPixel(bmp, left + x, y)]++;
        EXPECT_EQ(silver, StripPixel(bmp, left, 0));
        EXPECT_EQ(silver, StripPixel(bmp, left + last, last));
        EXPECT_GT(TILE_SIZE * TILE_SIZE - counts[silver], 250) << "nearly empty";
        if (row.role != ButtonRole::Piece && row.role != ButtonRole::Turn) continue;
        if (row.side == Side::Black)
            EXPECT_GT(counts[black], 2 * counts[white]);
        else
            EXPECT_GT(counts[white], counts[black]);  // black outlines are a large share
    }
}

TEST(ArtFiles, DialogPictureIs256ColoursUncompressed) {
    ExpectPlainBitmap(ReadAll(fs::path(RESOURCE_DIR) / "DialogPicture.bmp"), 130, 171, 8);
}

TEST(ArtFiles, IconHoldsA32PixelImageWithinTheFile) {
    const Bytes ico = ReadAll(fs::path(RESOURCE_DIR) / "App.ico");
    ASSERT_GE(ico.size(), 22u);
    EXPECT_EQ(0u, U16(ico, 0));
    EXPECT_EQ(1u, U16(ico, 2));
    const uint32_t count = U16(ico, 4);
    ASSERT_GE(count, 1u);
    EXPECT_EQ(32, ico[6]);
    EXPECT_EQ(32, ico[7]);
    uint32_t end = 6 + 16 * count;
    for (uint32_t i = 0; i < count; i++) {
        size_t entry = 6 + 16 * size_t(i);
        const uint32_t side = ico[entry], bytes = U32(ico, entry + 8), offset = U32(ico, entry + 12);
        EXPECT_EQ(end, offset) << "image " << i << " follows the one before";
        ASSERT_LE(uint64_t(offset) + bytes, ico.size()) << "image " << i;
        EXPECT_EQ(40u, U32(ico, offset));
        EXPECT_EQ(side, U32(ico, offset + 4));
        EXPECT_EQ(2 * side, U32(ico, offset + 8));  // colour rows and mask rows
        EXPECT_EQ(32u, U16(ico, offset + 14));
        EXPECT_EQ(40 + side * side * 4 + (side + 31) / 32 * 4 * side, bytes) << "image " << i;
        end = offset + bytes;
    }
    EXPECT_EQ(ico.size(), end);
}

// The PNG loader's tests, built both natively (under the sanitizers) and for Windows (under Wine).
#include "controls/png_decode.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "png_files.h"

namespace {

using ImagePtr = std::unique_ptr<PngImage, PngImageDeleter>;

// Writes `bytes` to a file and loads it.
ImagePtr LoadBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    TempFile file(name, bytes);
    return ImagePtr(LoadPngImage(file.Path()));
}

// The four bytes of pixel `i` of row `r`.
std::vector<int> PixelAt(const PngImage& image, int r, int i) {
    const uint8_t* p = image.rows[r] + i * 4;
    return {p[0], p[1], p[2], p[3]};
}

PngLayout Layout(uint32_t width, int colorType, int bitDepth, size_t bytesPerRow) {
    PngLayout layout;
    layout.width = width;
    layout.height = 2;
    layout.colorType = colorType;
    layout.bitDepth = bitDepth;
    layout.pixels.assign(bytesPerRow * 2, 0x5A);
    return layout;
}

PngLayout PaletteLayout(bool withAlphas) {
    PngLayout layout = Layout(3, PNG_COLOR_TYPE_PALETTE, 8, 3);
    layout.pixels = {0, 1, 2, 2, 1, 0};
    layout.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    if (withAlphas) layout.paletteAlphas = {0, 255};  // the third entry has none: opaque
    return layout;
}

PngLayout RgbKeyLayout() {
    PngLayout layout = Layout(2, PNG_COLOR_TYPE_RGB, 8, 6);
    layout.pixels = {10, 20, 30, 40, 50, 60, 40, 50, 60, 10, 20, 30};
    layout.transparentColor = {10, 20, 30};
    return layout;
}

struct AcceptCase {
    const char* name;
    PngLayout layout;
    bool accepted;
};

TEST(LoadPngImage, AcceptsOnlyThirtyTwoBitsAPixelAfterExpansion) {
    PngLayout interlaced = Layout(9, PNG_COLOR_TYPE_RGB_ALPHA, 8, 36);
    interlaced.height = 9;
    interlaced.pixels.assign(36 * 9, 0x80);
    interlaced.interlaced = true;
    const AcceptCase cases[] = {
        {"rgba8", Layout(3, PNG_COLOR_TYPE_RGB_ALPHA, 8, 12), true},
        {"rgba8-interlaced", interlaced, true},
        {"palette-trns", PaletteLayout(true), true},
        {"rgb8-trns", RgbKeyLayout(), true},
        {"palette", PaletteLayout(false), false},
        {"rgb8", Layout(3, PNG_COLOR_TYPE_RGB, 8, 9), false},
        {"grey8", Layout(3, PNG_COLOR_TYPE_GRAY, 8, 3), false},
        {"grey1", Layout(3, PNG_COLOR_TYPE_GRAY, 1, 1), false},
        {"grey-alpha8", Layout(3, PNG_COLOR_TYPE_GRAY_ALPHA, 8, 6), false},
        {"rgb16", Layout(3, PNG_COLOR_TYPE_RGB, 16, 18), false},
        {"rgba16", Layout(3, PNG_COLOR_TYPE_RGB_ALPHA, 16, 24), false},
    };
    for (const AcceptCase& c : cases) {
        SCOPED_TRACE(c.name);
        ImagePtr image = LoadBytes(std::string(c.name) + ".png", EncodePng(c.layout));
        ASSERT_EQ(image != nullptr, c.accepted);
        if (!image) continue;
        EXPECT_EQ(image->width, static_cast<int32_t>(c.layout.width));
        EXPECT_EQ(image->height, static_cast<int32_t>(c.layout.height));
    }
}

TEST(LoadPngImage, PremultipliesColoursAndStoresTransparency) {
    ImagePtr image = LoadBytes("premultiplied.png", EncodePng(RgbaLayout(3, 2,
                                                                         {
                                                                             255, 255, 255, 128,  //
                                                                             200, 100, 50,  100,  //
                                                                             10,  20,  30,  255,  //
                                                                             255, 255, 255, 0,    //
                                                                             1,   128, 254, 254,  //
                                                                             77,  88,  99,  1,    //
                                                                         })));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelAt(*image, 0, 0), (std::vector<int>{128, 128, 128, 127}));
    EXPECT_EQ(PixelAt(*image, 0, 1), (std::vector<int>{78, 39, 19, 155}));
    EXPECT_EQ(PixelAt(*image, 0, 2), (std::vector<int>{10, 20, 30, 0}));
    EXPECT_EQ(PixelAt(*image, 1, 0), (std::vector<int>{0, 0, 0, 255}));  // second row: rows run top first
    EXPECT_EQ(PixelAt(*image, 1, 1), (std::vector<int>{0, 127, 253, 1}));
    EXPECT_EQ(PixelAt(*image, 1, 2), (std::vector<int>{0, 0, 0, 254}));
}

TEST(LoadPngImage, PaletteTransparencyGivesAlphaPerEntry) {
    ImagePtr image = LoadBytes("palette-alpha.png", EncodePng(PaletteLayout(true)));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelAt(*image, 0, 0), (std::vector<int>{0, 0, 0, 255}));  // red entry with alpha 0
    EXPECT_EQ(PixelAt(*image, 0, 1), (std::vector<int>{0, 255, 0, 0}));
    EXPECT_EQ(PixelAt(*image, 0, 2), (std::vector<int>{0, 0, 255, 0}));  // beyond the tRNS list
    EXPECT_EQ(PixelAt(*image, 1, 0), (std::vector<int>{0, 0, 255, 0}));
}

TEST(LoadPngImage, RgbColourKeyBecomesFullyTransparent) {
    ImagePtr image = LoadBytes("colour-key.png", EncodePng(RgbKeyLayout()));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelAt(*image, 0, 0), (std::vector<int>{0, 0, 0, 255}));
    EXPECT_EQ(PixelAt(*image, 0, 1), (std::vector<int>{40, 50, 60, 0}));
}

TEST(LoadPngImage, SidesBeyondTheLimitAreRefused) {
    for (uint32_t side : {kMaxPngSide, kMaxPngSide + 1}) {
        SCOPED_TRACE(side);
        const std::vector<uint8_t> wide = EncodePng(RgbaLayout(side, 1, std::vector<uint8_t>(side * 4, 255)));
        const std::vector<uint8_t> tall = EncodePng(RgbaLayout(1, side, std::vector<uint8_t>(side * 4, 255)));
        EXPECT_EQ(LoadBytes("wide.png", wide) != nullptr, side <= kMaxPngSide);
        EXPECT_EQ(LoadBytes("tall.png", tall) != nullptr, side <= kMaxPngSide);
    }
}

TEST(LoadPngImage, MissingFileOrNoPathGivesNull) {
    EXPECT_EQ(LoadPngImage((testing::TempDir() + "tapwell-no-such-picture.png").c_str()), nullptr);
    EXPECT_EQ(LoadPngImage(nullptr), nullptr);
}

// The length field of the chunk whose type starts at `type`.
size_t ChunkLength(const std::vector<uint8_t>& bytes, size_t type) {
    return (size_t{bytes[type - 4]} << 24) | (size_t{bytes[type - 3]} << 16) | (size_t{bytes[type - 2]} << 8) |
           bytes[type - 1];
}

// Offset just past the chunk's checksum.
size_t ChunkEnd(const std::vector<uint8_t>& bytes, size_t type) { return type + 4 + ChunkLength(bytes, type) + 4; }

// Puts a right checksum back on the chunk whose type starts at `type`.
void FixChunkCrc(std::vector<uint8_t>& bytes, size_t type) {
    const size_t length = ChunkLength(bytes, type);
    const uLong crc = crc32(0, bytes.data() + type, static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i) bytes[type + 4 + length + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
}

// Offset of the first byte of a chunk type in the file.
size_t ChunkType(const std::vector<uint8_t>& bytes, const char* type) {
    return std::search(bytes.begin(), bytes.end(), type, type + 4) - bytes.begin();
}

struct DamageCase {
    const char* name;
    std::vector<uint8_t> bytes;
};

TEST(LoadPngImage, DamagedFilesGiveNullWithoutACrash) {
    std::vector<uint8_t> good(4096);
    for (size_t i = 0; i < good.size(); ++i) good[i] = static_cast<uint8_t>(i * 7);
    const std::vector<uint8_t> valid = EncodePng(RgbaLayout(32, 32, good));
    const size_t idat = ChunkType(valid, "IDAT");
    const size_t ihdr = ChunkType(valid, "IHDR");
    ASSERT_LT(idat, valid.size());

    std::vector<uint8_t> badChecksum = valid;
    badChecksum[ChunkEnd(valid, idat) - 1] ^= 0x01;
    std::vector<uint8_t> badDeflate = valid;  // checksum right, compressed data wrong
    for (size_t i = idat + 8; i < idat + 24; ++i) badDeflate[i] ^= 0xFF;
    FixChunkCrc(badDeflate, idat);
    std::vector<uint8_t> huge = valid;  // a header claiming a picture too large to take
    huge[ihdr + 4] = huge[ihdr + 8] = 0x7F;
    FixChunkCrc(huge, ihdr);
    std::vector<uint8_t> garbage(valid.begin(), valid.begin() + 8);
    for (int i = 0; i < 200; ++i) garbage.push_back(static_cast<uint8_t>(i * 31 + 5));

    const DamageCase cases[] = {
        {"empty", {}},
        {"not-png", {'h', 'e', 'l', 'l', 'o'}},
        {"signature-only", std::vector<uint8_t>(valid.begin(), valid.begin() + 8)},
        {"cut-in-header", std::vector<uint8_t>(valid.begin(), valid.begin() + 20)},
        {"cut-in-data", std::vector<uint8_t>(valid.begin(), valid.begin() + idat + 40)},
        {"no-end-chunk", std::vector<uint8_t>(valid.begin(), valid.end() - 12)},
        {"bad-checksum", badChecksum},
        {"bad-deflate", badDeflate},
        {"huge-header", huge},
        {"garbage-after-signature", garbage},
    };
    ASSERT_NE(LoadBytes("valid.png", valid), nullptr);
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LoadBytes(std::string(c.name) + ".png", c.bytes), nullptr);
    }
}

}  // namespace

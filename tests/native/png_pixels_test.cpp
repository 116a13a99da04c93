#include "controls/png_pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "../common/png_files.h"

namespace {

struct PremultiplyCase {
    uint8_t colour, alpha, expected;
};

TEST(PremultiplyRow, ScalesColoursByAlphaTruncatingAndInvertsAlpha) {
    const PremultiplyCase cases[] = {
        {255, 128, 128}, {200, 100, 78},  {255, 255, 255}, {17, 255, 17}, {255, 0, 0},
        {1, 254, 0},     {254, 254, 253}, {128, 1, 0},     {0, 200, 0},
    };
    for (const PremultiplyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << int{c.colour} << " at alpha " << int{c.alpha});
        uint8_t pixel[] = {c.colour, c.colour, c.colour, c.alpha, 9, 9, 9, 9};  // a second pixel stays
        PremultiplyRow(pixel, 1);
        EXPECT_EQ(std::vector<uint8_t>(pixel, pixel + 8),
                  (std::vector<uint8_t>{c.expected, c.expected, c.expected, uint8_t(255 - c.alpha), 9, 9, 9, 9}));
    }
}

TEST(PremultiplyRow, KeepsChannelOrderAcrossTheRow) {
    std::vector<uint8_t> row = {255, 0, 100, 255, 0, 255, 0, 51};
    PremultiplyRow(row.data(), 2);
    EXPECT_EQ(row, (std::vector<uint8_t>{255, 0, 100, 0, 0, 51, 0, 204}));
}

struct ClipCase {
    int32_t srcX, srcY, cx, cy;
    bool draws;
    int32_t clippedCx, clippedCy;  // only looked at when something is drawn
};

TEST(ClipToImage, CutsAtTheRightAndBottomEdgesOnly) {
    TestPicture picture(4, 3, std::vector<uint8_t>(4 * 3 * 4, 255));
    const ClipCase cases[] = {
        {0, 0, 4, 3, true, 4, 3},
        {0, 0, 2, 1, true, 2, 1},
        {0, 0, 10, 10, true, 4, 3},
        {3, 2, 5, 5, true, 1, 1},
        {1, 0, 4, 3, true, 3, 3},
        {4, 0, 2, 2, false, 0, 0},
        {0, 3, 2, 2, false, 0, 0},
        {9, 9, 2, 2, false, 0, 0},
        {0, 0, 0, 3, false, 0, 0},
        {0, 0, 3, -1, false, 0, 0},
        {-1, 0, 2, 2, false, 0, 0},
        {0, -1, 2, 2, false, 0, 0},
        {0, 0, INT32_MAX, INT32_MAX, true, 4, 3},
    };
    for (const ClipCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "src " << c.srcX << "," << c.srcY << " size " << c.cx << "x" << c.cy);
        int32_t cx = c.cx, cy = c.cy;
        EXPECT_EQ(ClipToImage(picture.Get(), c.srcX, c.srcY, &cx, &cy), c.draws);
        if (c.draws) {
            EXPECT_EQ(cx, c.clippedCx);
            EXPECT_EQ(cy, c.clippedCy);
        }
    }
    int32_t cx = 1, cy = 1;
    EXPECT_FALSE(ClipToImage(nullptr, 0, 0, &cx, &cy));
}

TEST(DibRowStride24, RoundsRowsUpToFourBytes) {
    const struct {
        int32_t width;
        size_t stride;
    } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {8, 24}, {30, 92}};
    for (const auto& c : cases) EXPECT_EQ(DibRowStride24(c.width), c.stride) << c.width;
}

struct BlendCase {
    uint8_t background, colour, alpha, expected;
};

TEST(BlendOverDib24, KeepsTheBackgroundByTransparencyAndAddsTheColour) {
    const BlendCase cases[] = {
        {200, 10, 255, 10},   {255, 0, 0, 254},     {128, 0, 0, 127},  {0, 0, 0, 0},
        {255, 255, 128, 254}, {255, 255, 255, 255}, {0, 200, 100, 78}, {100, 200, 100, 138},
    };
    for (const BlendCase& c : cases) {
        SCOPED_TRACE(testing::Message() << int{c.colour} << " at alpha " << int{c.alpha} << " over "
                                        << int{c.background});
        TestPicture picture(1, 1, {c.colour, c.colour, c.colour, c.alpha});
        uint8_t bits[4] = {c.background, c.background, c.background, 0xEE};
        BlendOverDib24(bits, 4, 1, 1, *picture.Get(), 0, 0);
        EXPECT_EQ(std::vector<uint8_t>(bits, bits + 4),
                  (std::vector<uint8_t>{c.expected, c.expected, c.expected, 0xEE}));
    }
}

// A bottom-up 24-bit buffer whose padding bytes hold a marker that blending must leave alone.
std::vector<uint8_t> PaddedBuffer(int32_t cx, int32_t cy) {
    const size_t stride = DibRowStride24(cx);
    std::vector<uint8_t> bits(stride * cy, 0);
    for (int32_t r = 0; r < cy; ++r) {
        for (size_t b = cx * 3; b < stride; ++b) bits[r * stride + b] = 0xEE;
    }
    return bits;
}

// Opaque pixels whose red is the column and green the row, so each lands in a place one can name.
std::vector<uint8_t> NumberedPixels(int32_t width, int32_t height) {
    std::vector<uint8_t> rgba;
    for (int32_t r = 0; r < height; ++r) {
        for (int32_t i = 0; i < width; ++i) rgba.insert(rgba.end(), {uint8_t(i), uint8_t(r), 77, 255});
    }
    return rgba;
}

TEST(BlendOverDib24, FillsRowsBottomUpInBlueGreenRedOrderWithinTheStride) {
    for (int32_t cx : {1, 2, 3, 4}) {
        SCOPED_TRACE(cx);
        const int32_t cy = 3;
        TestPicture picture(5, 4, NumberedPixels(5, 4));
        std::vector<uint8_t> bits = PaddedBuffer(cx, cy);
        const size_t stride = DibRowStride24(cx);
        BlendOverDib24(bits.data(), stride, cx, cy, *picture.Get(), 1, 1);
        for (int32_t r = 0; r < cy; ++r) {
            for (int32_t i = 0; i < cx; ++i) {
                const uint8_t* p = &bits[r * stride + i * 3];
                EXPECT_EQ(p[0], 77);              // blue
                EXPECT_EQ(p[1], 1 + cy - 1 - r);  // green: source row, the last one first in memory
                EXPECT_EQ(p[2], 1 + i);           // red: source column
            }
            for (size_t b = cx * 3; b < stride; ++b) EXPECT_EQ(bits[r * stride + b], 0xEE);
        }
    }
}

}  // namespace

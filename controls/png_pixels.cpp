#include "controls/png_pixels.h"

namespace {

// One blended channel: the background scaled by the pixel's transparency byte, plus the pixel's own colour.
uint8_t BlendChannel(uint8_t background, uint8_t transparency, uint8_t premultiplied) {
    return static_cast<uint8_t>(((background * transparency) >> 8) + premultiplied);
}

}  // namespace

void PremultiplyRow(uint8_t* row, int32_t width) {
    for (int32_t i = 0; i < width; ++i) {
        uint8_t* pixel = row + static_cast<size_t>(i) * 4;
        const unsigned alpha = pixel[3];
        for (int c = 0; c < 3; ++c) pixel[c] = static_cast<uint8_t>(pixel[c] * alpha / 255);
        pixel[3] = static_cast<uint8_t>(255 - alpha);
    }
}

bool ClipToImage(const PngImage* image, int32_t srcX, int32_t srcY, int32_t* cx, int32_t* cy) {
    if (image == nullptr || srcX < 0 || srcY < 0) return false;
    if (*cx > image->width - srcX) *cx = image->width - srcX;
    if (*cy > image->height - srcY) *cy = image->height - srcY;
    return *cx >= 1 && *cy >= 1;
}

size_t DibRowStride24(int32_t cx) { return (static_cast<size_t>(cx) * 24 + 31) / 32 * 4; }

void BlendOverDib24(uint8_t* bits, size_t stride, int32_t cx, int32_t cy, const PngImage& image, int32_t srcX,
                    int32_t srcY) {
    for (int32_t r = 0; r < cy; ++r) {
        uint8_t* out = bits + static_cast<size_t>(r) * stride;
        const uint8_t* in = image.rows[srcY + cy - 1 - r] + static_cast<size_t>(srcX) * 4;
        for (int32_t i = 0; i < cx; ++i, out += 3, in += 4) {
            out[0] = BlendChannel(out[0], in[3], in[2]);
            out[1] = BlendChannel(out[1], in[3], in[1]);
            out[2] = BlendChannel(out[2], in[3], in[0]);
        }
    }
}

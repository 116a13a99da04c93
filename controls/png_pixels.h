// Pictures with per-pixel transparency in the premultiplied form the drawing code blends with.
#pragma once

#include <cstddef>
#include <cstdint>

// A decoded picture. Each pixel is four bytes: red, green and blue already multiplied by alpha/255,
// then 255 - alpha (0 opaque, 255 fully transparent). Rows run top to bottom.
struct PngImage {
    int32_t width;
    int32_t height;
    uint8_t** rows;
};

// Turns `width` straight RGBA pixels into the premultiplied form above, in place.
void PremultiplyRow(uint8_t* row, int32_t width);

// Narrows a cx x cy region at (srcX, srcY) to the image's right and bottom edges. False when nothing
// is left to draw: no image, a negative offset, or an empty region.
bool ClipToImage(const PngImage* image, int32_t srcX, int32_t srcY, int32_t* cx, int32_t* cy);

// Bytes in one row of a 24-bit device-independent bitmap `cx` pixels wide (rows end on 4-byte bounds).
size_t DibRowStride24(int32_t cx);

// Blends the image's region at (srcX, srcY) over a 24-bit bottom-up bitmap of cx x cy pixels (blue,
// green, red per pixel). The region must lie inside the image (see ClipToImage).
void BlendOverDib24(uint8_t* bits, size_t stride, int32_t cx, int32_t cy, const PngImage& image, int32_t srcX,
                    int32_t srcY);

// Reads each input as a PNG file through the loader's stream path, then blends what it accepted.
#include <cstdio>
#include <vector>

#include "controls/png_decode.h"

namespace {

// Blends the top-left corner of an accepted image, so its rows are read as drawing reads them.
void BlendCorner(const PngImage& image) {
    int32_t cx = 64, cy = 64;
    if (!ClipToImage(&image, 0, 0, &cx, &cy)) return;
    std::vector<uint8_t> bits(DibRowStride24(cx) * cy, 0x80);
    BlendOverDib24(bits.data(), DibRowStride24(cx), cx, cy, image, 0, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;  // fmemopen refuses an empty buffer
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (file == nullptr) return 0;
    PngImage* image = ReadPngStream(file);
    if (image != nullptr) BlendCorner(*image);
    FreePngImage(image);
    return 0;
}

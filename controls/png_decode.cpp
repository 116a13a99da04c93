#include "controls/png_decode.h"

#include <png.h>

#include <cstdlib>

namespace {

// True for what the drawing code can blend: 4 channels of 8 bits once palettes and tRNS are expanded.
bool IsThirtyTwoBitImage(png_structp png, png_infop info) {
    return png_get_valid(png, info, PNG_INFO_IDAT) != 0 &&
           png_get_channels(png, info) * png_get_bit_depth(png, info) == 32;
}

// Moves the decoded rows from libpng into a new image and premultiplies them. On null (no memory for
// the record) the rows stay with libpng, which frees them with its structures.
PngImage* TakeOverRows(png_structp png, png_infop info) {
    PngImage* image = static_cast<PngImage*>(std::malloc(sizeof(PngImage)));
    if (image == nullptr) return nullptr;
    image->width = static_cast<int32_t>(png_get_image_width(png, info));
    image->height = static_cast<int32_t>(png_get_image_height(png, info));
    image->rows = png_get_rows(png, info);
    png_data_freer(png, info, PNG_USER_WILL_FREE_DATA, PNG_FREE_ROWS);
    for (int32_t r = 0; r < image->height; ++r) PremultiplyRow(image->rows[r], image->width);
    return image;
}

// All of libpng's reading runs under this recovery point: on a damaged file libpng longjmps back to
// it. Plain C-style code only, so the jump skips no destructor; `open` is volatile because it changes
// after setjmp. The stream is closed on every path.
PngImage* ReadUnderRecovery(png_structp png, png_infop info, FILE* file) {
    FILE* volatile open = file;
    if (setjmp(png_jmpbuf(png))) {
        if (open != nullptr) std::fclose(open);
        return nullptr;
    }
#ifdef TAPWELL_FUZZING
    // Made-up inputs rarely carry right checksums; reading past them lets the search reach the decoder.
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
#endif
    png_init_io(png, file);
    png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
    // Only IHDR, PLTE, tRNS, IDAT and IEND shape the picture. Every other chunk is skipped unread, so a
    // text or metadata chunk cannot make libpng ask for a buffer as large as its length field claims.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_read_png(png, info, PNG_TRANSFORM_EXPAND, nullptr);
    std::fclose(file);
    open = nullptr;
    return IsThirtyTwoBitImage(png, info) ? TakeOverRows(png, info) : nullptr;
}

}  // namespace

PngImage* ReadPngStream(FILE* file) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    PngImage* image = nullptr;
    if (info != nullptr) {
        image = ReadUnderRecovery(png, info, file);
    } else {
        std::fclose(file);
    }
    png_destroy_read_struct(&png, &info, nullptr);  // frees the rows unless an image took them over
    return image;
}

PngImage* LoadPngImage(const char* path) {
    if (path == nullptr) return nullptr;
    FILE* file = std::fopen(path, "rb");
    return file != nullptr ? ReadPngStream(file) : nullptr;
}

void FreePngImage(PngImage* image) {
    if (image == nullptr) return;
    // libpng allocated the rows with png_malloc, which is malloc for the default allocator.
    for (int32_t r = 0; r < image->height; ++r) std::free(image->rows[r]);
    std::free(image->rows);
    std::free(image);
}

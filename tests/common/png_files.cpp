#include "png_files.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>

namespace {

// libpng's write callback: appends to the vector behind the io pointer.
void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// Sets the tRNS chunk when the layout has one.
void SetTransparency(png_structp png, png_infop info, const PngLayout& layout) {
    if (!layout.paletteAlphas.empty()) {
        png_set_tRNS(png, info, layout.paletteAlphas.data(), static_cast<int>(layout.paletteAlphas.size()), nullptr);
    } else if (layout.transparentColor.size() == 3) {
        png_color_16 key{};
        key.red = layout.transparentColor[0];
        key.green = layout.transparentColor[1];
        key.blue = layout.transparentColor[2];
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
}

// The start of each row in the packed pixels.
std::vector<png_bytep> RowPointers(png_structp png, png_infop info, const PngLayout& layout) {
    const size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<png_bytep> rows(layout.height);
    for (uint32_t r = 0; r < layout.height; ++r) rows[r] = const_cast<png_bytep>(layout.pixels.data() + r * rowBytes);
    return rows;
}

}  // namespace

std::vector<uint8_t> EncodePng(const PngLayout& layout) {
    std::vector<uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &bytes, AppendBytes, nullptr);
    png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colorType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!layout.palette.empty()) {
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(layout.palette.data()),
                     static_cast<int>(layout.palette.size() / 3));
    }
    SetTransparency(png, info, layout);
    png_write_info(png, info);
    std::vector<png_bytep> rows = RowPointers(png, info, layout);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

PngLayout RgbaLayout(uint32_t width, uint32_t height, std::vector<uint8_t> rgba) {
    PngLayout layout;
    layout.width = width;
    layout.height = height;
    layout.pixels = std::move(rgba);
    return layout;
}

TempFile::TempFile(const std::string& name, const std::vector<uint8_t>& bytes)
    : m_path(testing::TempDir() + "tapwell-" + name) {
    FILE* file = std::fopen(m_path.c_str(), "wb");
    if (file == nullptr) {
        ADD_FAILURE() << "cannot write " << m_path;
        return;
    }
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

TempFile::~TempFile() { std::remove(m_path.c_str()); }

TestPicture::TestPicture(int32_t width, int32_t height, std::vector<uint8_t> rgba)
    : m_pixels(std::move(rgba)), m_rows(static_cast<size_t>(height)), m_image{width, height, nullptr} {
    for (int32_t r = 0; r < height; ++r) {
        m_rows[r] = m_pixels.data() + static_cast<size_t>(r) * width * 4;
        PremultiplyRow(m_rows[r], width);
    }
    m_image.rows = m_rows.data();
}

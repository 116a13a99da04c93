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

// Sets the tRNS chunk when the spec has one.
void SetTransparency(png_structp png, png_infop info, const PngFileSpec& spec) {
    if (!spec.paletteAlphas.empty()) {
        png_set_tRNS(png, info, spec.paletteAlphas.data(), static_cast<int>(spec.paletteAlphas.size()), nullptr);
    } else if (spec.transparentColor.size() == 3) {
        png_color_16 key{};
        key.red = spec.transparentColor[0];
        key.green = spec.transparentColor[1];
        key.blue = spec.transparentColor[2];
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
}

// The start of each row in the packed pixels.
std::vector<png_bytep> RowPointers(png_structp png, png_infop info, const PngFileSpec& spec) {
    const size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<png_bytep> rows(spec.height);
    for (uint32_t r = 0; r < spec.height; ++r) rows[r] = const_cast<png_bytep>(spec.pixels.data() + r * rowBytes);
    return rows;
}

}  // namespace

std::vector<uint8_t> EncodePng(const PngFileSpec& spec) {
    std::vector<uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &bytes, AppendBytes, nullptr);
    png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colorType,
                 spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty()) {
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(spec.palette.data()),
                     static_cast<int>(spec.palette.size() / 3));
    }
    SetTransparency(png, info, spec);
    png_write_info(png, info);
    std::vector<png_bytep> rows = RowPointers(png, info, spec);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

PngFileSpec RgbaSpec(uint32_t width, uint32_t height, std::vector<uint8_t> rgba) {
    PngFileSpec spec;
    spec.width = width;
    spec.height = height;
    spec.pixels = std::move(rgba);
    return spec;
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

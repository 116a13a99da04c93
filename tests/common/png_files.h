// PNG files made at test time with libpng's writer, and pictures built in memory, for the PNG tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/png_decode.h"

// What to encode. `pixels` holds the rows as PNG stores them (top first, packed, no filter byte).
struct PngLayout {
    uint32_t width = 1;
    uint32_t height = 1;
    int colorType = 6;  // PNG_COLOR_TYPE_RGB_ALPHA
    int bitDepth = 8;
    std::vector<uint8_t> pixels;
    std::vector<uint8_t> palette;            // red, green, blue per entry
    std::vector<uint8_t> paletteAlphas;      // tRNS: alpha of the first palette entries
    std::vector<uint16_t> transparentColor;  // tRNS colour key: red, green, blue of an RGB picture
    bool interlaced = false;
};

// The bytes of a PNG file. Writer errors (a wrong layout) abort the test program.
std::vector<uint8_t> EncodePng(const PngLayout& layout);

// An RGBA layout of width x height pixels taken from `rgba` (straight alpha, top row first).
PngLayout RgbaLayout(uint32_t width, uint32_t height, std::vector<uint8_t> rgba);

// Stores `bytes` under the test temporary folder and removes the file on destruction.
class TempFile {
public:
    TempFile(const std::string& name, const std::vector<uint8_t>& bytes);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const char* Path() const { return m_path.c_str(); }

private:
    std::string m_path;
};

// Frees a loaded image when the test is done with it.
struct PngImageDeleter {
    void operator()(PngImage* image) const { FreePngImage(image); }
};

// A picture held in memory, premultiplied as the loader leaves it, for blending tests.
class TestPicture {
public:
    // `rgba` is width x height straight RGBA pixels, top row first.
    TestPicture(int32_t width, int32_t height, std::vector<uint8_t> rgba);
    TestPicture(const TestPicture&) = delete;
    TestPicture& operator=(const TestPicture&) = delete;

    const PngImage* Get() const { return &m_image; }

private:
    std::vector<uint8_t> m_pixels;
    std::vector<uint8_t*> m_rows;
    PngImage m_image;
};

#include "controls/png_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../common/png_files.h"
#include "app/program_paths.h"
#include "framework/gdi.h"
#include "win_test_util.h"

namespace {

using ImagePtr = std::unique_ptr<PngImage, PngImageDeleter>;

// Sets ModuleDirectory for one test and puts the previous value back afterwards.
class ModuleDirectoryOverride {
public:
    explicit ModuleDirectoryOverride(const std::string& folder) {
        std::memcpy(m_saved, ModuleDirectory, sizeof m_saved);
        std::strncpy(ModuleDirectory, folder.c_str(), kModuleDirectorySize - 1);
    }
    ~ModuleDirectoryOverride() { std::memcpy(ModuleDirectory, m_saved, sizeof m_saved); }
    ModuleDirectoryOverride(const ModuleDirectoryOverride&) = delete;
    ModuleDirectoryOverride& operator=(const ModuleDirectoryOverride&) = delete;

private:
    char m_saved[kModuleDirectorySize];
};

std::string Narrow(const std::wstring& text) {
    std::string out(text.size() * 2 + 1, '\0');
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &out[0], static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(length > 0 ? length - 1 : 0);
    return out;
}

TEST(LoadResImage, ReadsFromTheResFolderBesideTheProgram) {
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"Res").c_str(), nullptr));
    const std::vector<uint8_t> bytes = EncodePng(RgbaLayout(2, 1, {1, 2, 3, 255, 4, 5, 6, 255}));
    WriteTextFile(folder.File(L"Res\\picture.png"), std::string(bytes.begin(), bytes.end()));
    const std::string saved = ModuleDirectory;
    {
        ModuleDirectoryOverride module(Narrow(folder.Path()));
        ImagePtr image(LoadResImage("picture.png"));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->width, 2);
        EXPECT_EQ(LoadResImage("missing.png"), nullptr);
        EXPECT_EQ(LoadResImage(nullptr), nullptr);
    }
    EXPECT_EQ(std::string(ModuleDirectory), saved);
}

// Counts the pixels of an image by their transparency byte.
struct Coverage {
    int opaque = 0, partial = 0, clear = 0;
    bool allGrey = true;
};

Coverage Measure(const PngImage& image) {
    Coverage coverage;
    for (int r = 0; r < image.height; ++r) {
        for (int i = 0; i < image.width; ++i) {
            const uint8_t* p = image.rows[r] + i * 4;
            (p[3] == 0 ? coverage.opaque : p[3] == 255 ? coverage.clear : coverage.partial)++;
            if (p[0] != p[1] || p[1] != p[2]) coverage.allGrey = false;
        }
    }
    return coverage;
}

TEST(LoadResImage, TheShippedPicturesLoadWithSoftEdges) {
    ASSERT_TRUE(ReadModuleDirectory());  // the build copies the pictures into Res beside this program
    ImagePtr enabled(LoadResImage("view_pos.png"));
    ImagePtr disabled(LoadResImage("view_pos_dis.png"));
    ASSERT_NE(enabled, nullptr);
    ASSERT_NE(disabled, nullptr);
    EXPECT_EQ(enabled->width, disabled->width);
    EXPECT_EQ(enabled->height, disabled->height);
    for (const PngImage* image : {enabled.get(), disabled.get()}) {
        const Coverage coverage = Measure(*image);
        EXPECT_GT(coverage.partial, 0);
        EXPECT_GT(coverage.clear, 0);
    }
    EXPECT_GT(Measure(*enabled).opaque, 0);  // the disabled look is slightly faded throughout
    EXPECT_FALSE(Measure(*enabled).allGrey);
    EXPECT_TRUE(Measure(*disabled).allGrey);
}

// A memory device context drawing into a top-down DIB section of 24 or 32 bits, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, int bitsPerPixel, COLORREF fill)
        : m_width(width),
          m_bytesPerPixel(bitsPerPixel / 8),
          m_dc(nullptr),
          m_bitmap(Create(width, height, bitsPerPixel)),
          m_selected(m_dc.Get(), m_bitmap.Get()) {
        m_stride = (width * bitsPerPixel + 31) / 32 * 4;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) SetPixelV(m_dc.Get(), x, y, fill);
        }
    }

    HDC Get() const { return m_dc.Get(); }
    // The colour at (x, y), read straight from the bits.
    COLORREF At(int x, int y) const {
        GdiFlush();
        const uint8_t* p = m_bits + y * m_stride + x * m_bytesPerPixel;
        return RGB(p[2], p[1], p[0]);
    }
    int Width() const { return m_width; }

private:
    HBITMAP Create(int width, int height, int bitsPerPixel) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<uint8_t*>(bits);
        return bitmap;
    }

    int m_width;
    int m_bytesPerPixel;
    int m_stride = 0;
    uint8_t* m_bits = nullptr;
    MemoryDC m_dc;
    UniqueBitmap m_bitmap;
    SelectGuard m_selected;
};

struct BlendCase {
    const char* name;
    std::vector<uint8_t> rgba;
    COLORREF background, expected;
};

TEST(DrawPngImage, BlendsOverWhatIsAlreadyThere) {
    const BlendCase cases[] = {
        {"opaque", {10, 20, 30, 255}, RGB(200, 200, 200), RGB(10, 20, 30)},
        {"transparent", {90, 90, 90, 0}, RGB(255, 128, 0), RGB(254, 127, 0)},
        {"half-white-over-white", {255, 255, 255, 128}, RGB(255, 255, 255), RGB(254, 254, 254)},
        {"half-red-over-black", {255, 0, 0, 128}, RGB(0, 0, 0), RGB(128, 0, 0)},
    };
    for (int bitsPerPixel : {24, 32}) {
        for (const BlendCase& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << bitsPerPixel << " bits");
            TestPicture picture(1, 1, c.rgba);
            Canvas canvas(3, 3, bitsPerPixel, c.background);
            DrawPngImage(canvas.Get(), 1, 1, 1, 1, picture.Get(), 0, 0);
            EXPECT_EQ(canvas.At(1, 1), c.expected);
            EXPECT_EQ(canvas.At(0, 1), c.background);
            EXPECT_EQ(canvas.At(2, 2), c.background);
        }
    }
}

// Opaque pixels whose red is the column and green the row.
std::vector<uint8_t> NumberedPixels(int width, int height) {
    std::vector<uint8_t> rgba;
    for (int r = 0; r < height; ++r) {
        for (int i = 0; i < width; ++i) rgba.insert(rgba.end(), {uint8_t(10 + i), uint8_t(10 + r), 0, 255});
    }
    return rgba;
}

// The canvas pixels that differ from the fill colour, as the image pixels they show ("" when untouched).
std::vector<std::string> Painted(const Canvas& canvas, int height, COLORREF fill) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < canvas.Width(); ++x) {
            const COLORREF c = canvas.At(x, y);
            row += c == fill ? std::string(".") : std::to_string(GetRValue(c) - 10) + std::to_string(GetGValue(c) - 10);
            row += ' ';
        }
        rows.push_back(row);
    }
    return rows;
}

struct PlaceCase {
    const char* name;
    int x, y, cx, cy, srcX, srcY;
    std::vector<std::string> expected;  // each drawn pixel as its image column and row
};

TEST(DrawPngImage, DrawsTheClippedRegionAtTheGivenPlace) {
    const COLORREF fill = RGB(200, 200, 200);
    TestPicture picture(3, 2, NumberedPixels(3, 2));
    const PlaceCase cases[] = {
        {"whole", 0, 0, 3, 2, 0, 0, {"00 10 20 . . ", "01 11 21 . . ", ". . . . . "}},
        {"offset", 2, 1, 3, 2, 0, 0, {". . . . . ", ". . 00 10 20 ", ". . 01 11 21 "}},
        {"cut-at-right-and-bottom", 1, 0, 4, 3, 1, 0, {". 10 20 . . ", ". 11 21 . . ", ". . . . . "}},
        {"source-offset", 0, 1, 1, 1, 2, 1, {". . . . . ", "21 . . . . ", ". . . . . "}},
        {"right-of-image", 0, 0, 2, 2, 3, 0, {". . . . . ", ". . . . . ", ". . . . . "}},
        {"below-image", 0, 0, 2, 2, 0, 2, {". . . . . ", ". . . . . ", ". . . . . "}},
        {"empty", 0, 0, 0, 2, 0, 0, {". . . . . ", ". . . . . ", ". . . . . "}},
        {"negative-source", 0, 0, 2, 2, -1, 0, {". . . . . ", ". . . . . ", ". . . . . "}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(5, 3, 32, fill);
        DrawPngImage(canvas.Get(), c.x, c.y, c.cx, c.cy, picture.Get(), c.srcX, c.srcY);
        EXPECT_EQ(Painted(canvas, 3, fill), c.expected);
    }
}

TEST(DrawPngImage, NoImageDrawsNothing) {
    Canvas canvas(2, 2, 32, RGB(1, 2, 3));
    DrawPngImage(canvas.Get(), 0, 0, 2, 2, nullptr, 0, 0);
    EXPECT_EQ(canvas.At(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(1, 1), RGB(1, 2, 3));
}

}  // namespace

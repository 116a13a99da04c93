#include "controls/png_image.h"

#include <string>

#include "app/program_paths.h"
#include "framework/gdi.h"

PngImage* LoadResImage(const char* fileName) {
    if (fileName == nullptr) return nullptr;
    const std::string path = std::string(ModuleDirectory) + "\\Res\\" + fileName;
    return LoadPngImage(path.c_str());
}

namespace {

// The header of a bottom-up 24-bit bitmap of cx x cy pixels.
BITMAPINFO Dib24Info(int cx, int cy) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

void DrawPngImage(HDC hdc, int x, int y, int cx, int cy, const PngImage* image, int srcX, int srcY) {
    if (!ClipToImage(image, srcX, srcY, &cx, &cy)) return;
    MemoryDC memory(hdc);
    if (!memory) return;
    const BITMAPINFO info = Dib24Info(cx, cy);
    void* bits = nullptr;
    UniqueBitmap section(CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || bits == nullptr) return;
    SelectGuard selected(memory.Get(), section.Get());
    BitBlt(memory.Get(), 0, 0, cx, cy, hdc, x, y, SRCCOPY);
    GdiFlush();  // the copy must be in the bits before they are read
    BlendOverDib24(static_cast<uint8_t*>(bits), DibRowStride24(cx), cx, cy, *image, srcX, srcY);
    BitBlt(hdc, x, y, cx, cy, memory.Get(), 0, 0, SRCCOPY);
}

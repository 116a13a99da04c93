#include "screenshot.h"

#include <cstdio>
#include <vector>

#include "framework/gdi.h"
#include "png_files.h"

namespace {

// The screen's pixels inside `rect`, as straight RGBA rows, top first.
std::vector<uint8_t> CaptureScreen(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ClientDC screen(nullptr);
    MemoryDC memory(screen.Get());
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return {};
    {
        SelectGuard select(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
    }
    const auto* bgra = static_cast<const uint8_t*>(bits);
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = bgra[i + 2];
        rgba[i + 1] = bgra[i + 1];
        rgba[i + 2] = bgra[i];
        rgba[i + 3] = 255;
    }
    return rgba;
}

}  // namespace

bool SaveWindowPng(HWND window, const std::wstring& path) {
    RECT rect{};
    if (!GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top) return false;
    std::vector<uint8_t> rgba = CaptureScreen(rect);
    if (rgba.empty()) return false;
    const std::vector<uint8_t> png = EncodePng(
        RgbaLayout(static_cast<uint32_t>(rect.right - rect.left), static_cast<uint32_t>(rect.bottom - rect.top), rgba));
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) return false;
    const bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
    return fclose(file) == 0 && written;
}

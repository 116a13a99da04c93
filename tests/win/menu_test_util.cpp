#include "menu_test_util.h"

namespace {

// Makes a 32-bit top-down DIB section; `bits` receives its pixels.
HBITMAP CreateTopDownDib(int width, int height, uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    *bits = static_cast<uint32_t*>(pixels);
    return bitmap;
}

// A colour as a pixel of a 32-bit DIB.
uint32_t ToPixel(COLORREF color) {
    return (static_cast<uint32_t>(GetRValue(color)) << 16) | (static_cast<uint32_t>(GetGValue(color)) << 8) |
           GetBValue(color);
}

// The owner window does nothing of its own.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// A hidden window whose class gives it a device context of its own.
HWND CreateOwnDcWindow() {
    WNDCLASSW wc{};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TapwellMenuTestOwner";
    RegisterClassW(&wc);
    return CreateWindowW(wc.lpszClassName, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, wc.hInstance, nullptr);
}

// The extent of `text` in `dc`.
SIZE ExtentIn(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace

Canvas::Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height) {
    m_bitmap.Reset(CreateTopDownDib(width, height, &m_bits));
    m_select = std::make_unique<SelectGuard>(m_dc.Get(), m_bitmap.Get());
    for (int i = 0; i < width * height; ++i) m_bits[i] = ToPixel(fill);
}

COLORREF Canvas::At(int x, int y) const {
    GdiFlush();
    const uint32_t pixel = m_bits[y * m_width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Canvas::Count(const RECT& area, COLORREF color) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += At(x, y) == color ? 1 : 0;
    }
    return count;
}

void MakeOnePictureList(CImageList& list, int cx, int cy, COLORREF color) {
    list.Create(cx, cy, ILC_COLOR24, 1, 1);
    uint32_t* bits = nullptr;
    UniqueBitmap picture(CreateTopDownDib(cx, cy, &bits));
    for (int i = 0; i < cx * cy; ++i) bits[i] = ToPixel(color);
    list.Add(picture.Get(), nullptr);
}

OwnerWindow::OwnerWindow()
    : m_font(CreateFontW(-30, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma")),
      m_window(CreateOwnDcWindow()) {
    ClientDC dc(m_window.Get());
    SelectObject(dc.Get(), m_font.Get());  // stays selected: the window's own DC keeps it
    m_wnd.SubclassWindow(m_window.Get());
}

SIZE OwnerWindow::Extent(const std::wstring& text) const {
    ClientDC dc(m_window.Get());
    return ExtentIn(dc.Get(), text);
}

SIZE ScreenExtent(const std::wstring& text) {
    ClientDC dc(nullptr);
    return ExtentIn(dc.Get(), text);
}

// Helpers of the owner-drawn menu tests: a pixel canvas, one-picture image lists, and an owner
// window whose device context measures with a font of its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/gdi.h"
#include "framework/menu.h"
#include "framework/wnd.h"
#include "win_test_util.h"

// A 32-bit top-down DIB section in a memory DC, filled with one colour; its pixels read back.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill);

    HDC Dc() const { return m_dc.Get(); }
    COLORREF At(int x, int y) const;
    // How many pixels of `area` have exactly `color`.
    int Count(const RECT& area, COLORREF color) const;

private:
    int m_width;
    int m_height;
    uint32_t* m_bits = nullptr;
    MemoryDC m_dc{nullptr};
    UniqueBitmap m_bitmap;
    std::unique_ptr<SelectGuard> m_select;  // released first: the bitmap leaves the DC before both go
};

// Makes `list` a list of `cx` x `cy` pictures holding one picture of a single colour.
void MakeOnePictureList(CImageList& list, int cx, int cy, COLORREF color);

// A hidden window with its own device context holding a large font, so that texts measured in it
// differ from texts measured in a screen DC. Bound to a CWnd, which routes WM_DRAWITEM.
class OwnerWindow {
public:
    OwnerWindow();

    CWnd& Wnd() { return m_wnd; }
    // The extent of `text` in the window's device context.
    SIZE Extent(const std::wstring& text) const;

private:
    UniqueFont m_font;  // outlives the window whose DC holds it
    TestWindow m_window;
    CWnd m_wnd;  // unbound before the window goes
};

// The extent of `text` in a screen DC.
SIZE ScreenExtent(const std::wstring& text);

// A device context wrapper with the drawing helpers the program uses, and solid brushes.
#pragma once

#include <windows.h>

#include <string>

#include "framework/gdi.h"

// Borrows a device context; frees nothing.
class CDC {
public:
    explicit CDC(HDC dc) : m_hDC(dc) {}

    HDC m_hDC;
    operator HDC() const { return m_hDC; }

    // Fills `rect` with `color`, leaving the context's background colour as it was.
    void FillSolidRect(const RECT& rect, COLORREF color);
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    int DrawText(const std::wstring& text, RECT* rect, UINT format) {
        return ::DrawTextW(m_hDC, text.c_str(), static_cast<int>(text.size()), rect, format);
    }
    SIZE GetTextExtent(const std::wstring& text) const;
};

// A solid brush owned by its object.
class CBrush : public UniqueBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color) {
        Reset(::CreateSolidBrush(color));
        return Get() != nullptr;
    }
    operator HBRUSH() const { return Get(); }
};

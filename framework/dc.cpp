#include "framework/dc.h"

void CDC::FillSolidRect(const RECT& rect, COLORREF color) {
    const COLORREF old = ::SetBkColor(m_hDC, color);
    ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

SIZE CDC::GetTextExtent(const std::wstring& text) const {
    SIZE size{};
    GetTextExtentPoint32W(m_hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

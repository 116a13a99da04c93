#include "controls/hover_button.h"

#include "controls/png_image.h"
#include "framework/app.h"
#include "framework/gdi.h"

namespace {

// The class of buttons created at run time: double clicks arrive as two single clicks.
constexpr wchar_t kNoDoubleClickClass[] = L"NoDoubleClickButton";

}  // namespace

CHoverBitmapButton::CHoverBitmapButton()
    : m_bHighlightAlways(FALSE),
      m_bShiftImage(FALSE),
      m_bNoPressShift(FALSE),
      m_bShowCaption(TRUE),
      m_clrHoverBack(RGB(255, 255, 255)),
      m_clrBack(RGB(255, 255, 255)),
      m_pDisabledImage(nullptr),
      m_bHovering(FALSE),
      m_bTracking(FALSE),
      m_clrText(kNoTextColor),
      m_pImage(nullptr),
      m_hHoverBitmap(nullptr) {}

LRESULT CHoverBitmapButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return FALSE;  // DrawItem paints every pixel
        case WM_MOUSEMOVE: return OnMouseMove();
        case WM_MOUSEHOVER: return OnMouseHover();
        case WM_MOUSELEAVE: return OnMouseLeave();
        default: return CButton::WindowProc(message, wParam, lParam);
    }
}

void CHoverBitmapButton::PreSubclassWindow() {
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

BOOL CHoverBitmapButton::PreCreateWindow(CREATESTRUCTW& cs) {
    WNDCLASSW wc{};
    if (!GetClassInfoW(cs.hInstance, cs.lpszClass, &wc)) return FALSE;
    wc.style &= ~CS_DBLCLKS;
    wc.lpszClassName = kNoDoubleClickClass;
    wc.hInstance = cs.hInstance;  // a local class is found by the module that creates its windows
    if (!AfxRegisterClass(&wc)) return FALSE;
    cs.lpszClass = kNoDoubleClickClass;
    return CButton::PreCreateWindow(cs);
}

void CHoverBitmapButton::DrawItem(DRAWITEMSTRUCT* item) {
    CDC dc(item->hDC);
    SavedDCState saved(dc);
    RECT rect = item->rcItem;
    const bool disabled = (item->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const PngImage* image = disabled && m_pDisabledImage != nullptr ? m_pDisabledImage : m_pImage;
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const std::wstring caption = m_bShowCaption ? GetWindowText() : std::wstring();

    dc.SetBkMode(TRANSPARENT);
    DrawBackground(&dc, &rect);
    if (m_bHovering || m_bHighlightAlways) DrawHoverBackground(&dc, rect);
    if (image != nullptr) DrawPicture(&dc, image, rect, pressed, !caption.empty());
    if (m_clrText != kNoTextColor) dc.SetTextColor(m_clrText);
    if (!caption.empty()) {
        rect.top = rect.bottom - kCaptionHeight;
        dc.DrawText(caption, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void CHoverBitmapButton::DrawBackground(CDC* dc, RECT* rect) { dc->FillSolidRect(*rect, m_clrBack); }

// The hover bitmap at its own size from the top-left corner, or the hover colour over the whole button.
void CHoverBitmapButton::DrawHoverBackground(CDC* dc, const RECT& rect) {
    if (m_hHoverBitmap == nullptr) {
        dc->FillSolidRect(rect, m_clrHoverBack);
        return;
    }
    MemoryDC memory(*dc);
    SelectGuard select(memory.Get(), m_hHoverBitmap);
    BITMAP info{};
    GetObjectW(m_hHoverBitmap, sizeof(info), &info);
    BitBlt(*dc, rect.left, rect.top, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
}

// Centres the picture; with a caption it sits at a fixed top. Pressing moves `rect` (and with it
// the caption band) one pixel right and down.
void CHoverBitmapButton::DrawPicture(CDC* dc, const PngImage* image, RECT& rect, bool pressed, bool withCaption) {
    if (pressed && !m_bNoPressShift) OffsetRect(&rect, 1, 1);
    int left = rect.left + (rect.right - image->width - rect.left) / 2;
    int top = withCaption ? kCaptionImageTop : rect.top + (rect.bottom - image->height - rect.top) / 2;
    if (!withCaption && m_bShiftImage) {
        ++left;
        ++top;
    }
    DrawPngImage(*dc, left, top, image->width, image->height, image, 0, 0);
}

// Asks once for hover and leave notifications; a failed request is repeated at the next move.
LRESULT CHoverBitmapButton::OnMouseMove() {
    if (!m_bTracking) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = 1;
        m_bTracking = _TrackMouseEvent(&track);
    }
    return Default();
}

// The pointer rests over the button: repaint in the hover colour.
LRESULT CHoverBitmapButton::OnMouseHover() {
    m_bHovering = TRUE;
    Invalidate(TRUE);
    return 0;
}

// The pointer left: repaint what lies behind the button in the parent, then the button itself.
LRESULT CHoverBitmapButton::OnMouseLeave() {
    HWND parent = GetParent(m_hWnd);
    RECT rect{};
    GetWindowRect(&rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    InvalidateRect(parent, &rect, TRUE);
    m_bHovering = FALSE;
    m_bTracking = FALSE;
    Invalidate(FALSE);
    return 0;
}

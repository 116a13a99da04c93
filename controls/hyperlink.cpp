#include "controls/hyperlink.h"

#include <windowsx.h>
#include <shellapi.h>

namespace {

constexpr UINT_PTR kToolId = 1;

// The font for a control that has none of its own: its parent's, else the system's GUI font.
HFONT FallbackFont(HWND control) {
    HWND parent = GetParent(control);
    HFONT font = parent != nullptr ? reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)) : nullptr;
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

BOOL GetWindowRectInParent(HWND window, RECT* rect) {
    if (!GetWindowRect(window, rect)) return FALSE;
    HWND parent = GetAncestor(window, GA_PARENT);
    if (parent == nullptr || parent == GetDesktopWindow()) return TRUE;
    auto* corners = reinterpret_cast<POINT*>(rect);
    ScreenToClient(parent, &corners[0]);
    ScreenToClient(parent, &corners[1]);
    return TRUE;
}

UniqueCursor CopyModuleCursor(const std::wstring& modulePath, int id) {
    UniqueModule module(
        LoadLibraryExW(modulePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module) return UniqueCursor();
    HCURSOR shared = LoadCursorW(module.Get(), MAKEINTRESOURCEW(id));
    return UniqueCursor(shared != nullptr ? CopyIcon(shared) : nullptr);
}

CHyperLink::CHyperLink()
    : m_clrLink(RGB(0, 0, 238)),
      m_clrVisited(RGB(85, 26, 139)),
      m_clrHover(GetSysColor(COLOR_HIGHLIGHT)),
      m_bUnderlined(TRUE),
      m_bFitToText(TRUE),
      m_bUnderlineOnHover(FALSE),
      m_bNoLinkCursor(FALSE),
      m_bHovering(FALSE),
      m_bVisited(FALSE),
      m_bInCallback(FALSE) {}

CHyperLink::~CHyperLink() {
    // A control that outlives its object must not keep drawing with the font deleted below.
    if (m_hWnd != nullptr) SendMessage(WM_SETFONT, 0, FALSE);
}

void CHyperLink::PreSubclassWindow() {
    ModifyStyle(0, SS_NOTIFY);  // the control reports clicks
    if (m_strUrl.empty()) m_strUrl = GetWindowText();
    if (GetWindowText().empty()) SetWindowText(m_strUrl);
    ApplyLinkFont();
    FitToText();
    LoadLinkCursor();
    RECT client{};
    GetClientRect(&client);
    if (m_tipCtrl.Create(this)) m_tipCtrl.AddTool(this, m_strUrl.c_str(), client, kToolId);
    CStatic::PreSubclassWindow();
}

BOOL CHyperLink::PreTranslateMessage(MSG* msg) {
    if (m_tipCtrl.m_hWnd != nullptr) m_tipCtrl.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

LRESULT CHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETCURSOR: return OnSetCursor();
        case WM_MOUSEMOVE: return OnMouseMove(lParam);
        case WM_CAPTURECHANGED: return OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        case WM_RBUTTONUP: return OnRButtonUp();
        default: return CStatic::WindowProc(message, wParam, lParam);
    }
}

BOOL CHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        OnClicked();
        *result = 0;
        return TRUE;
    }
    if (message == WM_CTLCOLORSTATIC) {
        *result = reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam)));
        return TRUE;
    }
    return CStatic::OnChildNotify(message, wParam, lParam, result);
}

void CHyperLink::SetUnderlined(BOOL underlined) {
    m_bUnderlined = underlined;
    if (m_hWnd == nullptr) return;
    ApplyLinkFont();
    Invalidate(TRUE);
}

// Gives the control a copy of its current font with the underline attribute of m_bUnderlined.
void CHyperLink::ApplyLinkFont() {
    HFONT current = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    LOGFONTW logFont{};
    if (GetObjectW(current != nullptr ? current : FallbackFont(m_hWnd), sizeof(logFont), &logFont) == 0) return;
    logFont.lfUnderline = m_bUnderlined ? TRUE : FALSE;
    UniqueFont font(CreateFontIndirectW(&logFont));
    if (!font) return;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    m_fontLink = std::move(font);  // the previous link font goes only once the control has let go of it
}

SIZE CHyperLink::MeasureText() {
    const std::wstring text = GetWindowText();
    ClientDC dc(m_hWnd);
    SelectGuard select(dc.Get(), m_fontLink.Get());
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void CHyperLink::FitToText() {
    if (m_hWnd == nullptr || !m_bFitToText) return;
    RECT rect{};
    if (!GetWindowRectInParent(m_hWnd, &rect)) return;
    const SIZE text = MeasureText();
    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int shrink = (rect.bottom - rect.top - text.cy) / 2;
        rect.top += shrink;
        rect.bottom -= shrink;
    } else {
        rect.bottom = rect.top + text.cy;
    }
    if (style & SS_CENTER) {
        const int shrink = (rect.right - rect.left - text.cx) / 2;
        rect.left += shrink;
        rect.right -= shrink;
    } else if (style & SS_RIGHT) {
        rect.left = rect.right - text.cx;
    } else {
        rect.right = rect.left + text.cx;
    }
    SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, SWP_NOZORDER);
}

void CHyperLink::LoadLinkCursor() {
    if (m_hLinkCursor) return;
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    m_hLinkCursor = CopyModuleCursor(std::wstring(folder, length) + L"\\winhlp32.exe", kHandCursorId);
}

CHyperLink::CallBack* CHyperLink::ParentCallBack() const {
    return dynamic_cast<CallBack*>(CWnd::FromHandlePermanent(GetParent(m_hWnd)));
}

void CHyperLink::Redraw() {
    if (m_hWnd != nullptr) RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// Repaints what the parent shows behind the control, for a change of underline.
void CHyperLink::InvalidateParentArea() {
    RECT rect{};
    HWND parent = m_hWnd != nullptr ? GetParent(m_hWnd) : nullptr;
    if (parent != nullptr && GetWindowRectInParent(m_hWnd, &rect)) InvalidateRect(parent, &rect, TRUE);
}

void CHyperLink::EndHover() {
    m_bHovering = FALSE;
    if (m_hWnd != nullptr && GetCapture() == m_hWnd) ReleaseCapture();
    Redraw();
}

void CHyperLink::LeaveHover() {
    if (m_bUnderlineOnHover) SetUnderlined(FALSE);
    EndHover();
    if (m_bUnderlineOnHover) InvalidateParentArea();
}

// Offers the click to the parent, then opens the address. A click that arrives while the parent is
// still handling one does nothing at all.
void CHyperLink::OnClicked() {
    if (CallBack* parent = ParentCallBack()) {
        if (m_bInCallback) return;
        m_bInCallback = TRUE;
        if (m_bUnderlineOnHover) LeaveHover();
        if (parent->OnLinkClicked(static_cast<UINT>(GetDlgCtrlID(m_hWnd)))) {
            EndHover();
            if (m_bUnderlineOnHover) InvalidateParentArea();
            m_bInCallback = FALSE;
            return;
        }
        m_bInCallback = FALSE;
    }
    if (m_strUrl.empty()) return;
    ShellExecuteW(nullptr, L"open", m_strUrl.c_str(), nullptr, nullptr, SW_SHOW);
    m_bVisited = TRUE;
    if (IsWindow(m_hWnd)) Invalidate(TRUE);
}

// Link colours on a transparent background; the parent paints what lies behind.
HBRUSH CHyperLink::OnCtlColor(HDC dc) {
    SetTextColor(dc, m_bHovering ? m_clrHover : (m_bVisited ? m_clrVisited : m_clrLink));
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

LRESULT CHyperLink::OnSetCursor() {
    if (m_bNoLinkCursor || !m_hLinkCursor) return FALSE;
    SetCursor(m_hLinkCursor.Get());
    return TRUE;
}

// Enters the hover state on the first move and holds the mouse, so that the move that leaves is seen too.
LRESULT CHyperLink::OnMouseMove(LPARAM lParam) {
    const LRESULT result = Default();
    if (!m_bHovering) {
        if (m_bUnderlineOnHover) SetUnderlined(TRUE);
        m_bHovering = TRUE;
        Redraw();
        SetCapture(m_hWnd);
        if (m_bUnderlineOnHover) InvalidateParentArea();
        return result;
    }
    RECT client{};
    GetClientRect(&client);
    if (!PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) LeaveHover();
    return result;
}

// Another window took the mouse (a menu, a dialog, the shell): the pointer may be gone without a move.
LRESULT CHyperLink::OnCaptureChanged(HWND newCapture) {
    if (m_bHovering && newCapture != m_hWnd) LeaveHover();
    return Default();
}

LRESULT CHyperLink::OnRButtonUp() {
    if (CallBack* parent = ParentCallBack()) {
        EndHover();
        parent->OnLinkRightClicked(static_cast<UINT>(GetDlgCtrlID(m_hWnd)));
    }
    return m_hWnd != nullptr ? Default() : 0;  // the parent may have closed the window
}

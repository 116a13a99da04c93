#include "framework/controls.h"

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return TRUE;
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    HWND tip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | style, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent != nullptr ? parent->m_hWnd : nullptr,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tip == nullptr || !SubclassWindow(tip)) return FALSE;
    m_bOwnsWindow = true;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, const wchar_t* text) {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND;
    info.hwnd = GetParent(tool->m_hWnd);
    info.uId = reinterpret_cast<UINT_PTR>(tool->m_hWnd);
    info.lpszText = const_cast<wchar_t*>(text);
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* window, const wchar_t* text, const RECT& rect, UINT_PTR id) {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = window->m_hWnd;
    info.uId = id;
    info.rect = rect;
    info.lpszText = const_cast<wchar_t*>(text);
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

#include "framework/wnd.h"

#include <commctrl.h>

#include "framework/dc.h"
#include "framework/menu.h"
#include "framework/window_text.h"

namespace {

// Identifies the framework's subclass among others on the same window.
constexpr UINT_PTR kSubclassId = 0x54617077;  // "Tapw"

bool IsCtlColorMessage(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd == nullptr) return;
    if (m_bOwnsWindow) {
        DestroyWindow();
    } else {
        UnsubclassWindow();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    if (window == nullptr) return nullptr;
    CWnd* object = reinterpret_cast<CWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return object != nullptr && object->m_hWnd == window ? object : nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id) {
    CREATESTRUCTW cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = text;
    cs.style = style;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent != nullptr ? parent->m_hWnd : nullptr;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    cs.hInstance = GetModuleHandleW(nullptr);
    if (m_hWnd != nullptr || !PreCreateWindow(cs)) return FALSE;
    HWND window = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, nullptr);
    if (window == nullptr) return FALSE;
    if (!SubclassWindow(window)) {
        ::DestroyWindow(window);
        return FALSE;
    }
    m_bOwnsWindow = true;
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND window) {
    if (window == nullptr || m_hWnd != nullptr || FromHandlePermanent(window) != nullptr) return FALSE;
    m_hWnd = window;
    PreSubclassWindow();
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        m_hWnd = nullptr;
        return FALSE;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return TRUE;
}

void CWnd::Unbind(HWND window) {
    RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (window != nullptr) Unbind(window);
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    return ::DestroyWindow(m_hWnd);  // WM_NCDESTROY unbinds the object
}

std::wstring CWnd::GetWindowText() const { return GetWindowString(m_hWnd); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags != 0)
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR refData) noexcept {
    CWnd* self = reinterpret_cast<CWnd*>(refData);
    if (message == WM_NCDESTROY) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        Unbind(window);
        self->m_hWnd = nullptr;
        self->PostNcDestroy();
        return result;
    }
    const CurrentMessage saved = self->m_current;
    self->m_current = {message, wParam, lParam};
    const LRESULT result = self->WindowProc(message, wParam, lParam);
    self->m_current = saved;
    return result;
}

LRESULT CWnd::Default() { return DefSubclassProc(m_hWnd, m_current.message, m_current.wParam, m_current.lParam); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsCtlColorMessage(message)) {
        CDC dc(reinterpret_cast<HDC>(wParam));
        return reinterpret_cast<LRESULT>(OnCtlColor(&dc, reinterpret_cast<HWND>(lParam), message - WM_CTLCOLORMSGBOX));
    }
    switch (message) {
        case WM_COMMAND: return OnCommand(wParam, lParam) ? 0 : Default();
        case WM_DRAWITEM:
            return OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam)) ? TRUE : Default();
        case WM_MEASUREITEM:
            OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        default: return Default();
    }
}

LRESULT CWnd::Reflect(HWND child, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
    LRESULT result = 0;
    CWnd* control = child != m_hWnd ? FromHandlePermanent(child) : nullptr;
    *handled = control != nullptr && control->OnChildNotify(message, wParam, lParam, &result);
    return result;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    if (lParam != 0) Reflect(reinterpret_cast<HWND>(lParam), WM_COMMAND, wParam, lParam, &handled);
    if (handled) return TRUE;
    const int code = lParam != 0 ? HIWORD(wParam) : CN_COMMAND;  // menus and accelerators are plain commands
    return OnCmdMsg(LOWORD(wParam), code, nullptr);
}

HBRUSH CWnd::OnCtlColor(CDC* dc, HWND control, UINT kind) {
    bool handled = false;
    const LRESULT brush = Reflect(control, WM_CTLCOLORMSGBOX + kind, reinterpret_cast<WPARAM>(dc->m_hDC),
                                  reinterpret_cast<LPARAM>(control), &handled);
    return reinterpret_cast<HBRUSH>(handled ? brush : Default());
}

BOOL CWnd::OnDrawItem(int controlId, DRAWITEMSTRUCT* item) {
    if (item->CtlType == ODT_MENU) {
        CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(item->hwndItem));
        if (menu == nullptr) return FALSE;
        menu->DrawItem(item);
        return TRUE;
    }
    bool handled = false;
    Reflect(item->hwndItem, WM_DRAWITEM, static_cast<WPARAM>(controlId), reinterpret_cast<LPARAM>(item), &handled);
    return handled;
}

void CWnd::OnMeasureItem(int controlId, MEASUREITEMSTRUCT* item) {
    if (item->CtlType == ODT_MENU) return;
    bool handled = false;
    Reflect(::GetDlgItem(m_hWnd, controlId), WM_MEASUREITEM, static_cast<WPARAM>(controlId),
            reinterpret_cast<LPARAM>(item), &handled);
}

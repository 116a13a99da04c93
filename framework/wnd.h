// The window class of the framework: a C++ object bound to an HWND by subclassing.
#pragma once

#include <windows.h>

#include <string>

#include "framework/cmd_target.h"

class CDC;

// A window. Messages arrive at the virtual WindowProc; what it leaves goes to the window's
// original procedure. Notifications of child controls are first offered to the child's object.
// The object's address travels in the window's GWLP_USERDATA while it is bound.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }

    // The object bound to `window`, or null when it has none.
    static CWnd* FromHandlePermanent(HWND window);

    // Creates a window bound to, and owned by, this object; PreCreateWindow may change `cs` first.
    BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id);
    // Binds this object to an existing window; PreSubclassWindow runs first.
    BOOL SubclassWindow(HWND window);
    // Unbinds without destroying the window.
    HWND UnsubclassWindow();
    // Destroys a window this object created (Create) or is bound to.
    BOOL DestroyWindow();

    // Thin wrappers over the window's own calls.
    std::wstring GetWindowText() const;
    void SetWindowText(const std::wstring& text) { ::SetWindowTextW(m_hWnd, text.c_str()); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int show) { return ::ShowWindow(m_hWnd, show); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { InvalidateRect(m_hWnd, nullptr, erase); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

    // Offered each message of a modal loop before it is dispatched; TRUE when it was handled.
    virtual BOOL PreTranslateMessage(MSG* msg);

protected:
    // Handles one message; the base reflects child notifications and routes commands.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes the message being handled to the window's original procedure.
    LRESULT Default();

    // Called before a window is created for this object; FALSE stops the creation.
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs) {
        (void)cs;
        return TRUE;
    }
    // Called before the object is bound to a window by SubclassWindow.
    virtual void PreSubclassWindow() {}
    // A notification of this control, reflected from its parent; TRUE with `result` when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_COMMAND: the control's object first, then the command handlers.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_CTLCOLOR*: the control's own choice, else the default brush. `kind` is CTLCOLOR_*.
    virtual HBRUSH OnCtlColor(CDC* dc, HWND control, UINT kind);
    // WM_DRAWITEM: menus go to their menu object, controls to theirs.
    virtual BOOL OnDrawItem(int controlId, DRAWITEMSTRUCT* item);
    // WM_MEASUREITEM: controls are offered to their object.
    virtual void OnMeasureItem(int controlId, MEASUREITEMSTRUCT* item);
    // After the last message (WM_NCDESTROY) the object is no longer bound.
    virtual void PostNcDestroy() {}

    // Set by Create-like operations: the object destroys its window on destruction.
    bool m_bOwnsWindow = false;

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR refData) noexcept;
    // Removes the framework's subclass and the object's address from the window.
    static void Unbind(HWND window);
    LRESULT Reflect(HWND child, UINT message, WPARAM wParam, LPARAM lParam, bool* handled);

    CurrentMessage m_current{};
};

// The standard controls the program binds to members: buttons, edits, lists, statics, tool tips.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/wnd.h"

// A push button, check box or radio button. Owner-drawn buttons paint in DrawItem.
class CButton : public CWnd {
public:
    // Creates a child button owned by this object.
    BOOL Create(const wchar_t* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateEx(0, L"BUTTON", caption, style, rect, parent, id);
    }
    int GetCheck() const { return static_cast<int>(::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0)); }
    bool IsChecked() const { return GetCheck() == BST_CHECKED; }
    void SetCheck(int check) { ::SendMessageW(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check), 0); }

    // Paints an owner-drawn button; reached through the parent's WM_DRAWITEM.
    virtual void DrawItem(DRAWITEMSTRUCT* item) { (void)item; }

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

// An edit control.
class CEdit : public CWnd {};

// A static text or picture.
class CStatic : public CWnd {};

// A drop-down list.
class CComboBox : public CWnd {
public:
    int AddString(const wchar_t* text) {
        return static_cast<int>(::SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetCurSel() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)); }
    int SetCurSel(int index) { return static_cast<int>(::SendMessageW(m_hWnd, CB_SETCURSEL, index, 0)); }
    int GetCount() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0)); }
};

// A tool tip window owned by its object; the owner relays mouse messages to it.
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    // Shows `text` while the pointer rests over `tool`.
    BOOL AddTool(CWnd* tool, const wchar_t* text);
    // Shows `text` while the pointer rests over `rect` of `window`'s client area; `id` names the tool.
    BOOL AddTool(CWnd* window, const wchar_t* text, const RECT& rect, UINT_PTR id);
    void RelayEvent(MSG* msg) { ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
    void Activate(BOOL active) { ::SendMessageW(m_hWnd, TTM_ACTIVATE, active, 0); }
};

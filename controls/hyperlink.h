// A static text control shown as a web link.
#pragma once

#include <windows.h>

#include <string>

#include "framework/controls.h"
#include "framework/gdi.h"
#include "framework/handles.h"

// `window`'s rectangle in its parent's client coordinates (screen coordinates for a top-level
// window). FALSE when the rectangle cannot be read; `rect` is then not to be used.
BOOL GetWindowRectInParent(HWND window, RECT* rect);

// A copy of cursor resource `id` of the file at `modulePath`, loaded as resources only (none of the
// file's code runs); null when the file or the cursor is missing.
UniqueCursor CopyModuleCursor(const std::wstring& modulePath, int id);

// Turns a static text into a link: drawn in link colours and underlined, a hand cursor over it, a
// tool tip with the address, and a left click that opens the address with the shell. The owner
// binds it to a static control (SubclassWindow, DDX_Control), which sets it up once. A parent that
// derives from CHyperLink::CallBack sees the clicks first.
class CHyperLink : public CStatic {
public:
    // What a parent window implements, besides its window class, to handle the link's clicks.
    class CallBack {
    public:
        virtual ~CallBack() = default;
        // Non-zero when the parent has handled the click: the address is then not opened.
        virtual BOOL OnLinkClicked(UINT id) = 0;
        // The result is not used.
        virtual BOOL OnLinkRightClicked(UINT id) = 0;
    };

    // The cursor resource of the system's help viewer that shows a hand.
    static constexpr int kHandCursorId = 106;

    CHyperLink();
    ~CHyperLink() override;

    // Options; the owner assigns them before binding the control.
    COLORREF m_clrLink;          // text before the address was opened
    COLORREF m_clrVisited;       // text after it was opened
    COLORREF m_clrHover;         // text while the pointer is over the link: the highlight colour at construction
    BOOL m_bUnderlined;          // the link font is underlined
    BOOL m_bFitToText;           // the control is shrunk or grown to its text when set up
    BOOL m_bUnderlineOnHover;    // underlined only while the pointer is over it
    BOOL m_bNoLinkCursor;        // no hand cursor
    std::wstring m_strUrl;       // the address; the window text when still empty at set-up
    UniqueCursor m_hLinkCursor;  // the hand cursor; loaded at set-up unless the owner gave one

    BOOL IsHovering() const { return m_bHovering; }
    BOOL IsVisited() const { return m_bVisited; }

    // Sets the underline and, once the window exists, rebuilds the link font and repaints.
    void SetUnderlined(BOOL underlined);
    // Resizes the control to its text in the link font, keeping its alignment (left, centre, right).
    void FitToText();
    // Loads the hand cursor from the help viewer in the Windows folder, once; none without it.
    void LoadLinkCursor();

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void ApplyLinkFont();
    SIZE MeasureText();
    CallBack* ParentCallBack() const;
    void Redraw();
    void InvalidateParentArea();
    // Ends the hover state: colour, capture.
    void EndHover();
    // Ends the hover state and takes the underline away again when it comes only with hovering.
    void LeaveHover();
    void OnClicked();
    HBRUSH OnCtlColor(HDC dc);
    LRESULT OnSetCursor();
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnCaptureChanged(HWND newCapture);
    LRESULT OnRButtonUp();

    BOOL m_bHovering;       // the pointer is over the link and the mouse is captured
    BOOL m_bVisited;        // the address has been opened
    BOOL m_bInCallback;     // the parent's OnLinkClicked is running
    UniqueFont m_fontLink;  // the control's font with the underline attribute; the control uses it
    CToolTipCtrl m_tipCtrl;
};

// Dialogs from templates, run modally by the framework's own loop or created modeless.
#pragma once

#include <windows.h>

#include "framework/wnd.h"

// Sent by the modal loop to the dialog each time its message queue has become empty;
// wParam is MSGF_DIALOGBOX, lParam counts the calls since the last message. Answer 0 to stop.
constexpr UINT WM_KICKIDLE = 0x036A;

class CDialog;

// What DoDataExchange binds: the dialog whose controls are bound to members.
struct CDataExchange {
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds `control` to the dialog's control `id` (once).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    // Shows the dialog and runs its modal loop until EndDialog; the result passed to EndDialog,
    // or -1 when the window cannot be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless; the object owns the window.
    BOOL Create(CWnd* parent = nullptr);
    // Ends the modal loop with `result`.
    void EndDialog(int result);

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra) override;

protected:
    // Called for WM_INITDIALOG; binds the members. TRUE gives the focus to the first control.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* dx) { (void)dx; }
    // Enter and Escape; both end the dialog unless overridden.
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;  // borrowed; null: the application's main window owns a modal dialog

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    HWND CreateFromTemplate(HWND owner);
    HWND ModalOwner() const;
    void RunModalLoop();
    BOOL WalkPreTranslate(MSG* msg);

    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
};

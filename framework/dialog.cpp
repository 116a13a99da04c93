#include "framework/dialog.h"

#include "framework/app.h"

namespace {

bool AnyModifierDown() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0; }

// Messages after which the queue's next emptiness counts as a new idle moment.
bool IsIdleMessage(const MSG& msg) { return msg.message != WM_PAINT && msg.message != 0x0118; }  // 0x0118: caret blink

}  // namespace

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) control.SubclassWindow(dx->m_pDlgWnd->GetDlgItem(id));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) noexcept {
    if (message != WM_INITDIALOG) return FALSE;  // everything else reaches WindowProc through the subclass
    CDialog* self = reinterpret_cast<CDialog*>(lParam);
    if (!self->SubclassWindow(window)) return TRUE;
    return self->OnInitDialog();
}

HWND CDialog::CreateFromTemplate(HWND owner) {
    return CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create(CWnd* parent) {
    if (parent != nullptr) m_pParentWnd = parent;
    if (CreateFromTemplate(m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr) == nullptr) return FALSE;
    m_bOwnsWindow = true;
    return TRUE;
}

HWND CDialog::ModalOwner() const {
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr && AfxGetMainWnd() != nullptr && AfxGetMainWnd() != this) owner = AfxGetMainWnd()->m_hWnd;
    return owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
}

INT_PTR CDialog::DoModal() {
    HWND owner = ModalOwner();
    const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    m_bEndModal = false;
    m_nModalResult = -1;
    if (CreateFromTemplate(owner) != nullptr) {
        if (!m_bEndModal) ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    if (disableOwner) ::EnableWindow(owner, TRUE);  // before the dialog goes, so the owner gets activated
    if (owner != nullptr && GetActiveWindow() == m_hWnd) SetActiveWindow(owner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    bool idle = true;
    LPARAM idleCount = 0;
    MSG msg{};
    while (!m_bEndModal && m_hWnd != nullptr) {
        while (idle && !m_bEndModal && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++)) idle = false;
        }
        if (m_bEndModal) break;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the outer loop
            break;
        }
        if (!WalkPreTranslate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (IsIdleMessage(msg)) {
            idle = true;
            idleCount = 0;
        }
    }
}

// Offers the message to the objects of its window and of every parent up to this dialog.
BOOL CDialog::WalkPreTranslate(MSG* msg) {
    for (HWND window = msg->hwnd; window != nullptr; window = GetParent(window)) {
        CWnd* object = FromHandlePermanent(window);
        if (object != nullptr && object->PreTranslateMessage(msg)) return TRUE;
        if (window == m_hWnd) return FALSE;
    }
    return PreTranslateMessage(msg);  // a message for a window outside the dialog
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_bEndModal = true;
    PostMessage(WM_NULL);  // wakes the loop if it is waiting
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    // With no window focused (its control was disabled), keys reach the active window as system keys.
    const bool keyDown = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
    if (keyDown && msg->wParam == VK_F1 && !AnyModifierDown()) {
        SendMessage(WM_COMMAND, ID_HELP);
        return TRUE;
    }
    return IsDialogMessageW(m_hWnd, msg);
}

BOOL CDialog::OnCmdMsg(UINT id, int code, void* extra) {
    if (code == CN_COMMAND && id == IDOK) return RunCommand(this, &CDialog::OnOK, extra);
    if (code == CN_COMMAND && id == IDCANCEL) return RunCommand(this, &CDialog::OnCancel, extra);
    return AfxGetApp() != nullptr && AfxGetApp()->OnCmdMsg(id, code, extra);
}

BOOL CDialog::OnInitDialog() {
    CDataExchange dx{this, FALSE};
    DoDataExchange(&dx);
    return TRUE;
}

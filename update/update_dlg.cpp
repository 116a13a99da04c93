#include "update/update_dlg.h"

#include <shellapi.h>

#include "app/vendor_site.h"
#include "controls/hyperlink.h"
#include "framework/app.h"
#include "res/resource.h"
#include "ui/dialog_colors.h"
#include "update/own_version.h"

namespace {

constexpr wchar_t kFailedText[] = L"Connection timed out! Please check your network connection and try again.";
constexpr wchar_t kUpToDateText[] = L"The current program is the latest version, no update!";
constexpr wchar_t kNewerText[] = L"There is a new version, would you like to check it out now?";
// Pixels between the middle of the dialog and each of Yes and No.
constexpr int kButtonGap = 10;

}  // namespace

CUpdateDlg::CUpdateDlg() : CDialog(IDD_UPDATE) {}

void CUpdateDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_STATIC_UPDATE_STATUS, m_staticStatus);
    DDX_Control(dx, IDC_BTN_UPDATE_CANCEL, m_btnCancel);
    DDX_Control(dx, IDC_BTN_UPDATE_OK, m_btnOK);
}

// Starts the check; should the worker not start, the dialog simply stays in its waiting state.
BOOL CUpdateDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_btnOK.ShowWindow(SW_HIDE);
    m_btnCancel.ShowWindow(SW_SHOW);
    const std::wstring agent = AfxGetApp() != nullptr ? AfxGetApp()->m_strAppName : std::wstring();
    m_check.Start(m_hWnd, UpdatePageUrl(), agent, GetOwnVersionNumber());
    return TRUE;
}

BOOL CUpdateDlg::OnCmdMsg(UINT id, int code, void* extra) {
    if (code == BN_CLICKED && id == IDC_BTN_UPDATE_OK) return RunCommand(this, &CUpdateDlg::OnBnClickedOK, extra);
    if (code == BN_CLICKED && id == IDC_BTN_UPDATE_CANCEL) {
        return RunCommand(this, &CUpdateDlg::OnBnClickedCancel, extra);
    }
    return CDialog::OnCmdMsg(id, code, extra);
}

LRESULT CUpdateDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_UPDATE_CHECK_DONE: return OnCheckDone(wParam);
        case WM_DESTROY: return OnDestroy();
        case WM_ERASEBKGND: return OnEraseBkgnd(this, reinterpret_cast<HDC>(wParam));
        default: return CDialog::WindowProc(message, wParam, lParam);
    }
}

HBRUSH CUpdateDlg::OnCtlColor(CDC* dc, HWND control, UINT kind) {
    static CBrush s_brushStatic;
    return DialogCtlColor(s_brushStatic, dc, kind, CDialog::OnCtlColor(dc, control, kind));
}

// Yes: the fixed product page, never anything the update page named.
void CUpdateDlg::OnBnClickedOK() {
    ShellExecuteW(nullptr, L"open", ProductPageUrl().c_str(), nullptr, nullptr, SW_SHOW);
    OnOK();
}

void CUpdateDlg::OnBnClickedCancel() { OnCancel(); }

// The worker's outcome, shown in place of the waiting state.
LRESULT CUpdateDlg::OnCheckDone(WPARAM outcome) {
    switch (static_cast<UpdateOutcome>(outcome)) {
        case UpdateOutcome::Newer:
            m_staticStatus.SetWindowText(kNewerText);
            PlaceYesAndNo();
            m_btnCancel.SetWindowText(L"No");
            m_btnOK.SetWindowText(L"Yes");
            m_btnOK.ShowWindow(SW_SHOW);
            break;
        case UpdateOutcome::UpToDate:
            m_staticStatus.SetWindowText(kUpToDateText);
            m_btnCancel.SetWindowText(L"OK");
            break;
        case UpdateOutcome::Failed:
            m_staticStatus.SetWindowText(kFailedText);
            m_btnCancel.SetWindowText(L"OK");
            break;
    }
    return 0;
}

// Yes and No side by side, centred on the middle of the dialog, Yes on the left.
void CUpdateDlg::PlaceYesAndNo() {
    RECT client{};
    GetClientRect(&client);
    const int half = (client.right - client.left) / 2;
    RECT cancel{};
    if (!GetWindowRectInParent(m_btnCancel.m_hWnd, &cancel)) return;
    const int width = cancel.right - cancel.left;
    SetWindowPos(m_btnCancel.m_hWnd, nullptr, half + kButtonGap, cancel.top, 0, 0, SWP_NOSIZE);
    SetWindowPos(m_btnOK.m_hWnd, nullptr, half - width - kButtonGap, cancel.top, 0, 0, SWP_NOSIZE);
}

// From here on the worker posts nothing, so no outcome can reach a closed dialog.
LRESULT CUpdateDlg::OnDestroy() {
    m_check.Abandon();
    return Default();
}

#include "app/about_dlg.h"

#include "res/resource.h"
#include "ui/dialog_colors.h"
#include "update/own_version.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LINK_WEB, m_linkWeb);
    DDX_Control(dx, IDC_STATIC_VERSION, m_staticVersion);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_staticVersion.SetWindowText(L"Tapwell, Version " + GetOwnVersionText(VersionTextForm::Display));
    return TRUE;
}

LRESULT CAboutDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return OnEraseBkgnd(this, reinterpret_cast<HDC>(wParam));
        default: return CDialog::WindowProc(message, wParam, lParam);
    }
}

HBRUSH CAboutDlg::OnCtlColor(CDC* dc, HWND control, UINT kind) {
    static CBrush s_brushStatic;
    return DialogCtlColor(s_brushStatic, dc, kind, CDialog::OnCtlColor(dc, control, kind));
}

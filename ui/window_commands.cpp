// The main dialog's window-level commands: the menu bar, the system menu's About, painting while
// minimised, and the idle pass that lets update handlers set the state of menu items.
#include "app/about_dlg.h"
#include "framework/app.h"
#include "framework/cmd_ui.h"
#include "framework/gdi.h"
#include "ui/tapwell_dlg.h"
#include "update/update_dlg.h"

// File > Exit: closes the way the close button does, so OnClose has run when this returns.
void CTapwellDlg::OnMenuExit() { SendMessage(WM_CLOSE); }

void CTapwellDlg::OnMenuAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CTapwellDlg::OnMenuUpdate() {
    CUpdateDlg update;
    update.DoModal();
}

// Help > Help: the application object handles ID_HELP, as it does for F1.
void CTapwellDlg::OnMenuHelp() {
    if (AfxGetApp() != nullptr) AfxGetApp()->OnCmdMsg(ID_HELP, CN_COMMAND, nullptr);
}

// The About item of the system menu; every other command is the system's.
LRESULT CTapwellDlg::OnSysCommand(WPARAM id) {
    if ((id & 0xFFF0) != IDM_ABOUTBOX) return Default();
    OnMenuAbout();
    return 0;
}

// Minimised, the dialog shows its icon centred in its client area.
LRESULT CTapwellDlg::OnPaint() {
    if (!IsIconic()) return Default();
    PaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()));
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.Get(), x, y, m_hIcon);
    return 0;
}

// The picture shown while the minimised window is dragged.
LRESULT CTapwellDlg::OnQueryDragIcon() { return reinterpret_cast<LRESULT>(m_hIcon); }

// Offers every item of the menu bar's drop-down menus to the update handlers, once each time the
// modal loop's queue runs empty. Items without one keep their state.
LRESULT CTapwellDlg::OnKickIdle() {
    HMENU bar = GetMenu(m_hWnd);
    const int menus = bar != nullptr ? GetMenuItemCount(bar) : 0;
    for (int menu = 0; menu < menus; ++menu) {
        HMENU dropDown = GetSubMenu(bar, menu);
        const int count = dropDown != nullptr ? GetMenuItemCount(dropDown) : 0;
        for (int index = 0; index < count; ++index) {
            CCmdUI state;
            state.m_nID = GetMenuItemID(dropDown, index);
            state.m_nIndex = static_cast<UINT>(index);
            state.m_nIndexMax = static_cast<UINT>(count);
            state.m_hMenu = dropDown;
            state.DoUpdate(this, FALSE);
        }
    }
    return 0;
}

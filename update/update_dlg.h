// The update dialog: asks the vendor's site for the newest version while the user waits.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"
#include "update/update_check.h"

// Says "please wait" with a Cancel button while a worker fetches the update page, then shows the
// outcome in place: a message with OK, or the question with Yes (open the product page) and No.
// Closing it while the check runs abandons the check; nothing of it shows afterwards.
class CUpdateDlg : public CDialog {
public:
    CUpdateDlg();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCmdMsg(UINT id, int code, void* extra) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(CDC* dc, HWND control, UINT kind) override;

private:
    void OnBnClickedOK();
    void OnBnClickedCancel();
    LRESULT OnCheckDone(WPARAM outcome);
    LRESULT OnDestroy();
    void PlaceYesAndNo();

    UpdateCheck m_check;
    CStatic m_staticStatus;
    CButton m_btnCancel;  // Cancel while checking, then OK or No
    CButton m_btnOK;      // hidden until it becomes Yes
};

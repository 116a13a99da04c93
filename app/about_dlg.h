// The About box: icon, name and version, copyright and the vendor's web address as a link.
#pragma once

#include "controls/hyperlink.h"
#include "framework/controls.h"
#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(CDC* dc, HWND control, UINT kind) override;

private:
    CStatic m_staticVersion;
    CHyperLink m_linkWeb;  // opens its own text, the address in the template
};

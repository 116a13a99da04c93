// The main dialog: every setting in its controls, the click runs, hotkeys and point capture.
#pragma once

#include <windows.h>

#include "controls/hover_button.h"
#include "controls/menu_ex.h"
#include "engine/click_params.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/menu.h"
#include "framework/sync.h"

// Hotkeys held by the dialog's window while it lives.
constexpr int ID_HOTKEY_START = 32771;  // Ctrl+F1
constexpr int ID_HOTKEY_STOP = 32772;   // Ctrl+F2
// The About item appended to the system menu.
constexpr UINT IDM_ABOUTBOX = 0x0010;
// The timer that follows the cursor during point capture.
constexpr UINT_PTR kCaptureTimerId = 100;

class CTapwellDlg : public CDialog {
public:
    CTapwellDlg();

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}      // Enter does not close the dialog
    void OnCancel() override {}  // nor does Escape
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(CDC* dc, HWND control, UINT kind) override;

private:
    // Start and Stop.
    void OnBnClickedStart();
    void OnBnClickedStop();
    ClickRunParameters ReadRunParameters();
    void ReadFixedPoint(ClickRunParameters& params);
    void EnableInputs(BOOL enable);

    // The settings file, copied into the controls at start-up and back at every Start.
    void LoadSettings();
    void SaveSettings();

    // The enable rules of the two mode radio groups.
    void UpdateCountModeControls();
    void UpdateClickPointControls();
    void OnCountMode() { UpdateCountModeControls(); }
    void OnClickPointMode() { UpdateClickPointControls(); }

    // Start-up steps.
    void AddAboutToSystemMenu();
    void SetUpMenuBar();
    void FillLists();
    void SetUpViewPosButton();
    void RegisterHotkeys();

    // Hotkeys and closing.
    LRESULT OnHotKey(WPARAM id);
    LRESULT OnClose();
    LRESULT OnMeasureItemMessage(WPARAM wParam, LPARAM lParam);

    // Window commands: the menu bar, the system menu, the minimised icon, idle updates.
    void OnMenuExit();
    void OnMenuAbout();
    void OnMenuUpdate();
    void OnMenuHelp();
    LRESULT OnSysCommand(WPARAM id);
    LRESULT OnPaint();
    LRESULT OnQueryDragIcon();
    LRESULT OnKickIdle();

    // Point capture and the move-to-point button.
    void OnBnClickedStartCapture();
    LRESULT OnTimer(UINT_PTR id);
    void OnBnClickedViewPos();
    void WriteCursorToEdits(POINT pt);

    BOOL m_bRunning;
    BOOL m_bStopRequested;
    HICON m_hIcon;
    CCriticalSection m_csRun;
    POINT m_ptLastCursor;
    BOOL m_bCapturing;
    CImageList m_menuImages;  // lent to m_menu, which deletes its handle
    CMenuEx m_menu;
    CEdit m_editInterval;
    CButton m_btnStart;
    CButton m_btnStop;
    CComboBox m_comboMouse;
    CComboBox m_comboAction;
    CButton m_radioMousePos;
    CButton m_radioFixedPoint;
    CButton m_btnStartCapture;
    CEdit m_editX;
    CEdit m_editY;
    CStatic m_staticCaptureHint;
    CButton m_checkMoveMouse;
    CEdit m_editClickCount;
    CButton m_radioClickCount;
    CButton m_radioClickFor;
    CEdit m_editClickFor;
    CComboBox m_comboTimeUnit;
    CButton m_checkNoActivate;
    CHoverBitmapButton m_btnViewPos;
    CToolTipCtrl m_toolTip;
};

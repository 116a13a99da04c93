// The Start and Stop commands of the main dialog: the frame around a click run.
#include <ctime>
#include <string>

#include "engine/click_run.h"
#include "engine/run_snapshot.h"
#include "ui/tapwell_dlg.h"

namespace {

// The number in `edit`, replaced by `fallback` (and the edit's text with it) when it is below 1.
int32_t ReadCorrected(CEdit& edit, int32_t fallback) {
    const int32_t value = ReadEditInt(edit.m_hWnd, -1);
    if (value >= 1) return value;
    edit.SetWindowText(std::to_wstring(fallback));
    return fallback;
}

}  // namespace

// Runs one click run from the controls' settings; returns when it has ended. A start that arrives
// while a run is in progress (the start hotkey, dispatched inside the run's wait) changes nothing.
void CTapwellDlg::OnBnClickedStart() {
    m_csRun.Lock();
    if (m_bRunning) {
        m_csRun.Unlock();
        return;
    }
    m_bRunning = TRUE;
    m_csRun.Unlock();
    m_bStopRequested = FALSE;

    m_btnStop.EnableWindow(TRUE);
    EnableInputs(FALSE);
    SaveSettings();  // what the user left on screen, before any correction below
    const ClickRunParameters params = ReadRunParameters();
    RunClickLoop(m_hWnd, &m_bStopRequested, params);

    EnableInputs(TRUE);
    m_btnStop.EnableWindow(FALSE);
    UpdateCountModeControls();
    UpdateClickPointControls();
    m_csRun.Lock();
    m_bRunning = FALSE;
    m_csRun.Unlock();
    if (!params.noActivate) SetForegroundWindow(m_hWnd);
}

// Asks the run in progress to end; without a run the request is cleared by the next start.
void CTapwellDlg::OnBnClickedStop() { m_bStopRequested = TRUE; }

// Disables the input controls for a run, or enables those the mode rules do not decide after it.
void CTapwellDlg::EnableInputs(BOOL enable) {
    CWnd* always[] = {&m_btnStart,   &m_checkNoActivate, &m_radioClickCount, &m_radioClickFor,  &m_editInterval,
                      &m_comboMouse, &m_comboAction,     &m_radioMousePos,   &m_radioFixedPoint};
    for (CWnd* control : always) control->EnableWindow(enable);
    if (enable) return;
    CWnd* byMode[] = {&m_checkMoveMouse, &m_editClickCount,  &m_editClickFor, &m_editX,
                      &m_editY,          &m_btnStartCapture, &m_comboTimeUnit};
    for (CWnd* control : byMode) control->EnableWindow(FALSE);
}

// The snapshot of the run, read once; bad numbers get their replacements, some written back.
ClickRunParameters CTapwellDlg::ReadRunParameters() {
    ClickRunParameters p;
    p.noActivate = m_checkNoActivate.IsChecked();
    p.swapButtons = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    if (p.noActivate) ShowWindow(SW_SHOWMINNOACTIVE);
    p.interval = ReadCorrected(m_editInterval, kDefaultInterval);
    p.clickPoint = m_radioMousePos.IsChecked() ? kClickAtCursor : kClickAtFixedPoint;
    p.button = m_comboMouse.GetCurSel();
    p.action = m_comboAction.GetCurSel();
    p.timeLimited = !m_radioClickCount.IsChecked();
    int32_t lengthSeconds = 0;
    if (p.timeLimited) {
        p.clickLimit = kNoClickLimit;
        lengthSeconds = RunLengthSeconds(ReadEditInt(m_editClickFor.m_hWnd, 1), m_comboTimeUnit.GetCurSel());
    } else {
        p.clickLimit = static_cast<uint32_t>(ReadEditInt(m_editClickCount.m_hWnd, -1));
    }
    p.endTime = _time64(nullptr) + lengthSeconds;
    if (p.clickPoint == kClickAtFixedPoint) ReadFixedPoint(p);
    return p;
}

void CTapwellDlg::ReadFixedPoint(ClickRunParameters& p) {
    p.fixedMoveMouse = m_checkMoveMouse.IsChecked();
    p.fixedX = ReadCorrected(m_editX, kDefaultFixedX);
    p.fixedY = ReadCorrected(m_editY, kDefaultFixedY);
}

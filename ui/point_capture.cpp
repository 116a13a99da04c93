// Point capture: the X and Y edits follow the cursor until a key or left click; and the button
// that sends the cursor to the point in the edits.
#include "engine/click_run.h"
#include "engine/run_snapshot.h"
#include "ui/tapwell_dlg.h"

#include <string>

void CTapwellDlg::WriteCursorToEdits(POINT pt) {
    m_editX.SetWindowText(std::to_wstring(pt.x));
    m_editY.SetWindowText(std::to_wstring(pt.y));
}

// Starts following the cursor: the edits take its position now and at every timer tick.
void CTapwellDlg::OnBnClickedStartCapture() {
    POINT pt{};
    GetCursorPos(&pt);
    WriteCursorToEdits(pt);
    m_ptLastCursor = pt;
    m_bCapturing = TRUE;
    SetCapture(m_hWnd);
    SetTimer(m_hWnd, kCaptureTimerId, 1, nullptr);
}

// Rewrites the edits only when the cursor has moved, so a resting cursor costs no repainting.
LRESULT CTapwellDlg::OnTimer(UINT_PTR id) {
    if (id == kCaptureTimerId && m_bCapturing) {
        POINT pt{};
        GetCursorPos(&pt);
        if (pt.x != m_ptLastCursor.x || pt.y != m_ptLastCursor.y) {
            WriteCursorToEdits(pt);
            m_ptLastCursor = pt;
        }
    }
    return Default();
}

// A key press or left click ends a capture and is consumed; everything else also feeds the tool tip.
BOOL CTapwellDlg::PreTranslateMessage(MSG* msg) {
    if ((msg->message == WM_KEYDOWN || msg->message == WM_LBUTTONDOWN) && m_bCapturing) {
        KillTimer(m_hWnd, kCaptureTimerId);
        ReleaseCapture();
        m_bCapturing = FALSE;
        POINT pt{};
        GetCursorPos(&pt);
        WriteCursorToEdits(pt);
        return TRUE;
    }
    if (m_toolTip.m_hWnd != nullptr) m_toolTip.RelayEvent(msg);
    return CDialog::PreTranslateMessage(msg);
}

// Moves the cursor to the point in the edits; a missing or negative coordinate gets its default.
void CTapwellDlg::OnBnClickedViewPos() {
    int32_t x = ReadEditInt(m_editX.m_hWnd, -1);
    if (x < 0) {
        x = kDefaultFixedX;
        m_editX.SetWindowText(std::to_wstring(x));
    }
    int32_t y = ReadEditInt(m_editY.m_hWnd, -1);
    if (y < 0) {
        y = kDefaultFixedY;
        m_editY.SetWindowText(std::to_wstring(y));
    }
    SetCursorPos(x, y);
}

// The flat light-grey look shared by the program's dialogs.
#pragma once

#include <windows.h>

#include "framework/dc.h"

class CWnd;

// Background of every dialog, of its static controls and of the move-to-point button.
constexpr COLORREF kDialogColor = RGB(246, 246, 246);

// WM_ERASEBKGND of every dialog: fills the client area with the dialog colour. Always TRUE.
BOOL OnEraseBkgnd(CWnd* dialog, CDC* dc);
inline LRESULT OnEraseBkgnd(CWnd* dialog, HDC hdc) {
    CDC dc(hdc);
    return OnEraseBkgnd(dialog, &dc);
}

// The common part of each dialog class's WM_CTLCOLOR answer: static controls (texts, group boxes,
// check boxes, radio buttons, disabled edits) are drawn transparently on `classBrush`, created
// the first time it is needed; every other kind keeps `baseBrush`, the base class's choice.
HBRUSH DialogCtlColor(CBrush& classBrush, CDC* dc, UINT kind, HBRUSH baseBrush);

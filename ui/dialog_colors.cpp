#include "ui/dialog_colors.h"

#include "framework/wnd.h"

BOOL OnEraseBkgnd(CWnd* dialog, CDC* dc) {
    RECT client{};
    dialog->GetClientRect(&client);
    dc->FillSolidRect(client, kDialogColor);
    return TRUE;
}

HBRUSH DialogCtlColor(CBrush& classBrush, CDC* dc, UINT kind, HBRUSH baseBrush) {
    // A brush that cannot be created is tried again at the next request.
    if (!classBrush) classBrush.CreateSolidBrush(kDialogColor);
    if (kind != CTLCOLOR_STATIC || !classBrush) return baseBrush;
    dc->SetBkMode(TRANSPARENT);
    return classBrush;
}

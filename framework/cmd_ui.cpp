#include "framework/cmd_ui.h"

void CCmdUI::Enable(BOOL on) {
    EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check) {
    CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (check != 0 ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
    m_bEnableChanged = FALSE;
    if (target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this)) return;
    if (!disableIfNoHandler || m_bEnableChanged) return;
    int probe = 0;  // asks only whether a command handler exists
    Enable(target->OnCmdMsg(m_nID, CN_COMMAND, &probe));
}

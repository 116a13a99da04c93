// The state of one menu item during a command-update pass.
#pragma once

#include <windows.h>

#include "framework/cmd_target.h"

class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    HMENU m_hMenu = nullptr;  // borrowed: the drop-down menu that holds the item

    // Update handlers set the item's state through these.
    void Enable(BOOL on = TRUE);
    void SetCheck(int check = 1);

    // Offers the item to `target`'s update handler; without one, and when asked, an item
    // without a command handler is disabled.
    void DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

private:
    BOOL m_bEnableChanged = FALSE;
};

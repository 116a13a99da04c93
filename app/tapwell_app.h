// The application object: one instance per user session, whose life is the main dialog's.
#pragma once

#include "framework/app.h"

class CTapwellApp : public CWinApp {
public:
    // Runs the main dialog modally; always FALSE, so the process ends when the dialog closes.
    BOOL InitInstance() override;
    BOOL OnCmdMsg(UINT id, int code, void* extra) override;

private:
    // ID_HELP, from Help > Help and from F1 in any of the program's dialogs: the product page.
    void OnAppHelp();
};

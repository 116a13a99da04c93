// The application object: one instance per user session, whose life is the main dialog's.
#pragma once

#include "framework/app.h"

class CTapwellApp : public CWinApp {
public:
    // Runs the main dialog modally; always FALSE, so the process ends when the dialog closes.
    BOOL InitInstance() override;
};

// The application object and the framework's global helpers.
#pragma once

#include <windows.h>

#include <string>

#include "framework/cmd_target.h"

class CWnd;

// The one application object. The entry code calls InitInstance; TRUE runs a message loop,
// FALSE ends the process.
class CWinApp : public CCmdTarget {
public:
    // Without a name, the application is named after the executable's file name.
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // The message loop for an application whose InitInstance returned TRUE.
    virtual int Run();

    // Kept for the program's start-up steps; there is no registry profile and no control hosting.
    void SetRegistryKey(const wchar_t* key) { (void)key; }

    CWnd* m_pMainWnd = nullptr;  // borrowed
    std::wstring m_strAppName;
    HINSTANCE m_hInstance;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();
// Registers `wc` unless its class exists already; TRUE when the class is there.
BOOL AfxRegisterClass(WNDCLASSW* wc);
// A message box over the active window, captioned with the application's name; a plain OK box
// carries the exclamation mark unless `type` names another icon.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK);
inline void AfxEnableControlContainer() {}
// The entry code: InitInstance, Run when it returned TRUE, ExitInstance.
int AfxWinMain();

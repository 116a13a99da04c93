#include "app/tapwell_app.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/program_paths.h"
#include "app/vendor_site.h"
#include "ui/tapwell_dlg.h"

namespace {

constexpr wchar_t kInstanceMutexName[] = L"Quillora_Tapwell_eio3ksfg";
constexpr wchar_t kMainWindowClass[] = L"Quillora_Tapwell_KIOP39D";

// True when another instance holds the mutex; that instance's main window is brought forward.
// The mutex of the first instance is never closed: it lives as long as the process.
bool AnotherInstanceRuns() {
    SetLastError(0);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
    if (mutex != nullptr) CloseHandle(mutex);
    HWND running = FindWindowW(kMainWindowClass, nullptr);
    if (running != nullptr) SetForegroundWindow(running);
    return true;
}

// The main dialog's own class: the system dialog class under the name a second instance looks for.
bool RegisterMainWindowClass() {
    WNDCLASSW wc{};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!GetClassInfoW(instance, L"#32770", &wc)) return false;
    wc.lpszClassName = kMainWindowClass;
    wc.hInstance = instance;  // the template's class is looked up in the program's own module
    AfxRegisterClass(&wc);
    return true;
}

}  // namespace

BOOL CTapwellApp::InitInstance() {
    if (AnotherInstanceRuns()) return FALSE;
    SetUpProgramPaths();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"Local AppWizard-Generated Applications");
    if (!RegisterMainWindowClass()) return FALSE;
    CTapwellDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

BOOL CTapwellApp::OnCmdMsg(UINT id, int code, void* extra) {
    if (code == CN_COMMAND && id == ID_HELP) return RunCommand(this, &CTapwellApp::OnAppHelp, extra);
    return CWinApp::OnCmdMsg(id, code, extra);
}

void CTapwellApp::OnAppHelp() { ShellExecuteW(nullptr, L"open", ProductPageUrl().c_str(), nullptr, nullptr, SW_SHOW); }

#include "framework/app.h"

#include "framework/wnd.h"

namespace {

CWinApp* g_app = nullptr;

// The executable's file name without folder and extension.
std::wstring ExecutableName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path);
    name.erase(0, name.find_last_of(L"\\/") + 1);
    const size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

}  // namespace

CWinApp::CWinApp(const wchar_t* appName)
    : m_strAppName(appName != nullptr ? appName : ExecutableName()), m_hInstance(GetModuleHandleW(nullptr)) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

int CWinApp::Run() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return ExitInstance();
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app != nullptr ? g_app->m_pMainWnd : nullptr; }

HINSTANCE AfxGetResourceHandle() { return GetModuleHandleW(nullptr); }

BOOL AfxRegisterClass(WNDCLASSW* wc) {
    WNDCLASSW existing{};
    if (GetClassInfoW(wc->hInstance, wc->lpszClassName, &existing)) return TRUE;
    return RegisterClassW(wc) != 0;
}

int AfxMessageBox(const wchar_t* text, UINT type) {
    CWnd* main = AfxGetMainWnd();
    HWND owner = GetActiveWindow();
    if (owner == nullptr && main != nullptr) owner = main->m_hWnd;
    const wchar_t* caption = g_app != nullptr ? g_app->m_strAppName.c_str() : nullptr;
    // A plain OK box is a warning: it shows the exclamation mark unless the caller chose an icon.
    if ((type & MB_ICONMASK) == 0 && (type & MB_TYPEMASK) == MB_OK) type |= MB_ICONEXCLAMATION;
    return MessageBoxW(owner, text, caption, type);
}

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    if (app->InitInstance()) return app->Run();
    return app->ExitInstance();
}

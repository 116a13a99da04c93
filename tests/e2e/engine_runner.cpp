// Runs one click run from the command line, with a small window of its own as the hosting dialog.
// Usage: engine_runner.exe name=value ...   (names as in ClickRunParameters; the window with window=L,T,R,B)
#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <string>

#include "engine/click_run.h"

namespace {

volatile BOOL g_stopRequested = FALSE;

LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        g_stopRequested = TRUE;  // as the dialog does: closing ends the run
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Apply(const wchar_t* arg, ClickRunParameters& p, RECT& own) {
    const wchar_t* eq = std::wcschr(arg, L'=');
    if (eq == nullptr) return;
    const std::wstring name(arg, eq);
    const wchar_t* value = eq + 1;
    const long long number = std::wcstoll(value, nullptr, 10);
    if (name == L"interval") p.interval = static_cast<int32_t>(number);
    if (name == L"clickPoint") p.clickPoint = static_cast<int32_t>(number);
    if (name == L"button") p.button = static_cast<int32_t>(number);
    if (name == L"action") p.action = static_cast<int32_t>(number);
    if (name == L"clickLimit") p.clickLimit = static_cast<uint32_t>(number);
    if (name == L"fixedX") p.fixedX = static_cast<int32_t>(number);
    if (name == L"fixedY") p.fixedY = static_cast<int32_t>(number);
    if (name == L"fixedMoveMouse") p.fixedMoveMouse = number != 0;
    if (name == L"window") std::swscanf(value, L"%ld,%ld,%ld,%ld", &own.left, &own.top, &own.right, &own.bottom);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ClickRunParameters params;
    params.swapButtons = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    RECT own{0, 0, 120, 80};
    for (int i = 1; i < __argc; ++i) Apply(__wargv[i], params, own);

    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"TapwellEngineRunner";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Engine runner", WS_POPUP | WS_VISIBLE, own.left, own.top,
                                  own.right - own.left, own.bottom - own.top, nullptr, nullptr, instance, nullptr);
    RunClickLoop(window, &g_stopRequested, params);
    DestroyWindow(window);
    return 0;
}

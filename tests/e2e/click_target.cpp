// A window that records every mouse-button message it receives, one line each, in a log file:
// "<kind> <screen x> <screen y> <milliseconds from the performance counter>".
// Usage: click_target.exe LOGFILE LEFT TOP WIDTH HEIGHT
#include <windows.h>
#include <windowsx.h>

#include <cstdio>
#include <cstdlib>

namespace {

FILE* g_log = nullptr;

const char* ButtonMessageName(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: return "LDOWN";
        case WM_LBUTTONUP: return "LUP";
        case WM_LBUTTONDBLCLK: return "LDBL";
        case WM_RBUTTONDOWN: return "RDOWN";
        case WM_RBUTTONUP: return "RUP";
        case WM_RBUTTONDBLCLK: return "RDBL";
        case WM_MBUTTONDOWN: return "MDOWN";
        case WM_MBUTTONUP: return "MUP";
        case WM_MBUTTONDBLCLK: return "MDBL";
        default: return nullptr;
    }
}

double NowMs() {
    LARGE_INTEGER frequency{}, counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Record(HWND window, const char* kind, LPARAM lParam) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &pt);
    std::fprintf(g_log, "%s %ld %ld %.3f\n", kind, pt.x, pt.y, NowMs());
    std::fflush(g_log);
}

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const char* kind = ButtonMessageName(message)) {
        Record(window, kind, lParam);
        return 0;
    }
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;  // clicks never take the foreground from anyone
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (__argc < 6) return 2;
    g_log = _wfopen(__wargv[1], L"w");
    if (g_log == nullptr) return 3;
    WNDCLASSW wc{};  // no CS_DBLCLKS: every press arrives as a down message
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(40, 160, 90));
    wc.lpszClassName = L"TapwellClickTarget";
    RegisterClassW(&wc);
    CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"Click target", WS_POPUP | WS_VISIBLE, _wtoi(__wargv[2]),
                    _wtoi(__wargv[3]), _wtoi(__wargv[4]), _wtoi(__wargv[5]), nullptr, nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    std::fclose(g_log);
    DeleteObject(wc.hbrBackground);
    return 0;
}

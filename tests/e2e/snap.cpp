// Waits for a visible top-level window of a class and saves a picture of it.
// Usage: snap.exe CLASS OUTPUT.png [TIMEOUT_MS]    Exit code 0 when the picture was saved.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "screenshot.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: snap CLASS OUTPUT.png [TIMEOUT_MS]\n");
        return 2;
    }
    const ULONGLONG deadline = GetTickCount64() + (argc > 3 ? _wtoi(argv[3]) : 20000);
    HWND window = nullptr;
    while ((window = FindWindowW(argv[1], nullptr)) == nullptr || !IsWindowVisible(window)) {
        if (GetTickCount64() >= deadline) return 1;
        Sleep(50);
    }
    Sleep(500);  // the window paints itself after it shows; there is no message that says it is done
    return SaveWindowPng(window, argv[2]) ? 0 : 1;
}

#include "tapwell_dialogs.h"

#include <tlhelp32.h>

#include "framework/handles.h"

#include "screenshot.h"

HWND WaitForDialog(const wchar_t* caption) {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindDialog(caption)) != nullptr; }, kWaitMs);
    return dialog;
}

bool WaitUntilGone(const wchar_t* caption) {
    return WaitUntil([&] { return FindDialog(caption) == nullptr; }, kWaitMs);
}

HWND FindDialog(const wchar_t* caption) {
    HWND dialog = FindWindowW(L"#32770", caption);
    return dialog != nullptr && IsWindowVisible(dialog) ? dialog : nullptr;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ItemText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

RECT ItemRect(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool ItemVisible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

void ClickOn(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void SaveScreenshot(HWND window, const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"TAPWELL_SCREENSHOTS", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DWORD_PTR ignored = 0;  // the painting above has been done once the window answers this
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, kWaitMs, &ignored);
    SaveWindowPng(window, std::wstring(folder) + L"\\" + name);
}

int ThreadCountOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE raw = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (raw == INVALID_HANDLE_VALUE) return -1;
    UniqueHandle snapshot(raw);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry)) {
        if (entry.th32OwnerProcessID == process) ++count;
    }
    return count;
}

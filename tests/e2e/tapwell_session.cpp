#include "tapwell_session.h"

#include <tlhelp32.h>

#include <vector>

#include "framework/handles.h"

#include "screenshot.h"

TapwellSession::TapwellSession() : m_process(std::make_unique<ChildProcess>(L"..\\..\\tapwell.exe", L"")) {
    if (!m_process->Started()) return;
    WaitUntil(
        [&] {
            m_main = FindWindowW(kMainWindowClass, nullptr);
            return m_main != nullptr && IsWindowVisible(m_main) && IsWindowEnabled(m_main);
        },
        kTimeoutMs);
}

HWND TapwellSession::WaitForDialog(const wchar_t* caption) const {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindDialog(caption)) != nullptr; }, kTimeoutMs);
    return dialog;
}

bool TapwellSession::WaitUntilGone(const wchar_t* caption) const {
    return WaitUntil([&] { return FindDialog(caption) == nullptr; }, kTimeoutMs);
}

bool TapwellSession::Close() {
    PostMessageW(m_main, WM_CLOSE, 0, 0);
    return m_process->WaitForExit(kTimeoutMs);
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

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

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
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, kTimeoutMs, &ignored);
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

#include "e2e_util.h"

#include <fstream>
#include <sstream>

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\'));
}

ChildProcess::ChildProcess(const std::wstring& exeName, const std::wstring& arguments) {
    wchar_t exe[MAX_PATH] = {};
    GetFullPathNameW((ProgramFolder() + L"\\" + exeName).c_str(), MAX_PATH, exe, nullptr);
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_info)) {
        m_info = PROCESS_INFORMATION{};
    }
}

ChildProcess::~ChildProcess() {
    if (!Started()) return;
    if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) {
    return Started() && WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return condition();
        Sleep(20);
    }
}

std::vector<TargetEvent> ReadTargetLog(const std::wstring& path) {
    std::vector<TargetEvent> events;
    std::ifstream in(path.c_str());
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        TargetEvent event;
        if (fields >> event.kind >> event.x >> event.y >> event.timeMs) events.push_back(event);
    }
    return events;
}

std::wstring TempFileName(const wchar_t* prefix) {
    wchar_t folder[MAX_PATH] = {};
    wchar_t name[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, prefix, 0, name);
    return name;
}

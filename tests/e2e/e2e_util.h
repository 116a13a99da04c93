// Helpers of the end-to-end tests: starting the helper programs and waiting for what they do.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// How long the tests wait for a state before they give up.
constexpr DWORD kWaitMs = 20000;

// The folder that holds the test binary and the helper programs built beside it.
std::wstring ProgramFolder();

// A started process, ended (if still running) and released on destruction. `exeName` is a path
// relative to ProgramFolder().
class ChildProcess {
public:
    ChildProcess(const std::wstring& exeName, const std::wstring& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return m_info.hProcess != nullptr; }
    DWORD ProcessId() const { return m_info.dwProcessId; }
    // Waits up to `timeoutMs` for the process to end; true when it has.
    bool WaitForExit(DWORD timeoutMs);

private:
    PROCESS_INFORMATION m_info{};
};

// Polls `condition` every 20 ms until it holds or `timeoutMs` has passed; returns its last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// One button message the click target received.
struct TargetEvent {
    std::string kind;
    long x = 0;
    long y = 0;
    double timeMs = 0;
};

std::vector<TargetEvent> ReadTargetLog(const std::wstring& path);

// A fresh temporary file name for a log.
std::wstring TempFileName(const wchar_t* prefix);

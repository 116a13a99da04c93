// Watching what the shell is asked to open: url_recorder.exe stands in for the browser.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Makes url_recorder.exe (beside the e2e tests) the shell's handler of http addresses for its
// lifetime, recording into a fresh log; the previous handler comes back on destruction.
class OpenedUrls {
public:
    explicit OpenedUrls(const std::wstring& recorderPath);
    ~OpenedUrls();
    OpenedUrls(const OpenedUrls&) = delete;
    OpenedUrls& operator=(const OpenedUrls&) = delete;

    bool Registered() const { return m_bRegistered; }
    // The addresses opened so far, in order.
    std::vector<std::string> List() const;
    // Polls until at least `count` addresses have been opened, or `timeoutMs` has passed.
    std::vector<std::string> WaitFor(size_t count, DWORD timeoutMs) const;

private:
    std::wstring m_log;
    std::wstring m_oldCommand;
    bool m_bHadOld = false;
    bool m_bRegistered = false;
};

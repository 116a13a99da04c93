// The tests' side of the local vendor site (tools/site-server.py): choosing its answers and
// reading what it saw. tools/run-tests.sh starts it and names it in TAPWELL_TEST_SITE_SERVER.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TestSite {
public:
    // The server's host:port from the environment; empty when the tests run without it.
    static std::wstring Address();

    // The address of `path` on the server itself, e.g. http://127.0.0.1:4711/tapwell-checkupdate.html.
    static std::wstring Url(const std::wstring& path);
    // The value for http_proxy that sends a program's requests for any site to the server.
    static std::wstring ProxyUrl() { return L"http://" + Address(); }

    // How page requests are answered from now on; see tools/site-server.py for the modes.
    static bool Reply(int status, const std::string& body, const char* mode = "normal", size_t size = 0);
    static bool Release();
    // Empties the log and lets every held request go.
    static bool Reset();
    // One line per event: "GET <url>\t<user agent>" or "SENT <url>".
    static std::vector<std::string> Log();
    // Polls the log until a line starts with `prefix`; true when one did within `timeoutMs`.
    static bool WaitForLogLine(const std::string& prefix, DWORD timeoutMs);
};

// Sets an environment variable of this process (and so of the programs it starts) for its lifetime.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::wstring m_name;
    std::wstring m_old;
    bool m_hadOld;
};

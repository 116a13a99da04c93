#include "test_site.h"

#include <wininet.h>

#include <sstream>

#include "framework/handles.h"

namespace {

// Every byte outside letters and digits as %XX, so any body survives the query string.
std::string PercentEncode(const std::string& bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            out.push_back(static_cast<char>(c));
        } else {
            out += {'%', kHex[c >> 4], kHex[c & 15]};
        }
    }
    return out;
}

// A direct GET (no proxy) of a control path; the body, or nothing when the request failed.
bool Control(const std::string& pathAndQuery, std::string* body = nullptr) {
    UniqueInternetHandle session(InternetOpenW(L"tapwell-tests", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session) return false;
    const std::wstring url = TestSite::Url(std::wstring(pathAndQuery.begin(), pathAndQuery.end()));
    UniqueInternetHandle request(InternetOpenUrlW(session.Get(), url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
    if (!request) return false;
    char piece[4096];
    DWORD count = 0;
    while (InternetReadFile(request.Get(), piece, sizeof(piece), &count) && count > 0) {
        if (body != nullptr) body->append(piece, count);
    }
    return true;
}

}  // namespace

std::wstring TestSite::Address() {
    wchar_t value[256] = {};
    const DWORD length = GetEnvironmentVariableW(L"TAPWELL_TEST_SITE_SERVER", value, 256);
    return length > 0 && length < 256 ? std::wstring(value, length) : std::wstring();
}

std::wstring TestSite::Url(const std::wstring& path) { return L"http://" + Address() + path; }

bool TestSite::Reply(int status, const std::string& body, const char* mode, size_t size) {
    std::ostringstream query;
    query << "/control/reply?status=" << status << "&mode=" << mode << "&size=" << size
          << "&body=" << PercentEncode(body);
    return Control(query.str());
}

bool TestSite::Release() { return Control("/control/release"); }

bool TestSite::Reset() { return Control("/control/reset"); }

std::vector<std::string> TestSite::Log() {
    std::string text;
    Control("/control/log", &text);
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool TestSite::WaitForLogLine(const std::string& prefix, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        for (const std::string& line : Log()) {
            if (line.rfind(prefix, 0) == 0) return true;
        }
        if (GetTickCount64() >= deadline) return false;
        Sleep(20);
    }
}

ScopedEnvironment::ScopedEnvironment(const wchar_t* name, const std::wstring& value) : m_name(name) {
    wchar_t old[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, old, 1024);
    m_hadOld = length > 0 && length < 1024;
    if (m_hadOld) m_old.assign(old, length);
    SetEnvironmentVariableW(name, value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() { SetEnvironmentVariableW(m_name.c_str(), m_hadOld ? m_old.c_str() : nullptr); }

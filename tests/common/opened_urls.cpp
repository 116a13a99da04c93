#include "opened_urls.h"

#include <fstream>

namespace {

constexpr wchar_t kHttpCommandKey[] = L"http\\shell\\open\\command";

bool ReadDefault(HKEY key, std::wstring& value) {
    wchar_t text[2048] = {};
    DWORD size = sizeof(text) - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS) {
        return false;
    }
    value = text;
    return true;
}

bool WriteDefault(HKEY key, const std::wstring& value) {
    const DWORD size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), size) == ERROR_SUCCESS;
}

std::wstring FreshLogName() {
    wchar_t folder[MAX_PATH] = {};
    wchar_t name[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"url", 0, name);
    return name;
}

}  // namespace

OpenedUrls::OpenedUrls(const std::wstring& recorderPath) : m_log(FreshLogName()) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, kHttpCommandKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    m_bHadOld = ReadDefault(key, m_oldCommand);
    m_bRegistered = WriteDefault(key, L"\"" + recorderPath + L"\" \"" + m_log + L"\" \"%1\"");
    RegCloseKey(key);
}

OpenedUrls::~OpenedUrls() {
    HKEY key = nullptr;
    if (m_bRegistered && RegOpenKeyExW(HKEY_CLASSES_ROOT, kHttpCommandKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
        if (m_bHadOld) {
            WriteDefault(key, m_oldCommand);
        } else {
            RegDeleteValueW(key, nullptr);
        }
        RegCloseKey(key);
    }
    DeleteFileW(m_log.c_str());
}

std::vector<std::string> OpenedUrls::List() const {
    std::vector<std::string> urls;
    std::ifstream in(m_log.c_str());
    for (std::string line; std::getline(in, line);) urls.push_back(line);
    return urls;
}

std::vector<std::string> OpenedUrls::WaitFor(size_t count, DWORD timeoutMs) const {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (List().size() < count && GetTickCount64() < deadline) Sleep(20);
    return List();
}

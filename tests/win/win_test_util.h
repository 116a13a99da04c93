// Small helpers shared by the Windows tests: temporary folders, files and windows.
#pragma once

#include <windows.h>

#include <string>

// How long the tests wait for a state before they give up.
constexpr DWORD kTimeoutMs = 20000;

// A fresh folder under the system's temporary folder, removed with its contents on destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

// The bytes of a file as text (the profile functions write plain single-byte text); empty if missing.
std::string ReadTextFile(const std::wstring& path);
void WriteTextFile(const std::wstring& path, const std::string& text);
bool FolderExists(const std::wstring& path);

// A window destroyed with its owner object.
class TestWindow {
public:
    explicit TestWindow(HWND window) : m_hWnd(window) {}
    ~TestWindow() {
        if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

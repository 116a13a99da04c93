#include "tapwell_driver.h"

#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "res/resource.h"

namespace {

constexpr DWORD kCloseWaitMs = 5000;

// The program's settings folder below the roaming application-data folder.
std::wstring SettingsFolder() {
    wchar_t appData[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, appData, CSIDL_APPDATA, FALSE);
    return std::wstring(appData) + L"\\Quillora\\Tapwell";
}

// `line` without the carriage return and line feed at its end.
std::string TrimLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
}

// One press or release of a virtual key, with its scan code.
INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// One mouse button event at the cursor.
INPUT MouseInput(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    return input;
}

}  // namespace

std::wstring SettingsFile() { return SettingsFolder() + L"\\conf.ini"; }

void DeleteSettingsFile() { DeleteFileW(SettingsFile().c_str()); }

void WriteSettingsFile(const std::string& text) {
    const std::wstring folder = SettingsFolder();
    CreateDirectoryW(folder.substr(0, folder.rfind(L'\\')).c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    std::ofstream out(SettingsFile().c_str(), std::ios::binary | std::ios::trunc);
    out << text;
}

std::string ReadSettingsText() {
    std::ifstream in(SettingsFile().c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::pair<std::string, std::string>> ReadSettingsFile() {
    std::vector<std::pair<std::string, std::string>> entries;
    std::istringstream in(ReadSettingsText());
    std::string line;
    bool inOption = false;
    while (std::getline(in, line)) {
        line = TrimLineEnd(line);
        if (!line.empty() && line.front() == '[') {
            inOption = line == "[Option]";
            continue;
        }
        const size_t eq = line.find('=');
        if (inOption && eq != std::string::npos) entries.emplace_back(line.substr(0, eq), line.substr(eq + 1));
    }
    return entries;
}

std::vector<HWND> TopLevelWindows(const wchar_t* className) {
    std::vector<HWND> windows;
    for (HWND w = FindWindowExW(nullptr, nullptr, className, nullptr); w != nullptr;
         w = FindWindowExW(nullptr, w, className, nullptr)) {
        windows.push_back(w);
    }
    return windows;
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(KeyInput(key, false));
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) inputs.push_back(KeyInput(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void ClickMouse(DWORD downFlag, DWORD upFlag) {
    INPUT inputs[] = {MouseInput(downFlag), MouseInput(upFlag)};
    SendInput(2, inputs, sizeof(INPUT));
}

POINT CursorPos() {
    POINT pt{};
    GetCursorPos(&pt);
    return pt;
}

TapwellDriver::TapwellDriver(const std::wstring& exe) : m_process(exe, L"") {}

// A dialog that does not close when asked (a message box still open) is ended by m_process.
TapwellDriver::~TapwellDriver() {
    if (m_window != nullptr && IsWindow(m_window)) Close(kCloseWaitMs);
}

bool TapwellDriver::WaitForWindow() {
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows(kTapwellClass)) {
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                if (pid == ProcessId() && IsWindowVisible(w)) m_window = w;
            }
            return m_window != nullptr;
        },
        kWaitMs);
    return m_window != nullptr;
}

void TapwellDriver::MoveTo(int x, int y) const {
    SetWindowPos(m_window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TapwellDriver::BringToForeground() const {
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() == m_window) return true;
            SetForegroundWindow(m_window);
            return false;
        },
        kWaitMs);
}

std::wstring TapwellDriver::Text(int id) const {
    wchar_t text[512] = {};
    SendMessageW(Control(id), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring TapwellDriver::Title() const {
    wchar_t text[256] = {};
    GetWindowTextW(m_window, text, 256);
    return text;
}

void TapwellDriver::SetText(int id, const std::wstring& text) const {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool TapwellDriver::Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

int TapwellDriver::Selection(int id) const { return static_cast<int>(SendMessageW(Control(id), CB_GETCURSEL, 0, 0)); }

void TapwellDriver::Select(int id, int index) const { SendMessageW(Control(id), CB_SETCURSEL, index, 0); }

void TapwellDriver::Click(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }

void TapwellDriver::PostClick(int id) const { PostMessageW(Control(id), BM_CLICK, 0, 0); }

HWND TapwellDriver::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(m_window, nullptr), &info);
    return info.hwndFocus;
}

bool TapwellDriver::Idle() const { return Enabled(IDC_BTN_START) && !Enabled(IDC_BTN_STOP); }

bool TapwellDriver::Running() const { return !Enabled(IDC_BTN_START) && Enabled(IDC_BTN_STOP); }

bool TapwellDriver::WaitUntilIdle() const {
    return WaitUntil([&] { return Idle(); }, kWaitMs) && Sync();
}

bool TapwellDriver::WaitUntilRunning() const {
    return WaitUntil([&] { return Running(); }, kWaitMs) && Sync();
}

bool TapwellDriver::Sync() const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &result) != 0;
}

bool TapwellDriver::Close(DWORD timeoutMs) {
    PostMessageW(m_window, WM_CLOSE, 0, 0);
    return WaitForExit(timeoutMs);
}

// Drives the real tapwell.exe from outside: its settings file, its main window and its controls,
// reached through window messages, and the keyboard and mouse through SendInput.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "e2e_util.h"

// The class of the program's main dialog window.
inline constexpr wchar_t kTapwellClass[] = L"Quillora_Tapwell_KIOP39D";

// How long a state that must not come is given to show up anyway.
constexpr DWORD kMustNotHappenMs = 400;

// conf.ini in the shared test prefix; the folder is created when a file is written.
std::wstring SettingsFile();
void DeleteSettingsFile();
void WriteSettingsFile(const std::string& text);
// The file's bytes; empty when there is no file.
std::string ReadSettingsText();
// The key=value lines of conf.ini's [Option] section, in file order; empty when there is no file.
std::vector<std::pair<std::string, std::string>> ReadSettingsFile();

// Every top-level window of `className`, visible or not.
std::vector<HWND> TopLevelWindows(const wchar_t* className);

// The keys pressed in order and released in reverse order, e.g. {VK_CONTROL, VK_F1}.
void PressKeys(std::initializer_list<WORD> keys);
// A press and release of a mouse button where the cursor is (flags of MOUSEINPUT).
void ClickMouse(DWORD downFlag, DWORD upFlag);
POINT CursorPos();

// One tapwell.exe process and its main dialog. The process is closed, or ended, on destruction.
class TapwellDriver {
public:
    // Starts the program at `exe`, a path relative to the test binary's folder.
    explicit TapwellDriver(const std::wstring& exe = L"..\\..\\tapwell.exe");
    ~TapwellDriver();
    TapwellDriver(const TapwellDriver&) = delete;
    TapwellDriver& operator=(const TapwellDriver&) = delete;

    bool Started() const { return m_process.Started(); }
    // Waits for the main dialog to show and keeps its handle; false if it did not.
    bool WaitForWindow();
    HWND Window() const { return m_window; }
    DWORD ProcessId() const { return m_process.ProcessId(); }
    bool WaitForExit(DWORD timeoutMs) { return m_process.WaitForExit(timeoutMs); }

    // Moves the dialog's top-left corner to (x, y) on the screen, keeping its size.
    void MoveTo(int x, int y) const;
    // Makes the dialog the foreground window, so that keys reach it.
    bool BringToForeground() const;

    HWND Control(int id) const { return GetDlgItem(m_window, id); }
    std::wstring Text(int id) const;
    std::wstring Title() const;
    void SetText(int id, const std::wstring& text) const;
    bool Checked(int id) const;
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    int Selection(int id) const;
    void Select(int id, int index) const;
    // A press of a button through BM_CLICK; returns when the button's handler has returned.
    void Click(int id) const;
    // The same press, queued: for Start, whose handler returns only when the run has ended.
    void PostClick(int id) const;
    // Sends a menu or button command to the dialog, as its menu bar would.
    void Command(int id) const { PostMessageW(m_window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // The window that has the keyboard focus in the dialog's thread.
    HWND Focus() const;

    // Idle: Start enabled, Stop disabled. Running: the reverse.
    bool Idle() const;
    bool Running() const;
    // Wait for the state, then for the dialog's thread to take a message again: the handler that
    // changed the buttons has then set every other control too.
    bool WaitUntilIdle() const;
    bool WaitUntilRunning() const;
    // Returns once the dialog's thread has taken a message (WM_NULL) again.
    bool Sync() const;

    // Asks the dialog to close (WM_CLOSE) and waits for the process to end.
    bool Close(DWORD timeoutMs = kWaitMs);

private:
    ChildProcess m_process;
    HWND m_window = nullptr;
};

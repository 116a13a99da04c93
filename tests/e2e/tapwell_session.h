// Driving the real tapwell.exe from outside: starting it, finding its dialogs, reading their
// controls and sending it the input a user would.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "e2e_util.h"

// The update dialog's texts of each state.
constexpr wchar_t kCheckingText[] = L"Obtaining the latest version, please wait...";
constexpr wchar_t kFailedText[] = L"Connection timed out! Please check your network connection and try again.";
constexpr wchar_t kUpToDateText[] = L"The current program is the latest version, no update!";
constexpr wchar_t kNewerText[] = L"There is a new version, would you like to check it out now?";

// Identifiers of the program's windows and commands that the tests use.
constexpr wchar_t kMainWindowClass[] = L"Quillora_Tapwell_KIOP39D";
constexpr int kMenuExit = 32777;
constexpr int kMenuAbout = 32773;
constexpr int kMenuUpdate = 32775;
constexpr int kMenuHelp = 32776;
constexpr int kSysAbout = 0x0010;
constexpr int kStartButton = 1000;
constexpr int kStopButton = 1001;
constexpr int kAboutVersion = 1011;
constexpr int kAboutLink = 1010;
constexpr int kUpdateStatus = 1016;
constexpr int kUpdateOk = 1017;
constexpr int kUpdateCancel = 1020;

constexpr DWORD kTimeoutMs = 20000;

// One run of tapwell.exe, ended on destruction if it is still running.
class TapwellSession {
public:
    TapwellSession();

    bool Started() const { return m_main != nullptr; }
    HWND Main() const { return m_main; }
    bool WaitForExit(DWORD timeoutMs) { return m_process->WaitForExit(timeoutMs); }

    // Sends a menu or button command to the main dialog, as its menu bar would.
    void Command(int id) const { PostMessageW(m_main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // Waits for the program's top-level dialog with this caption; null when none showed.
    HWND WaitForDialog(const wchar_t* caption) const;
    // Waits until the dialog with this caption is gone; true when it went.
    bool WaitUntilGone(const wchar_t* caption) const;
    // Ends the program through its close command and waits for it.
    bool Close();

private:
    std::unique_ptr<ChildProcess> m_process;
    HWND m_main = nullptr;
};

// A top-level window of class #32770 with this caption, visible; null when there is none.
HWND FindDialog(const wchar_t* caption);
std::wstring TextOf(HWND window);
std::wstring ItemText(HWND dialog, int id);
// The rectangle of control `id` in its dialog's client coordinates.
RECT ItemRect(HWND dialog, int id);
bool ItemVisible(HWND dialog, int id);

// Presses the keys in order and releases them in reverse, through the system's input queue.
void PressKeys(std::initializer_list<WORD> keys);
// Moves the pointer to the middle of `window` and clicks the left button there.
void ClickOn(HWND window);
// Saves a picture of `window` as `name` in the folder that TAPWELL_SCREENSHOTS names; nothing without it.
void SaveScreenshot(HWND window, const wchar_t* name);
// The number of threads of the process that owns `window`.
int ThreadCountOf(HWND window);

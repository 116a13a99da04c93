// The program's other dialogs (About, update), found and read from outside.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "e2e_util.h"

// The update dialog's texts of each state.
constexpr wchar_t kCheckingText[] = L"Obtaining the latest version, please wait...";
constexpr wchar_t kFailedText[] = L"Connection timed out! Please check your network connection and try again.";
constexpr wchar_t kUpToDateText[] = L"The current program is the latest version, no update!";
constexpr wchar_t kNewerText[] = L"There is a new version, would you like to check it out now?";

// Identifiers of the program's windows and commands that the tests use.
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

// Waits for the program's top-level dialog with this caption; null when none showed.
HWND WaitForDialog(const wchar_t* caption);
// Waits until the dialog with this caption is gone; true when it went.
bool WaitUntilGone(const wchar_t* caption);

// A top-level window of class #32770 with this caption, visible; null when there is none.
HWND FindDialog(const wchar_t* caption);
std::wstring TextOf(HWND window);
std::wstring ItemText(HWND dialog, int id);
// The rectangle of control `id` in its dialog's client coordinates.
RECT ItemRect(HWND dialog, int id);
bool ItemVisible(HWND dialog, int id);

// Moves the pointer to the middle of `window` and clicks the left button there.
void ClickOn(HWND window);
// Saves a picture of `window` as `name` in the folder that TAPWELL_SCREENSHOTS names; nothing without it.
void SaveScreenshot(HWND window, const wchar_t* name);
// The number of threads of the process that owns `window`.
int ThreadCountOf(HWND window);

// Where the program finds its files: its own folder and the per-user settings file.
#pragma once

#include <string>

// Size of the buffer that holds the executable's folder, including the terminating zero.
constexpr unsigned kModuleDirectorySize = 520;

// The executable's folder without a trailing backslash (ANSI text); empty until set.
extern char ModuleDirectory[kModuleDirectorySize];
// The roaming application-data folder followed by "\Quillora\Tapwell".
extern std::wstring SettingsFolderPath;
// SettingsFolderPath followed by "\conf.ini".
extern std::wstring SettingsFilePath;

// Fixes the three paths once at start-up and creates the settings folder.
void SetUpProgramPaths();

// Sets ModuleDirectory from the executable's path; false leaves it as it was.
bool ReadModuleDirectory();

// Creates every missing folder of `path`; true when the last one was created by this call.
bool CreateFolderChain(const std::wstring& path);

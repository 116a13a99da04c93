// Loading the settings file into the main dialog's controls and saving the controls back.
#pragma once

#include <windows.h>

#include <string>

// Control identifiers of the twelve controls that show the settings.
enum SettingsControlId : int {
    kIdEditInterval = 1002,
    kIdComboMouse = 1003,
    kIdComboAction = 1004,
    kIdRadioMousePos = 1005,
    kIdRadioFixedPoint = 1006,
    kIdCheckMoveMouse = 1007,
    kIdEditClickCount = 1009,
    kIdEditClickFor = 1010,
    kIdEditX = 1012,
    kIdEditY = 1014,
    kIdRadioClickCount = 1016,
    kIdRadioClickFor = 1017,
    kIdComboTimeUnit = 1018,
    kIdCheckNoActivate = 1021,
};

// Reads every key of `iniPath` (or its default) into the controls of `dialog`.
// Called once, after the lists are filled and before the enable rules are applied.
void LoadSettingsFile(HWND dialog, const std::wstring& iniPath);

// Writes what the controls of `dialog` show into `iniPath`; a file that cannot be written is ignored.
void SaveSettingsFile(HWND dialog, const std::wstring& iniPath);

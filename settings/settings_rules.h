// The settings file's keys and the rules that turn its values into control states and back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The section that holds every key.
inline constexpr const wchar_t* kSettingsSection = L"Option";

// Each value is read into a buffer of this many characters, so longer values are cut.
constexpr size_t kSettingsValueBuffer = 260;

struct SettingsKey {
    const wchar_t* name;
    const wchar_t* defaultValue;  // used when the file, the section or the key is missing
};

constexpr size_t kSettingsKeyCount = 12;

// The keys, in the order in which they are read and written.
inline constexpr std::array<SettingsKey, kSettingsKeyCount> kSettingsKeys{{
    {L"NoActivate", L"0"},
    {L"ClickCountType", L"FixedCount"},
    {L"ClickCount", L"0"},
    {L"ForTime", L"0"},
    {L"ForTimeType", L"2"},
    {L"Interval", L"1000"},
    {L"Mouse", L"0"},
    {L"Action", L"0"},
    {L"ClickPoint", L"0"},
    {L"FixedX", L"1000"},
    {L"FixedY", L"500"},
    {L"FixedMoveMouse", L"1"},
}};

using SettingsValues = std::array<std::wstring, kSettingsKeyCount>;

// What the twelve controls of the main dialog show: the only live copy of the settings.
struct SettingsControls {
    bool noActivate = false;     // check box "Do not activate this window when click stopped"
    bool countByNumber = false;  // radio "Click"
    bool countByTime = false;    // radio "Click for"
    std::wstring clickCount;     // edit: number of clicks
    std::wstring forTime;        // edit: length of the run
    int32_t timeUnit = -1;       // list selection: ms, second, minute, hour
    std::wstring interval;       // edit: milliseconds between clicks
    int32_t mouse = -1;          // list selection: left, middle, right
    int32_t action = -1;         // list selection: single, double, down, up
    bool atCursor = false;       // radio "Click where the mouse is "
    bool atFixedPoint = false;   // radio "Click on a fixed point"
    std::wstring fixedX;         // edit: X of the fixed point
    std::wstring fixedY;         // edit: Y of the fixed point
    bool moveMouse = false;      // check box "Move mouse to the fixed point"
};

// How many items the three lists hold; an index read from the file must be below it.
struct SettingsListSizes {
    int32_t timeUnits = 4;
    int32_t mouseButtons = 3;
    int32_t actions = 4;
};

// The control states for the values read from the file (defaults already applied to missing keys).
// Controls start unchecked; `countByNumber`/`countByTime` and `noActivate` are only ever set, never cleared.
SettingsControls SettingsFromValues(const SettingsValues& values, const SettingsListSizes& sizes = {});

// The values to write for what the controls show; edit texts are kept as typed.
SettingsValues ValuesFromSettings(const SettingsControls& controls);

#include "settings/settings_rules.h"

#include "engine/edit_number.h"

namespace {

enum KeyIndex : size_t {
    kNoActivate,
    kClickCountType,
    kClickCount,
    kForTime,
    kForTimeType,
    kInterval,
    kMouse,
    kAction,
    kClickPoint,
    kFixedX,
    kFixedY,
    kFixedMoveMouse
};

// A list index from the file: a number below the list's size, taken unsigned so negatives fail too.
int32_t ListIndex(const std::wstring& value, int32_t size, int32_t fallback) {
    int32_t index = 0;
    if (!ScanDecimalInt(value, index)) return fallback;
    return static_cast<uint32_t>(index) < static_cast<uint32_t>(size) ? index : fallback;
}

// An edit text that replaces one exact value (the default "0" or an empty text) with `shown`.
std::wstring Replace(const std::wstring& value, const wchar_t* when, const wchar_t* shown) {
    return value == when ? std::wstring(shown) : value;
}

std::wstring OrIfEmpty(const std::wstring& text, const wchar_t* fallback) {
    return text.empty() ? std::wstring(fallback) : text;
}

const wchar_t* Flag(bool set) { return set ? L"1" : L"0"; }

}  // namespace

SettingsControls SettingsFromValues(const SettingsValues& values, const SettingsListSizes& sizes) {
    SettingsControls c;
    c.noActivate = values[kNoActivate] == L"1";
    c.countByTime = values[kClickCountType] == L"ForTime";
    c.countByNumber = !c.countByTime;
    c.clickCount = Replace(values[kClickCount], L"0", L"100");
    c.forTime = Replace(values[kForTime], L"0", L"1");
    c.timeUnit = ListIndex(values[kForTimeType], sizes.timeUnits, 2);
    c.interval = Replace(values[kInterval], L"", L"1000");
    c.mouse = ListIndex(values[kMouse], sizes.mouseButtons, 0);
    c.action = ListIndex(values[kAction], sizes.actions, 0);
    int32_t clickPoint = 0;
    if (!ScanDecimalInt(values[kClickPoint], clickPoint)) clickPoint = 0;
    c.atCursor = clickPoint == 0;
    c.atFixedPoint = clickPoint == 1;
    c.fixedX = Replace(values[kFixedX], L"", L"1000");
    c.fixedY = Replace(values[kFixedY], L"", L"500");
    c.moveMouse = values[kFixedMoveMouse] == L"1";
    return c;
}

SettingsValues ValuesFromSettings(const SettingsControls& c) {
    SettingsValues v;
    v[kNoActivate] = Flag(c.noActivate);
    v[kClickCountType] = c.countByNumber ? L"FixedCount" : L"ForTime";
    v[kClickCount] = OrIfEmpty(c.clickCount, L"100");
    v[kForTime] = OrIfEmpty(c.forTime, L"1");
    v[kForTimeType] = std::to_wstring(c.timeUnit);
    v[kInterval] = c.interval;
    v[kMouse] = std::to_wstring(c.mouse);
    v[kAction] = std::to_wstring(c.action);
    v[kClickPoint] = c.atCursor ? L"0" : L"1";
    v[kFixedX] = c.fixedX;
    v[kFixedY] = c.fixedY;
    v[kFixedMoveMouse] = Flag(c.moveMouse);
    return v;
}

#include "settings/settings_store.h"

#include "framework/window_text.h"
#include "settings/settings_rules.h"

namespace {

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

std::wstring EditText(HWND dialog, int id) { return GetWindowString(GetDlgItem(dialog, id)); }

void SetEditText(HWND dialog, int id, const std::wstring& text) { SetDlgItemTextW(dialog, id, text.c_str()); }

int32_t Selection(HWND dialog, int id) {
    return static_cast<int32_t>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

void Select(HWND dialog, int id, int32_t index) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int32_t ItemCount(HWND dialog, int id) {
    return static_cast<int32_t>(SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0));
}

SettingsValues ReadValues(const std::wstring& iniPath) {
    SettingsValues values;
    for (size_t i = 0; i < kSettingsKeyCount; ++i) {
        wchar_t buffer[kSettingsValueBuffer] = {};
        GetPrivateProfileStringW(kSettingsSection, kSettingsKeys[i].name, kSettingsKeys[i].defaultValue, buffer,
                                 kSettingsValueBuffer, iniPath.c_str());
        values[i] = buffer;
    }
    return values;
}

SettingsControls ReadControls(HWND dialog) {
    SettingsControls c;
    c.noActivate = IsChecked(dialog, kIdCheckNoActivate);
    c.countByNumber = IsChecked(dialog, kIdRadioClickCount);
    c.countByTime = IsChecked(dialog, kIdRadioClickFor);
    c.clickCount = EditText(dialog, kIdEditClickCount);
    c.forTime = EditText(dialog, kIdEditClickFor);
    c.timeUnit = Selection(dialog, kIdComboTimeUnit);
    c.interval = EditText(dialog, kIdEditInterval);
    c.mouse = Selection(dialog, kIdComboMouse);
    c.action = Selection(dialog, kIdComboAction);
    c.atCursor = IsChecked(dialog, kIdRadioMousePos);
    c.atFixedPoint = IsChecked(dialog, kIdRadioFixedPoint);
    c.fixedX = EditText(dialog, kIdEditX);
    c.fixedY = EditText(dialog, kIdEditY);
    c.moveMouse = IsChecked(dialog, kIdCheckMoveMouse);
    return c;
}

// Sets the controls in the order of the keys. The "do not activate" box and the count radios are
// only ever checked here: they start unchecked.
void ApplyControls(HWND dialog, const SettingsControls& c) {
    if (c.noActivate) SetChecked(dialog, kIdCheckNoActivate, true);
    SetChecked(dialog, c.countByTime ? kIdRadioClickFor : kIdRadioClickCount, true);
    SetEditText(dialog, kIdEditClickCount, c.clickCount);
    SetEditText(dialog, kIdEditClickFor, c.forTime);
    Select(dialog, kIdComboTimeUnit, c.timeUnit);
    SetEditText(dialog, kIdEditInterval, c.interval);
    Select(dialog, kIdComboMouse, c.mouse);
    Select(dialog, kIdComboAction, c.action);
    SetChecked(dialog, kIdRadioMousePos, c.atCursor);
    SetChecked(dialog, kIdRadioFixedPoint, c.atFixedPoint);
    SetEditText(dialog, kIdEditX, c.fixedX);
    SetEditText(dialog, kIdEditY, c.fixedY);
    SetChecked(dialog, kIdCheckMoveMouse, c.moveMouse);
}

}  // namespace

void LoadSettingsFile(HWND dialog, const std::wstring& iniPath) {
    const SettingsListSizes sizes{ItemCount(dialog, kIdComboTimeUnit), ItemCount(dialog, kIdComboMouse),
                                  ItemCount(dialog, kIdComboAction)};
    ApplyControls(dialog, SettingsFromValues(ReadValues(iniPath), sizes));
}

void SaveSettingsFile(HWND dialog, const std::wstring& iniPath) {
    const SettingsValues values = ValuesFromSettings(ReadControls(dialog));
    for (size_t i = 0; i < kSettingsKeyCount; ++i) {
        WritePrivateProfileStringW(kSettingsSection, kSettingsKeys[i].name, values[i].c_str(), iniPath.c_str());
    }
}

#include "settings/settings_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The values LoadSettings sees when the file has no keys at all.
SettingsValues Defaults() {
    SettingsValues values;
    for (size_t i = 0; i < kSettingsKeyCount; ++i) values[i] = kSettingsKeys[i].defaultValue;
    return values;
}

size_t KeyIndex(const std::wstring& name) {
    for (size_t i = 0; i < kSettingsKeyCount; ++i) {
        if (name == kSettingsKeys[i].name) return i;
    }
    ADD_FAILURE() << "no such key";
    return 0;
}

SettingsControls LoadWith(const std::wstring& key, const std::wstring& value) {
    SettingsValues values = Defaults();
    values[KeyIndex(key)] = value;
    return SettingsFromValues(values);
}

TEST(SettingsRules, KeysInFileOrder) {
    const wchar_t* names[] = {L"NoActivate",  L"ClickCountType", L"ClickCount", L"ForTime",
                              L"ForTimeType", L"Interval",       L"Mouse",      L"Action",
                              L"ClickPoint",  L"FixedX",         L"FixedY",     L"FixedMoveMouse"};
    for (size_t i = 0; i < kSettingsKeyCount; ++i) EXPECT_EQ(std::wstring(kSettingsKeys[i].name), names[i]);
}

TEST(SettingsRules, NoFileGivesTheFreshDialog) {
    const SettingsControls c = SettingsFromValues(Defaults());
    EXPECT_FALSE(c.noActivate);
    EXPECT_TRUE(c.countByNumber);
    EXPECT_FALSE(c.countByTime);
    EXPECT_EQ(c.clickCount, L"100");
    EXPECT_EQ(c.forTime, L"1");
    EXPECT_EQ(c.timeUnit, 2);
    EXPECT_EQ(c.interval, L"1000");
    EXPECT_EQ(c.mouse, 0);
    EXPECT_EQ(c.action, 0);
    EXPECT_TRUE(c.atCursor);
    EXPECT_FALSE(c.atFixedPoint);
    EXPECT_EQ(c.fixedX, L"1000");
    EXPECT_EQ(c.fixedY, L"500");
    EXPECT_TRUE(c.moveMouse);
}

TEST(SettingsRules, EditTextsFromTheFile) {
    struct Case {
        const wchar_t* key;
        const wchar_t* value;
        std::wstring SettingsControls::*field;
        const wchar_t* shown;
    } cases[] = {
        {L"ClickCount", L"0", &SettingsControls::clickCount, L"100"},
        {L"ClickCount", L"", &SettingsControls::clickCount, L""},
        {L"ClickCount", L"abc", &SettingsControls::clickCount, L"abc"},
        {L"ForTime", L"0", &SettingsControls::forTime, L"1"},
        {L"ForTime", L"00", &SettingsControls::forTime, L"00"},
        {L"ForTime", L"", &SettingsControls::forTime, L""},
        {L"Interval", L"", &SettingsControls::interval, L"1000"},
        {L"Interval", L"0", &SettingsControls::interval, L"0"},
        {L"Interval", L"-5", &SettingsControls::interval, L"-5"},
        {L"FixedX", L"", &SettingsControls::fixedX, L"1000"},
        {L"FixedX", L"0", &SettingsControls::fixedX, L"0"},
        {L"FixedY", L"", &SettingsControls::fixedY, L"500"},
        {L"FixedY", L"12y", &SettingsControls::fixedY, L"12y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.key).size() << " " << std::wstring(c.value).size());
        EXPECT_EQ(LoadWith(c.key, c.value).*c.field, c.shown);
    }
}

TEST(SettingsRules, ListIndexesFromTheFile) {
    struct Case {
        const wchar_t* key;
        const wchar_t* value;
        int32_t SettingsControls::*field;
        int32_t selected;
    } cases[] = {
        {L"Mouse", L"2", &SettingsControls::mouse, 2},
        {L"Mouse", L"2x", &SettingsControls::mouse, 2},
        {L"Mouse", L" 1", &SettingsControls::mouse, 1},
        {L"Mouse", L"3", &SettingsControls::mouse, 0},
        {L"Mouse", L"-1", &SettingsControls::mouse, 0},
        {L"Mouse", L"abc", &SettingsControls::mouse, 0},
        {L"Mouse", L"", &SettingsControls::mouse, 0},
        {L"Mouse", L"99999999999", &SettingsControls::mouse, 0},
        {L"Action", L"3", &SettingsControls::action, 3},
        {L"Action", L"4", &SettingsControls::action, 0},
        {L"ForTimeType", L"0", &SettingsControls::timeUnit, 0},
        {L"ForTimeType", L"3", &SettingsControls::timeUnit, 3},
        {L"ForTimeType", L"7", &SettingsControls::timeUnit, 2},
        {L"ForTimeType", L"-1", &SettingsControls::timeUnit, 2},
        {L"ForTimeType", L"", &SettingsControls::timeUnit, 2},
        {L"ForTimeType", L"hour", &SettingsControls::timeUnit, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.key).size() << " " << std::wstring(c.value).size());
        EXPECT_EQ(LoadWith(c.key, c.value).*c.field, c.selected);
    }
}

TEST(SettingsRules, ChecksFromTheFile) {
    EXPECT_TRUE(LoadWith(L"NoActivate", L"1").noActivate);
    EXPECT_FALSE(LoadWith(L"NoActivate", L"yes").noActivate);
    EXPECT_FALSE(LoadWith(L"NoActivate", L"1 ").noActivate);
    EXPECT_FALSE(LoadWith(L"FixedMoveMouse", L"0").moveMouse);
    EXPECT_FALSE(LoadWith(L"FixedMoveMouse", L"true").moveMouse);

    const SettingsControls forTime = LoadWith(L"ClickCountType", L"ForTime");
    EXPECT_TRUE(forTime.countByTime);
    EXPECT_FALSE(forTime.countByNumber);
    const SettingsControls wrongCase = LoadWith(L"ClickCountType", L"fortime");
    EXPECT_TRUE(wrongCase.countByNumber);
    EXPECT_FALSE(wrongCase.countByTime);
}

TEST(SettingsRules, ClickPointChecksExactlyOneRadioOrNone) {
    struct Case {
        const wchar_t* value;
        bool atCursor;
        bool atFixedPoint;
    } cases[] = {{L"0", true, false},   {L"1", false, true}, {L"1x", false, true}, {L"2", false, false},
                 {L"-1", false, false}, {L"", true, false},  {L"abc", true, false}};
    for (const Case& c : cases) {
        const SettingsControls s = LoadWith(L"ClickPoint", c.value);
        EXPECT_EQ(s.atCursor, c.atCursor) << std::wstring(c.value).size();
        EXPECT_EQ(s.atFixedPoint, c.atFixedPoint);
    }
}

TEST(SettingsRules, SavingAFreshDialogWritesTheDefaultsInOrder) {
    const SettingsValues saved = ValuesFromSettings(SettingsFromValues(Defaults()));
    EXPECT_EQ(saved, (SettingsValues{L"0", L"FixedCount", L"100", L"1", L"2", L"1000", L"0", L"0", L"0", L"1000",
                                     L"500", L"1"}));
}

TEST(SettingsRules, SavingKeepsTextsAsTypedAndFillsTheTwoEmptyCounts) {
    SettingsControls c = SettingsFromValues(Defaults());
    c.noActivate = true;
    c.countByNumber = false;
    c.countByTime = true;
    c.clickCount = L"";
    c.forTime = L"";
    c.timeUnit = -1;
    c.interval = L"";
    c.mouse = 2;
    c.action = 3;
    c.atCursor = false;  // neither radio checked counts as the fixed point
    c.fixedX = L"0";
    c.fixedY = L"";
    c.moveMouse = false;
    EXPECT_EQ(ValuesFromSettings(c),
              (SettingsValues{L"1", L"ForTime", L"100", L"1", L"-1", L"", L"2", L"3", L"1", L"0", L"", L"0"}));
}

}  // namespace

// conf.ini and the real program: what a file shows in the dialog, and what Start writes.
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "tapwell_test.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// The controls that only the fixed-point mode enables.
constexpr int kFixedPointControls[] = {IDC_BTN_START_CAPTURE, IDC_EDIT_X, IDC_EDIT_Y, IDC_CHECK_MOVE_MOUSE,
                                       IDC_BTN_VIEW_POS};

// A settings file and what the dialog must show for it.
struct LoadCase {
    const char* name;
    std::string file;
    std::vector<std::pair<int, std::wstring>> texts;
    std::vector<std::pair<int, int>> selections;
    std::vector<std::pair<int, bool>> checked;
    bool countMode;  // "Click" rather than "Click for": edit 1009 enabled, 1010 and 1018 disabled
    bool fixedMode;  // the fixed-point controls enabled
};

// Checks the controls named by the case and the enable states of both modes.
void ExpectDialogShows(const TapwellDriver& app, const LoadCase& c) {
    for (const auto& [id, text] : c.texts) EXPECT_EQ(app.Text(id), text) << id;
    for (const auto& [id, index] : c.selections) EXPECT_EQ(app.Selection(id), index) << id;
    for (const auto& [id, checked] : c.checked) EXPECT_EQ(app.Checked(id), checked) << id;
    EXPECT_EQ(app.Enabled(IDC_EDIT_CLICK_COUNT), c.countMode);
    EXPECT_EQ(app.Enabled(IDC_EDIT_CLICK_FOR), !c.countMode);
    EXPECT_EQ(app.Enabled(IDC_COMBO_TIME_UNIT), !c.countMode);
    for (int id : kFixedPointControls) EXPECT_EQ(app.Enabled(id), c.fixedMode) << id;
}

TEST_F(TapwellTest, SettingsFileValuesShowInTheDialog) {
    const LoadCase cases[] = {
        {"every key set",
         "[Option]\r\nNoActivate=1\r\nClickCountType=FixedCount\r\nClickCount=7\r\nForTime=3\r\nForTimeType=0\r\n"
         "Interval=250\r\nMouse=1\r\nAction=2\r\nClickPoint=0\r\nFixedX=12\r\nFixedY=34\r\nFixedMoveMouse=1\r\n",
         {{IDC_EDIT_CLICK_COUNT, L"7"},
          {IDC_EDIT_CLICK_FOR, L"3"},
          {IDC_EDIT_INTERVAL, L"250"},
          {IDC_EDIT_X, L"12"},
          {IDC_EDIT_Y, L"34"}},
         {{IDC_COMBO_TIME_UNIT, 0}, {IDC_COMBO_MOUSE, 1}, {IDC_COMBO_ACTION, 2}},
         {{IDC_CHECK_NO_ACTIVATE, true},
          {IDC_RADIO_CLICK_COUNT, true},
          {IDC_RADIO_CLICK_FOR, false},
          {IDC_RADIO_MOUSE_POS, true},
          {IDC_RADIO_FIXED_POINT, false},
          {IDC_CHECK_MOVE_MOUSE, true}},
         true,
         false},
        {"out-of-range indexes, zero and empty values",
         "[Option]\r\nMouse=2x\r\nAction=4\r\nForTimeType=7\r\nClickPoint=2\r\nInterval=\r\nClickCount=0\r\n"
         "ForTime=0\r\nClickCountType=ForTime\r\n",
         {{IDC_EDIT_INTERVAL, L"1000"}, {IDC_EDIT_CLICK_COUNT, L"100"}, {IDC_EDIT_CLICK_FOR, L"1"}},
         {{IDC_COMBO_MOUSE, 2}, {IDC_COMBO_ACTION, 0}, {IDC_COMBO_TIME_UNIT, 2}},
         {{IDC_RADIO_MOUSE_POS, false},
          {IDC_RADIO_FIXED_POINT, false},
          {IDC_RADIO_CLICK_COUNT, false},
          {IDC_RADIO_CLICK_FOR, true}},
         false,
         true},
        {"texts kept as written, words only in their exact case",
         "[Option]\r\nNoActivate=yes\r\nClickCountType=fortime\r\nClickCount=\r\nForTime=45\r\nForTimeType=-1\r\n"
         "Interval=0\r\nMouse=-1\r\nAction=3\r\nClickPoint=1\r\nFixedX=\r\nFixedY=\r\nFixedMoveMouse=0\r\n",
         {{IDC_EDIT_CLICK_COUNT, L""},
          {IDC_EDIT_CLICK_FOR, L"45"},
          {IDC_EDIT_INTERVAL, L"0"},
          {IDC_EDIT_X, L"1000"},
          {IDC_EDIT_Y, L"500"}},
         {{IDC_COMBO_TIME_UNIT, 2}, {IDC_COMBO_MOUSE, 0}, {IDC_COMBO_ACTION, 3}},
         {{IDC_CHECK_NO_ACTIVATE, false},
          {IDC_RADIO_CLICK_COUNT, true},
          {IDC_RADIO_CLICK_FOR, false},
          {IDC_RADIO_MOUSE_POS, false},
          {IDC_RADIO_FIXED_POINT, true},
          {IDC_CHECK_MOVE_MOUSE, false}},
         true,
         true},
        {"unreadable numbers",
         "[Option]\r\nMouse=abc\r\nAction=x1\r\nForTimeType=\r\nClickPoint=one\r\nFixedMoveMouse=true\r\n",
         {},
         {{IDC_COMBO_MOUSE, 0}, {IDC_COMBO_ACTION, 0}, {IDC_COMBO_TIME_UNIT, 2}},
         {{IDC_RADIO_MOUSE_POS, true}, {IDC_RADIO_FIXED_POINT, false}, {IDC_CHECK_MOVE_MOUSE, false}},
         true,
         false},
        {"last list items",
         "[Option]\r\nMouse=3\r\nAction=1\r\nForTimeType=3\r\n",
         {},
         {{IDC_COMBO_MOUSE, 0}, {IDC_COMBO_ACTION, 1}, {IDC_COMBO_TIME_UNIT, 3}},
         {},
         true,
         false},
        {"a value longer than the read buffer",
         "[Option]\r\nInterval=" + std::string(300, '7') + "\r\n",
         {{IDC_EDIT_INTERVAL, std::wstring(259, L'7')}},
         {},
         {},
         true,
         false},
        {"keys outside the Option section",
         "[Other]\r\nMouse=2\r\nInterval=5\r\nClickPoint=1\r\n",
         {{IDC_EDIT_INTERVAL, L"1000"}},
         {{IDC_COMBO_MOUSE, 0}},
         {{IDC_RADIO_MOUSE_POS, true}},
         true,
         false},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSettingsFile(c.file);
        ASSERT_NO_FATAL_FAILURE(Launch());
        ExpectDialogShows(*app, c);
        // Closing without a run leaves the file as it was.
        EXPECT_TRUE(app->Close());
        app.reset();
        EXPECT_EQ(ReadSettingsText(), c.file);
    }
}

TEST_F(TapwellClickTest, StartSavesTheControlsAsShownBeforeItsCorrections) {
    UseFixedPoint(0, 300);
    app->SetText(IDC_EDIT_INTERVAL, L"0");
    app->SetText(IDC_EDIT_CLICK_COUNT, L"1");
    app->Select(IDC_COMBO_TIME_UNIT, 1);
    ASSERT_TRUE(RunToEnd());

    const Entries asShown{{"NoActivate", "0"},  {"ClickCountType", "FixedCount"},
                          {"ClickCount", "1"},  {"ForTime", "1"},
                          {"ForTimeType", "1"}, {"Interval", "0"},
                          {"Mouse", "0"},       {"Action", "0"},
                          {"ClickPoint", "1"},  {"FixedX", "0"},
                          {"FixedY", "300"},    {"FixedMoveMouse", "1"}};
    EXPECT_EQ(ReadSettingsFile(), asShown);
    // The run used the replacements and shows them; the click landed on the corrected point.
    EXPECT_EQ(app->Text(IDC_EDIT_INTERVAL), L"1000");
    EXPECT_EQ(app->Text(IDC_EDIT_X), L"1000");
    EXPECT_EQ(app->Text(IDC_EDIT_Y), L"300");
    const std::vector<TargetEvent> events = EventsOnce(2);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].x, 1000);
    EXPECT_EQ(events[0].y, 300);

    // The next start saves what the corrections left on screen.
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(EventsOnce(4).size(), 4u);
    Entries corrected = asShown;
    corrected[5].second = "1000";
    corrected[9].second = "1000";
    EXPECT_EQ(ReadSettingsFile(), corrected);
}

}  // namespace

// Click runs of the real program, started and stopped from outside, as the click target sees them.
#include <functional>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tapwell_test.h"

namespace {

constexpr int kPointX = 800;
constexpr int kPointY = 300;

// Runs on the fixed point (kPointX, kPointY), inside the click target.
class TapwellRunTest : public TapwellClickTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TapwellClickTest::SetUp());
        UseFixedPoint(kPointX, kPointY);
    }
    // A run of `count` clicks (empty: no limit), `interval` ms apart.
    void SetRun(const std::wstring& count, const std::wstring& interval) const {
        app->SetText(IDC_EDIT_CLICK_COUNT, count);
        app->SetText(IDC_EDIT_INTERVAL, interval);
    }
    // Starts an unlimited run and waits until it has clicked twice after `seen` events.
    void StartEndlessRun(size_t seen) {
        SetRun(L"", L"60");
        app->PostClick(IDC_BTN_START);
        ASSERT_TRUE(app->WaitUntilRunning());
        ASSERT_GE(EventsOnce(seen + 4).size(), seen + 4);
    }
};

// A small window of the test process, away from the dialog and the target, that can take the foreground.
class ForegroundHolder {
public:
    ForegroundHolder() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TapwellTestForeground";
        RegisterClassW(&wc);
        m_hWnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 40, 700, 100, 100, nullptr, nullptr,
                                 wc.hInstance, nullptr);
    }
    ~ForegroundHolder() { DestroyWindow(m_hWnd); }
    ForegroundHolder(const ForegroundHolder&) = delete;
    ForegroundHolder& operator=(const ForegroundHolder&) = delete;

    HWND Get() const { return m_hWnd; }
    // Makes the window the foreground window, handling its messages meanwhile.
    bool Take() const {
        return WaitUntil(
            [&] {
                MSG msg;
                while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
                if (GetForegroundWindow() == m_hWnd) return true;
                SetForegroundWindow(m_hWnd);
                return false;
            },
            kWaitMs);
    }

private:
    HWND m_hWnd;
};

// The kinds of the events from index `from` on.
std::vector<std::string> Kinds(const std::vector<TargetEvent>& events, size_t from) {
    std::vector<std::string> kinds;
    for (size_t i = from; i < events.size(); ++i) kinds.push_back(events[i].kind);
    return kinds;
}

TEST_F(TapwellRunTest, CountOfFiveGivesFiveClicksOnTheFixedPoint) {
    SetRun(L"5", L"20");
    ASSERT_TRUE(RunToEnd());
    const std::vector<TargetEvent> events = EventsOnce(10);
    ASSERT_EQ(events.size(), 10u);
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, i % 2 == 0 ? "LDOWN" : "LUP") << i;
        EXPECT_EQ(events[i].x, kPointX) << i;
        EXPECT_EQ(events[i].y, kPointY) << i;
    }
    // After the run the controls are back as the modes want them.
    EXPECT_TRUE(app->Enabled(IDC_EDIT_CLICK_COUNT));
    EXPECT_FALSE(app->Enabled(IDC_EDIT_CLICK_FOR));
    EXPECT_TRUE(app->Enabled(IDC_BTN_START_CAPTURE));
    EXPECT_TRUE(app->Enabled(IDC_EDIT_INTERVAL));
}

// The target has no double-click style: every press arrives as a down message.
TEST_F(TapwellRunTest, EachButtonAndActionDeliversItsEvents) {
    const struct {
        int button;
        int action;
        std::vector<std::string> kinds;
    } cases[] = {
        {0, 1, {"LDOWN", "LUP", "LDOWN", "LUP"}},  // Left Button, Double Click
        {2, 0, {"RDOWN", "RUP"}},                  // Right Button, Single Click
        {1, 0, {"MDOWN", "MUP"}},                  // Middle Button, Single Click
        {0, 2, {"LDOWN"}},                         // Left Button, Button Down
        {0, 3, {"LUP"}},                           // Left Button, Button Up: releases it again
        {-1, 0, {}},                               // no button selected: nothing is sent
        {0, -1, {}},                               // no action selected
    };
    SetRun(L"1", L"20");
    size_t seen = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "button " << c.button << " action " << c.action);
        app->Select(IDC_COMBO_MOUSE, c.button);
        app->Select(IDC_COMBO_ACTION, c.action);
        ASSERT_TRUE(RunToEnd());
        const std::vector<TargetEvent> events = EventsOnce(seen + c.kinds.size());
        EXPECT_EQ(Kinds(events, seen), c.kinds);
        seen = events.size();
    }
}

TEST_F(TapwellRunTest, ShortRunLengthsGiveExactlyOneClick) {
    const struct {
        const wchar_t* length;
        int unit;
    } cases[] = {{L"0", 0}, {L"0", 1}, {L"0", 2}, {L"0", 3}, {L"999", 0}};
    app->Click(IDC_RADIO_CLICK_FOR);
    ASSERT_TRUE(app->Enabled(IDC_EDIT_CLICK_FOR));
    app->SetText(IDC_EDIT_INTERVAL, L"50");
    size_t seen = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << " in unit " << c.unit);
        app->SetText(IDC_EDIT_CLICK_FOR, c.length);
        app->Select(IDC_COMBO_TIME_UNIT, c.unit);
        ASSERT_TRUE(RunToEnd());
        const std::vector<TargetEvent> events = EventsOnce(seen + 2);
        EXPECT_EQ(Kinds(events, seen), (std::vector<std::string>{"LDOWN", "LUP"}));
        seen = events.size();
    }
    // A timed run leaves the time controls enabled and the count edit disabled, as before it.
    EXPECT_FALSE(app->Enabled(IDC_EDIT_CLICK_COUNT));
    EXPECT_TRUE(app->Enabled(IDC_EDIT_CLICK_FOR));
    EXPECT_TRUE(app->Enabled(IDC_COMBO_TIME_UNIT));
}

TEST_F(TapwellRunTest, EmptyCountRunsUntilStopOrCtrlF2) {
    const struct {
        const char* name;
        std::function<void(const TapwellDriver&)> stop;
    } cases[] = {
        {"Stop button", [](const TapwellDriver& app) { app.Click(IDC_BTN_STOP); }},
        {"Ctrl+F2",
         [](const TapwellDriver&) {
             PressKeys({VK_CONTROL, VK_F2});
         }},
    };
    size_t seen = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(StartEndlessRun(seen));
        EXPECT_TRUE(app->Running());
        c.stop(*app);
        EXPECT_TRUE(app->WaitUntilIdle());
        EXPECT_TRUE(app->Enabled(IDC_EDIT_CLICK_COUNT));
        seen = EventsOnce(0).size();
    }
    // The empty count was saved as the default count.
    const auto entries = ReadSettingsFile();
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries[2], std::make_pair(std::string("ClickCount"), std::string("100")));
}

TEST_F(TapwellRunTest, CtrlF1StartsARunWhenIdleAndChangesNothingDuringOne) {
    // Also while the dialog is minimised.
    ShowWindow(app->Window(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(app->Window()) != FALSE; }, kWaitMs));
    SetRun(L"2", L"20");
    PressKeys({VK_CONTROL, VK_F1});
    EventsOnce(4);
    ASSERT_TRUE(app->WaitUntilIdle());
    ASSERT_EQ(EventsOnce(4).size(), 4u);

    ASSERT_NO_FATAL_FAILURE(StartEndlessRun(4));
    // Every start saves the settings first: a second start during the run would write the file again.
    ASSERT_FALSE(ReadSettingsFile().empty());
    DeleteSettingsFile();
    PressKeys({VK_CONTROL, VK_F1});
    const size_t afterKey = EventsOnce(0).size();
    EXPECT_GE(EventsOnce(afterKey + 4).size(), afterKey + 4);
    EXPECT_TRUE(app->Running());
    EXPECT_TRUE(ReadSettingsText().empty());

    app->Click(IDC_BTN_STOP);
    EXPECT_TRUE(app->WaitUntilIdle());
}

TEST_F(TapwellRunTest, ClosingTheWindowDuringARunEndsTheRunAndTheProgram) {
    ASSERT_NO_FATAL_FAILURE(StartEndlessRun(0));
    PostMessageW(app->Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(app->WaitForExit(kWaitMs));
    EXPECT_TRUE(TopLevelWindows(kTapwellClass).empty());
}

TEST_F(TapwellClickTest, AtTheCursorClicksWhereItIsButNeverOnTheDialog) {
    app->SetText(IDC_EDIT_INTERVAL, L"20");
    app->SetText(IDC_EDIT_CLICK_COUNT, L"3");
    SetCursorPos(700, 400);
    ASSERT_TRUE(RunToEnd());
    std::vector<TargetEvent> events = EventsOnce(6);
    ASSERT_EQ(events.size(), 6u);
    for (const TargetEvent& e : events) EXPECT_TRUE(e.x == 700 && e.y == 400) << e.x << "," << e.y;

    // Over the dialog nothing is clicked and nothing counts: one click is still due when the cursor leaves.
    app->SetText(IDC_EDIT_CLICK_COUNT, L"1");
    SetCursorPos(kDialogX + 290, kDialogY + 230);
    DeleteSettingsFile();
    app->PostClick(IDC_BTN_START);
    ASSERT_TRUE(WaitUntil([] { return !ReadSettingsText().empty(); }, kWaitMs));
    EXPECT_FALSE(WaitUntil([&] { return app->Idle(); }, kMustNotHappenMs));
    SetCursorPos(750, 450);
    ASSERT_TRUE(app->WaitUntilIdle());
    events = EventsOnce(8);
    ASSERT_EQ(events.size(), 8u);
    EXPECT_EQ(events[6].x, 750);
    EXPECT_EQ(events[6].y, 450);
}

// Without "Do not activate..." the dialog takes the foreground when the run ends; with it, the dialog
// is minimised for the run and stays so, leaving the foreground where it was.
TEST_F(TapwellRunTest, DoNotActivateKeepsTheDialogMinimisedAndInTheBackground) {
    ForegroundHolder holder;
    SetRun(L"1", L"20");
    for (const bool noActivate : {false, true}) {
        SCOPED_TRACE(noActivate);
        if (noActivate != app->Checked(IDC_CHECK_NO_ACTIVATE)) app->Click(IDC_CHECK_NO_ACTIVATE);
        ASSERT_TRUE(holder.Take());
        ASSERT_TRUE(RunToEnd());
        EXPECT_EQ(IsIconic(app->Window()) != FALSE, noActivate);
        HWND expected = noActivate ? holder.Get() : app->Window();
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == expected; }, kWaitMs));
    }
}

}  // namespace

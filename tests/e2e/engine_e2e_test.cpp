// The click engine against a real window: clicks synthesised by one process land in another.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_util.h"

namespace {

// A green window at (300, 200) of 400 x 300 pixels that logs every button message it receives.
class ClickTargetTest : public testing::Test {
protected:
    std::wstring log = TempFileName(L"tgt");
    ChildProcess target{L"click_target.exe", L"\"" + log + L"\" 300 200 400 300"};

    void SetUp() override {
        ASSERT_TRUE(target.Started());
        ASSERT_TRUE(
            WaitUntil([] { return IsWindowVisible(FindWindowW(L"TapwellClickTarget", nullptr)) != FALSE; }, kWaitMs));
    }
    void TearDown() override { DeleteFileW(log.c_str()); }

    std::vector<TargetEvent> EventsOnce(size_t count) {
        WaitUntil([&] { return ReadTargetLog(log).size() >= count; }, kWaitMs);
        // Let the target handle whatever may still be queued before the final read.
        DWORD_PTR result = 0;
        SendMessageTimeoutW(FindWindowW(L"TapwellClickTarget", nullptr), WM_NULL, 0, 0, SMTO_BLOCK, kWaitMs, &result);
        return ReadTargetLog(log);
    }
};

TEST_F(ClickTargetTest, FixedPointRunWithLimitFiveDeliversFiveClicksThere) {
    ChildProcess run(L"engine_runner.exe",
                     L"clickPoint=1 fixedX=450 fixedY=330 fixedMoveMouse=1 clickLimit=5 interval=30 button=0 action=0");
    ASSERT_TRUE(run.WaitForExit(kWaitMs));
    const std::vector<TargetEvent> events = EventsOnce(10);
    ASSERT_EQ(events.size(), 10u);
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, i % 2 == 0 ? "LDOWN" : "LUP") << i;
        EXPECT_EQ(events[i].x, 450) << i;
        EXPECT_EQ(events[i].y, 330) << i;
    }
}

// Every button and action, as the target sees them (the target has no double-click style).
TEST_F(ClickTargetTest, EachButtonAndActionDeliversItsMessages) {
    const struct {
        const wchar_t* args;
        std::vector<std::string> kinds;
    } cases[] = {
        {L"button=0 action=1", {"LDOWN", "LUP", "LDOWN", "LUP"}},
        {L"button=1 action=0", {"MDOWN", "MUP"}},
        {L"button=2 action=0", {"RDOWN", "RUP"}},
        {L"button=2 action=2", {"RDOWN"}},
        {L"button=2 action=3", {"RUP"}},
    };
    size_t seen = 0;
    for (const auto& c : cases) {
        ChildProcess run(L"engine_runner.exe",
                         L"clickPoint=1 fixedX=420 fixedY=260 clickLimit=1 " + std::wstring(c.args));
        ASSERT_TRUE(run.WaitForExit(kWaitMs));
        const std::vector<TargetEvent> events = EventsOnce(seen + c.kinds.size());
        ASSERT_EQ(events.size(), seen + c.kinds.size());
        for (size_t i = 0; i < c.kinds.size(); ++i) EXPECT_EQ(events[seen + i].kind, c.kinds[i]);
        seen = events.size();
    }
}

// Only the "stay" case is checked here: Wine moves the cursor to a mouse message's position when
// the receiving window takes the message, which can be after the run has put the cursor back.
TEST_F(ClickTargetTest, CursorStaysOnTheFixedPointWhenAskedTo) {
    SetCursorPos(100, 700);
    ChildProcess run(L"engine_runner.exe",
                     L"clickPoint=1 fixedX=500 fixedY=400 clickLimit=2 interval=10 fixedMoveMouse=1");
    ASSERT_TRUE(run.WaitForExit(kWaitMs));
    EXPECT_EQ(EventsOnce(4).size(), 4u);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 500);
    EXPECT_EQ(cursor.y, 400);
}

TEST_F(ClickTargetTest, NoClickLandsOnTheRunsOwnWindowAndClosingItEndsTheRun) {
    // The fixed point lies inside the runner's own window: the run never clicks and lasts until closed.
    ChildProcess run(L"engine_runner.exe", L"clickPoint=1 fixedX=320 fixedY=220 interval=20 window=300,200,400,300");
    ASSERT_TRUE(WaitUntil([] { return FindWindowW(L"TapwellEngineRunner", nullptr) != nullptr; }, kWaitMs));
    EXPECT_FALSE(run.WaitForExit(300));
    PostMessageW(FindWindowW(L"TapwellEngineRunner", nullptr), WM_CLOSE, 0, 0);
    EXPECT_TRUE(run.WaitForExit(kWaitMs));
    EXPECT_TRUE(ReadTargetLog(log).empty());
}

}  // namespace

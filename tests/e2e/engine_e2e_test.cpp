// The click engine against a real window: clicks synthesised by one process land in another.
#include <gtest/gtest.h>

#include "e2e_util.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;

// A green window at (300, 200) of 400 x 300 pixels that logs every button message it receives.
class ClickTargetTest : public testing::Test {
protected:
    std::wstring log = TempFileName(L"tgt");
    ChildProcess target{L"click_target.exe", L"\"" + log + L"\" 300 200 400 300"};

    void SetUp() override {
        ASSERT_TRUE(target.Started());
        ASSERT_TRUE(WaitUntil([] { return IsWindowVisible(FindWindowW(L"TapwellClickTarget", nullptr)) != FALSE; },
                              kTimeoutMs));
    }
    void TearDown() override { DeleteFileW(log.c_str()); }

    std::vector<TargetEvent> EventsOnce(size_t count) {
        WaitUntil([&] { return ReadTargetLog(log).size() >= count; }, kTimeoutMs);
        // Let the target handle whatever may still be queued before the final read.
        DWORD_PTR result = 0;
        SendMessageTimeoutW(FindWindowW(L"TapwellClickTarget", nullptr), WM_NULL, 0, 0, SMTO_BLOCK, kTimeoutMs, &result);
        return ReadTargetLog(log);
    }
};

TEST_F(ClickTargetTest, FixedPointRunWithLimitFiveDeliversFiveClicksThere) {
    ChildProcess run(L"engine_runner.exe",
                     L"clickPoint=1 fixedX=450 fixedY=330 fixedMoveMouse=1 clickLimit=5 interval=30 button=0 action=0");
    ASSERT_TRUE(run.WaitForExit(kTimeoutMs));
    const std::vector<TargetEvent> events = EventsOnce(10);
    ASSERT_EQ(events.size(), 10u);
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, i % 2 == 0 ? "LDOWN" : "LUP") << i;
        EXPECT_EQ(events[i].x, 450) << i;
        EXPECT_EQ(events[i].y, 330) << i;
    }
}

}  // namespace

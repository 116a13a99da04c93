#include "engine/click_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A screen with one cursor and the dialog's window; the log tells what the run did, in order.
class FakeClickHost : public ClickHost {
public:
    ScreenPoint cursor{10, 10};
    ScreenRect window{500, 500, 700, 800};
    int64_t seconds = 100;
    bool stop = false;
    int stopAfterWaits = -1;          // sets the stop flag inside that many waits
    std::function<void(int)> onWait;  // runs inside each wait, with the number of waits so far
    std::vector<std::string> log;
    int clicks = 0;
    int waits = 0;

    bool StopRequested() override { return stop; }
    void ReadCursorPos(ScreenPoint& pt) override { pt = cursor; }
    void MoveCursor(ScreenPoint pt) override {
        cursor = pt;
        log.push_back("move " + Point(pt));
    }
    ScreenRect OwnWindowRect() override { return window; }
    void SendClick(int32_t button, int32_t action, bool swap) override {
        ++clicks;
        log.push_back("click " + std::to_string(button) + std::to_string(action) + (swap ? "s" : "") + " at " +
                      Point(cursor));
    }
    int64_t WallClockSeconds() override { return seconds; }
    void WaitInterval(uint32_t interval) override {
        ++waits;
        log.push_back("wait " + std::to_string(interval));
        if (onWait) onWait(waits);
        if (waits == stopAfterWaits) stop = true;
    }

    static std::string Point(ScreenPoint pt) { return std::to_string(pt.x) + "," + std::to_string(pt.y); }
};

ClickRunParameters CountedRun(uint32_t limit) {
    ClickRunParameters p;
    p.interval = 20;
    p.clickLimit = limit;
    return p;
}

TEST(ClickLoop, CountLimitEndsTheRunRightAfterTheClickThatMeetsIt) {
    struct Case {
        uint32_t limit;
        int clicks;
        int waits;
    } cases[] = {{5, 5, 4}, {1, 1, 0}, {0, 1, 0}};  // the limit is tested only after a click
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        FakeClickHost host;
        RunClickLoop(host, CountedRun(c.limit));
        EXPECT_EQ(host.clicks, c.clicks);
        EXPECT_EQ(host.waits, c.waits);
        EXPECT_EQ(host.log.back().substr(0, 5), "click");
    }
}

TEST(ClickLoop, NoLimitRunsUntilStopped) {
    FakeClickHost host;
    host.stopAfterWaits = 1000;
    RunClickLoop(host, CountedRun(kNoClickLimit));
    EXPECT_EQ(host.clicks, 1000);
    EXPECT_EQ(host.waits, 1000);
}

TEST(ClickLoop, ClicksAtTheCursorWithTheChosenButtonAndInterval) {
    FakeClickHost host;
    ClickRunParameters p = CountedRun(2);
    p.button = 2;
    p.action = 1;
    p.swapButtons = true;
    p.interval = 75;
    RunClickLoop(host, p);
    EXPECT_EQ(host.log, (std::vector<std::string>{"click 21s at 10,10", "wait 75", "click 21s at 10,10"}));
}

TEST(ClickLoop, BadButtonOrActionStillCountsAsAClick) {
    FakeClickHost host;
    ClickRunParameters p = CountedRun(3);
    p.button = -1;
    p.action = -1;
    RunClickLoop(host, p);
    EXPECT_EQ(host.clicks, 3);
}

TEST(ClickLoop, TimedRunEndsAfterTheFirstClickOnceTheEndSecondIsReached) {
    struct Case {
        int64_t endTime;
        int secondsPerWait;
        int clicks;
    } cases[] = {
        {100, 0, 1},  // end second equal to the start second: exactly one click
        {99, 0, 1},   // already past
        {101, 1, 2},  // one second later
        {103, 1, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.endTime);
        FakeClickHost host;
        host.onWait = [&](int) { host.seconds += c.secondsPerWait; };
        ClickRunParameters p = CountedRun(kNoClickLimit);
        p.timeLimited = true;
        p.endTime = c.endTime;
        RunClickLoop(host, p);
        EXPECT_EQ(host.clicks, c.clicks);
    }
}

TEST(ClickLoop, CursorOverTheOwnWindowMakesNoClickAndTestsNoLimit) {
    FakeClickHost host;
    host.cursor = {500, 500};  // the window's top-left corner belongs to it
    host.onWait = [&](int waits) {
        host.seconds += 10;                        // a timed run is long overdue meanwhile
        if (waits == 5) host.cursor = {700, 800};  // right and bottom edges lie outside
    };
    ClickRunParameters p = CountedRun(kNoClickLimit);
    p.timeLimited = true;
    p.endTime = 101;
    RunClickLoop(host, p);
    EXPECT_EQ(host.waits, 5);
    EXPECT_EQ(host.clicks, 1);  // the first click after the cursor left ends the overdue run
    EXPECT_EQ(host.log.back(), "click 00 at 700,800");
}

TEST(ClickLoop, FixedPointInsideTheOwnWindowNeverClicks) {
    FakeClickHost host;
    host.stopAfterWaits = 50;
    ClickRunParameters p = CountedRun(1);
    p.clickPoint = kClickAtFixedPoint;
    p.fixedX = 600;
    p.fixedY = 799;
    RunClickLoop(host, p);
    EXPECT_EQ(host.clicks, 0);
    EXPECT_EQ(host.waits, 50);
}

TEST(ClickLoop, FixedPointPutsTheCursorBackUnlessAskedToLeaveIt) {
    ClickRunParameters p = CountedRun(2);
    p.clickPoint = kClickAtFixedPoint;
    p.fixedX = 40;
    p.fixedY = 30;

    FakeClickHost restore;
    p.fixedMoveMouse = false;
    RunClickLoop(restore, p);
    EXPECT_EQ(restore.log, (std::vector<std::string>{"move 40,30", "click 00 at 40,30", "move 10,10", "wait 20",
                                                     "move 40,30", "click 00 at 40,30", "move 10,10"}));

    FakeClickHost leave;
    p.fixedMoveMouse = true;
    RunClickLoop(leave, p);
    EXPECT_EQ(leave.log, (std::vector<std::string>{"move 40,30", "click 00 at 40,30", "wait 20", "move 40,30",
                                                   "click 00 at 40,30"}));
}

// The cursor is remembered afresh before every click, so the user may move it between clicks.
TEST(ClickLoop, FixedPointRestoresTheCursorWhereTheUserLeftIt) {
    FakeClickHost host;
    host.onWait = [&](int) { host.cursor = {250, 260}; };
    ClickRunParameters p = CountedRun(2);
    p.clickPoint = kClickAtFixedPoint;
    p.fixedMoveMouse = false;
    RunClickLoop(host, p);
    EXPECT_EQ(host.cursor.x, 250);
    EXPECT_EQ(host.cursor.y, 260);
}

TEST(ClickLoop, StopBeforeTheFirstIterationMakesNoClick) {
    FakeClickHost host;
    host.stop = true;
    RunClickLoop(host, CountedRun(5));
    EXPECT_TRUE(host.log.empty());
}

}  // namespace

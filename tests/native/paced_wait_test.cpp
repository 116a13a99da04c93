#include "engine/paced_wait.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A clock that moves only when the wait sleeps; records what the wait did.
class FakeWaitHost : public WaitHost {
public:
    int64_t now = 1'000'000;
    int64_t sleepOvershoot = 0;    // added to every sleep, as a coarse system timer would
    std::function<void()> onPump;  // runs inside PumpMessages, as a dispatched handler
    std::vector<uint32_t> sleeps;
    int pumps = 0;

    int64_t NowMs() override { return now; }
    void PumpMessages() override {
        ++pumps;
        if (onPump) onPump();
    }
    void Sleep(uint32_t ms) override {
        sleeps.push_back(ms);
        now += ms + sleepOvershoot;
    }
};

struct SliceCase {
    uint32_t interval;
    size_t slices;
    uint32_t slice;
};

TEST(PacedWait, EndsAfterTheIntervalRoundedToWholeSlices) {
    const SliceCase cases[] = {
        {1000, 20, 50},  // exactly twenty slices
        {1010, 20, 50},  // 10 ms left is within half a slice
        {1025, 20, 50},  // exactly half a slice left rounds down
        {1030, 21, 50},  // 30 ms left is more than half a slice
        {30, 1, 30},     // shorter than one slice: one slice of the interval
        {50, 1, 50},    {2, 1, 2}, {1, 1, 1},
    };
    for (const SliceCase& c : cases) {
        SCOPED_TRACE(c.interval);
        FakeWaitHost host;
        WaitInterval(host, c.interval, nullptr);
        EXPECT_EQ(host.sleeps, std::vector<uint32_t>(c.slices, c.slice));
        EXPECT_EQ(host.pumps, static_cast<int>(c.slices));  // one drain of the queue before every slice
    }
}

// Interval 1 has no allowance: the wait goes on until a whole millisecond has really passed.
TEST(PacedWait, IntervalOneWaitsForAWholeMillisecond) {
    FakeWaitHost host;
    int sleepsWithoutProgress = 3;
    host.onPump = [&] { host.sleepOvershoot = sleepsWithoutProgress-- > 0 ? -1 : 0; };
    WaitInterval(host, 1, nullptr);
    EXPECT_EQ(host.sleeps.size(), 4u);
}

TEST(PacedWait, StopSetDuringPumpingEndsTheWaitAfterOneMoreSlice) {
    FakeWaitHost host;
    volatile int stop = 0;
    host.onPump = [&] {
        if (host.pumps == 3) stop = 1;
    };
    WaitInterval(host, 1000, &stop);
    EXPECT_EQ(host.pumps, 3);
    EXPECT_EQ(host.sleeps.size(), 3u);
}

TEST(PacedWait, StopAlreadySetReturnsBeforePumping) {
    FakeWaitHost host;
    volatile int stop = 1;
    WaitInterval(host, 1000, &stop);
    EXPECT_EQ(host.pumps, 0);
    EXPECT_TRUE(host.sleeps.empty());
}

TEST(PacedWait, DeadlineAlreadyPassedAtTheFirstTestReturnsWithoutPumping) {
    // The thread was held up between taking the deadline and the first test.
    class StalledHost : public FakeWaitHost {
        int reads = 0;
        int64_t NowMs() override { return now + (reads++ > 0 ? 2000 : 0); }
    };
    StalledHost host;
    WaitInterval(host, 1000, nullptr);
    EXPECT_EQ(host.pumps, 0);
    EXPECT_TRUE(host.sleeps.empty());

    FakeWaitHost zero;  // an interval of 0 is over at once
    WaitInterval(zero, 0, nullptr);
    EXPECT_EQ(zero.pumps, 0);
}

// A nested modal loop inside the pumping is not added to the wait: the deadline stays where it was.
TEST(PacedWait, TimeSpentInsideAHandlerCountsAgainstTheDeadline) {
    FakeWaitHost host;
    host.onPump = [&] {
        if (host.pumps == 2) host.now += 5000;
    };
    WaitInterval(host, 1000, nullptr);
    EXPECT_EQ(host.sleeps.size(), 2u);
}

// Coarse sleeps still end the wait by the measured time, never by the number of slices.
TEST(PacedWait, LongSleepsEndTheWaitByMeasuredTime) {
    FakeWaitHost host;
    host.sleepOvershoot = 50;  // every 50 ms slice lasts 100 ms
    WaitInterval(host, 1000, nullptr);
    EXPECT_EQ(host.sleeps.size(), 10u);
}

// The deadline arithmetic is unsigned: a clock near its top does not wrap into an endless wait.
TEST(PacedWait, LargeClockValuesStillEnd) {
    FakeWaitHost host;
    host.now = (int64_t{1} << 62);
    WaitInterval(host, 100, nullptr);
    EXPECT_EQ(host.sleeps.size(), 2u);
}

}  // namespace

#include "engine/click_events.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<ClickStep> Steps(int32_t button, int32_t action, bool swap) {
    const ClickSequence sequence = ClickEventsFor(button, action, swap);
    return std::vector<ClickStep>(sequence.begin(), sequence.end());
}

struct ButtonCase {
    int32_t button;
    bool swap;
    uint32_t down;  // the system's flag values, written out
    uint32_t up;
};

const ButtonCase kButtonCases[] = {
    {0, false, 0x0002, 0x0004},  // left
    {0, true, 0x0008, 0x0010},   // left on swapped buttons presses the right one
    {1, false, 0x0020, 0x0040},  // middle
    {1, true, 0x0020, 0x0040},   // middle does not swap
    {2, false, 0x0008, 0x0010},  // right
    {2, true, 0x0002, 0x0004},   // right on swapped buttons presses the left one
};

TEST(ClickEvents, EveryButtonActionAndSwapGivesItsEvents) {
    for (const ButtonCase& c : kButtonCases) {
        SCOPED_TRACE(testing::Message() << "button " << c.button << " swap " << c.swap);
        const ClickStep down{c.down, 0}, up{c.up, 0}, pause{0, 100};
        EXPECT_EQ(Steps(c.button, 0, c.swap), (std::vector<ClickStep>{down, up}));
        EXPECT_EQ(Steps(c.button, 1, c.swap), (std::vector<ClickStep>{down, up, pause, down, up}));
        EXPECT_EQ(Steps(c.button, 2, c.swap), (std::vector<ClickStep>{down}));
        EXPECT_EQ(Steps(c.button, 3, c.swap), (std::vector<ClickStep>{up}));
    }
}

TEST(ClickEvents, NothingIsSentForAButtonOrActionOutsideItsList) {
    const int32_t badButtons[] = {-1, 3, 100};
    const int32_t badActions[] = {-1, 4, 100};
    for (bool swap : {false, true}) {
        for (int32_t button : badButtons) {
            for (int32_t action = -1; action <= 4; ++action) EXPECT_TRUE(Steps(button, action, swap).empty());
        }
        for (int32_t button = 0; button <= 2; ++button) {
            for (int32_t action : badActions) EXPECT_TRUE(Steps(button, action, swap).empty());
        }
    }
}

}  // namespace

#include "engine/run_snapshot.h"

#include <gtest/gtest.h>

namespace {

TEST(RunSnapshot, RunLengthInWholeSeconds) {
    const struct {
        int32_t length;
        int32_t unit;
        int32_t seconds;
    } cases[] = {
        {999, 0, 0},  // under a second: the run ends after its first click
        {1000, 0, 1},
        {0, 1, 0},
        {5, 1, 5},
        {1, 2, 60},
        {2, 3, 7200},
        {1, -1, 60},  // no unit selected counts as minutes
        {1, 4, 60},
        {-5, 1, 0},  // a negative length counts as nothing
        {2147483647, 0, 2147483},
        {2147483647, 3, 2147483647},  // seconds beyond 32 bits are held at the largest
        {600000, 3, 2147483647},
        {596523, 3, 2147482800},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunLengthSeconds(c.length, c.unit), c.seconds) << c.length << " in unit " << c.unit;
    }
}

}  // namespace

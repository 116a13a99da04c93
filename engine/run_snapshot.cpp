#include "engine/run_snapshot.h"

#include <limits>

#include "engine/click_params.h"

uint64_t TimeUnitFactorMs(int32_t unit) {
    switch (unit) {
        case kUnitMs: return 1;
        case kUnitSecond: return 1000;
        case kUnitHour: return 3600000;
        default: return 60000;
    }
}

int32_t RunLengthSeconds(int32_t length, int32_t unit) {
    if (length < 0) return 0;
    const uint64_t seconds = static_cast<uint64_t>(length) * TimeUnitFactorMs(unit) / 1000;
    constexpr uint64_t kMax = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(seconds > kMax ? kMax : seconds);
}

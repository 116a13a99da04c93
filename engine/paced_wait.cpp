#include "engine/paced_wait.h"

#include <algorithm>

namespace {

// True once at most half a slice is left: the wait is rounded to the nearest number of slices.
bool DeadlineReached(WaitHost& host, uint64_t half, uint64_t deadline) {
    return static_cast<uint64_t>(host.NowMs()) + half >= deadline;
}

}  // namespace

void WaitInterval(WaitHost& host, uint32_t interval, const volatile int* stopFlag) {
    const uint64_t deadline = static_cast<uint64_t>(host.NowMs()) + interval;
    const uint32_t slice = std::min(interval, kMaxSliceMs);
    const uint64_t half = slice / 2;
    if (DeadlineReached(host, half, deadline)) return;
    for (;;) {
        if (stopFlag != nullptr && *stopFlag) return;
        host.PumpMessages();
        host.Sleep(slice);
        if (DeadlineReached(host, half, deadline)) return;
    }
}

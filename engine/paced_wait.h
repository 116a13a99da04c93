// The paced wait between two clicks: short sleeps that keep the message queue drained.
#pragma once

#include <cstdint>

// What the wait needs of the system; the Win32 side and the tests each supply one.
class WaitHost {
public:
    virtual ~WaitHost() = default;
    virtual int64_t NowMs() = 0;          // a monotonic clock in whole milliseconds
    virtual void PumpMessages() = 0;      // drains the thread's message queue
    virtual void Sleep(uint32_t ms) = 0;  // a plain sleep
};

// The longest slice slept between two drains of the queue.
constexpr uint32_t kMaxSliceMs = 50;

// Waits `interval` milliseconds in slices of at most 50 ms, pumping messages before each slice.
// Returns early, after the slice in progress, once *stopFlag is set. `stopFlag` may be null.
void WaitInterval(WaitHost& host, uint32_t interval, const volatile int* stopFlag);

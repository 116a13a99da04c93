// The corrections the Start command applies to the numbers it reads from the dialog.
#pragma once

#include <cstdint>

// Interval used when the edit holds nothing usable (below 1 ms).
constexpr int32_t kDefaultInterval = 1000;
// Fixed point used when a coordinate is below 1.
constexpr int32_t kDefaultFixedX = 1000;
constexpr int32_t kDefaultFixedY = 500;

// Milliseconds in one unit of the "Click for" list (ms, second, minute, hour); any other index counts as minutes.
uint64_t TimeUnitFactorMs(int32_t unit);

// Whole seconds of a run `length` units long: a negative length counts as 0, and a length whose
// seconds do not fit in 32 bits is held at the largest that does.
int32_t RunLengthSeconds(int32_t length, int32_t unit);

// The mouse events that make up one click of a run.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The mouse_event flags, with the values the system defines.
constexpr uint32_t kLeftDown = 0x0002;
constexpr uint32_t kLeftUp = 0x0004;
constexpr uint32_t kRightDown = 0x0008;
constexpr uint32_t kRightUp = 0x0010;
constexpr uint32_t kMiddleDown = 0x0020;
constexpr uint32_t kMiddleUp = 0x0040;

// The pause between the two clicks of a double click.
constexpr uint32_t kDoubleClickPauseMs = 100;

// One step of a click: a mouse event with `flag`, or, when `flag` is 0, a plain pause of `pauseMs`.
struct ClickStep {
    uint32_t flag;
    uint32_t pauseMs;
    bool operator==(const ClickStep& other) const { return flag == other.flag && pauseMs == other.pauseMs; }
};

// The steps of one click, at most a double click's five.
struct ClickSequence {
    std::array<ClickStep, 5> steps{};
    size_t count = 0;

    const ClickStep* begin() const { return steps.data(); }
    const ClickStep* end() const { return steps.data() + count; }
};

// The steps for `action` of `button`; empty for a button or action outside its list.
ClickSequence ClickEventsFor(int32_t button, int32_t action, bool swapButtons);

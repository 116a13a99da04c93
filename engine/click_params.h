// The settings of one click run, as the main dialog shows them when Start is pressed.
#pragma once

#include <cstdint>

// Index of the "Mouse:" list; -1 when nothing is selected.
enum MouseButtonChoice : int32_t { kLeftButton = 0, kMiddleButton = 1, kRightButton = 2 };

// Index of the "Action:" list; -1 when nothing is selected.
enum ClickAction : int32_t { kSingleClick = 0, kDoubleClick = 1, kButtonDown = 2, kButtonUp = 3 };

// Index of the unit list of "Click for".
enum TimeUnit : int32_t { kUnitMs = 0, kUnitSecond = 1, kUnitMinute = 2, kUnitHour = 3 };

// Where the clicks land: at the cursor, or on the fixed point.
enum ClickPointMode : int32_t { kClickAtCursor = 0, kClickAtFixedPoint = 1 };

// A click count limit with all bits set means the run is not limited by count.
constexpr uint32_t kNoClickLimit = 0xFFFFFFFFu;

// Snapshot taken once when a run starts; later changes to the controls do not reach it.
struct ClickRunParameters {
    bool noActivate = false;   // minimised during the run, not activated after it
    bool swapButtons = false;  // the system has the primary and secondary buttons exchanged
    int32_t interval = 1000;   // milliseconds between two iterations, at least 1
    int32_t clickPoint = kClickAtCursor;
    int32_t button = kLeftButton;
    int32_t action = kSingleClick;
    bool timeLimited = false;  // the run ends by endTime rather than by count
    uint32_t clickLimit = kNoClickLimit;
    int64_t endTime = 0;         // wall-clock second at which a timed run ends
    bool fixedMoveMouse = true;  // fixed point: leave the cursor there after each click
    int32_t fixedX = 1000;
    int32_t fixedY = 500;
};

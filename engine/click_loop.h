// The click run: one click per interval until a limit is met or a stop is requested.
#pragma once

#include <cstdint>

#include "engine/click_params.h"

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    // Left and top edges belong to the rectangle, right and bottom ones do not.
    bool Contains(ScreenPoint pt) const { return left <= pt.x && pt.x < right && top <= pt.y && pt.y < bottom; }
};

// What the run needs of the system and of the dialog that hosts it.
class ClickHost {
public:
    virtual ~ClickHost() = default;
    virtual bool StopRequested() = 0;
    virtual void ReadCursorPos(ScreenPoint& pt) = 0;  // leaves `pt` as it was when the read fails
    virtual void MoveCursor(ScreenPoint pt) = 0;
    virtual ScreenRect OwnWindowRect() = 0;  // the dialog's window, in screen coordinates
    virtual void SendClick(int32_t button, int32_t action, bool swapButtons) = 0;
    virtual int64_t WallClockSeconds() = 0;
    virtual void WaitInterval(uint32_t interval) = 0;  // returns early on a stop request
};

// Runs clicks as `params` say until a limit is met after a click, or a stop is requested.
void RunClickLoop(ClickHost& host, const ClickRunParameters& params);

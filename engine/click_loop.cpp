#include "engine/click_loop.h"

namespace {

// The limits are tested only after a click; the run ends right after the click that meets one.
bool LimitReached(ClickHost& host, const ClickRunParameters& params, uint32_t clicksMade) {
    if (params.clickLimit != kNoClickLimit && clicksMade >= params.clickLimit) return true;
    return params.timeLimited && host.WallClockSeconds() >= params.endTime;
}

// One iteration at the cursor; returns whether a click was made. No click over the own window.
bool ClickAtCursor(ClickHost& host, const ClickRunParameters& params, ScreenPoint& cursor) {
    host.ReadCursorPos(cursor);
    if (host.OwnWindowRect().Contains(cursor)) return false;
    host.SendClick(params.button, params.action, params.swapButtons);
    return true;
}

// One iteration on the fixed point, putting the cursor back afterwards unless asked to leave it.
bool ClickAtFixedPoint(ClickHost& host, const ClickRunParameters& params, ScreenPoint& saved) {
    const ScreenPoint target{params.fixedX, params.fixedY};
    if (host.OwnWindowRect().Contains(target)) return false;
    if (!params.fixedMoveMouse) host.ReadCursorPos(saved);
    host.MoveCursor(target);
    host.SendClick(params.button, params.action, params.swapButtons);
    if (!params.fixedMoveMouse) host.MoveCursor(saved);
    return true;
}

}  // namespace

void RunClickLoop(ClickHost& host, const ClickRunParameters& params) {
    const bool fixed = params.clickPoint == kClickAtFixedPoint;
    uint32_t clicksMade = 0;
    ScreenPoint cursor;  // (0, 0) until the first successful read
    while (!host.StopRequested()) {
        const bool clicked = fixed ? ClickAtFixedPoint(host, params, cursor) : ClickAtCursor(host, params, cursor);
        if (clicked) {
            ++clicksMade;
            if (LimitReached(host, params, clicksMade)) return;
        }
        host.WaitInterval(static_cast<uint32_t>(params.interval));
    }
}

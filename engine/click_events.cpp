#include "engine/click_events.h"

#include "engine/click_params.h"

namespace {

struct ButtonFlags {
    uint32_t down;
    uint32_t up;
};

// The flags of a button; swapped buttons exchange left and right, middle stays.
bool FlagsForButton(int32_t button, bool swapButtons, ButtonFlags& flags) {
    constexpr ButtonFlags kLeft{kLeftDown, kLeftUp};
    constexpr ButtonFlags kRight{kRightDown, kRightUp};
    switch (button) {
        case kLeftButton: flags = swapButtons ? kRight : kLeft; return true;
        case kMiddleButton: flags = {kMiddleDown, kMiddleUp}; return true;
        case kRightButton: flags = swapButtons ? kLeft : kRight; return true;
        default: return false;
    }
}

void Add(ClickSequence& sequence, uint32_t flag, uint32_t pauseMs = 0) {
    sequence.steps[sequence.count++] = ClickStep{flag, pauseMs};
}

}  // namespace

ClickSequence ClickEventsFor(int32_t button, int32_t action, bool swapButtons) {
    ClickSequence sequence;
    ButtonFlags flags{};
    if (!FlagsForButton(button, swapButtons, flags)) return sequence;
    switch (action) {
        case kSingleClick:
            Add(sequence, flags.down);
            Add(sequence, flags.up);
            break;
        case kDoubleClick:
            Add(sequence, flags.down);
            Add(sequence, flags.up);
            Add(sequence, 0, kDoubleClickPauseMs);
            Add(sequence, flags.down);
            Add(sequence, flags.up);
            break;
        case kButtonDown: Add(sequence, flags.down); break;
        case kButtonUp: Add(sequence, flags.up); break;
        default: break;
    }
    return sequence;
}

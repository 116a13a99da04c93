#include "engine/click_run.h"

#include <ctime>

#include "engine/click_events.h"
#include "engine/click_loop.h"
#include "engine/edit_number.h"
#include "engine/paced_wait.h"
#include "framework/window_text.h"

namespace {

// The wait's view of the system: the performance counter, the message queue and Sleep.
class SystemWaitHost final : public WaitHost {
public:
    int64_t NowMs() override { return ::NowMs(); }
    void PumpMessages() override { ::PumpMessages(); }
    void Sleep(uint32_t ms) override { ::Sleep(ms); }
};

// The run's view of the system and of the dialog that hosts it.
class DialogClickHost final : public ClickHost {
public:
    DialogClickHost(HWND dialog, const volatile BOOL* stopRequested) : m_hDialog(dialog), m_pStop(stopRequested) {}

    bool StopRequested() override { return *m_pStop != FALSE; }
    void ReadCursorPos(ScreenPoint& pt) override {
        POINT cursor{pt.x, pt.y};
        GetCursorPos(&cursor);
        pt = {cursor.x, cursor.y};
    }
    void MoveCursor(ScreenPoint pt) override { SetCursorPos(pt.x, pt.y); }
    ScreenRect OwnWindowRect() override {
        RECT rc{};
        GetWindowRect(m_hDialog, &rc);
        return {rc.left, rc.top, rc.right, rc.bottom};
    }
    void SendClick(int32_t button, int32_t action, bool swapButtons) override {
        ::SendClick(button, action, swapButtons);
    }
    int64_t WallClockSeconds() override { return _time64(nullptr); }
    void WaitInterval(uint32_t interval) override { ::WaitInterval(interval, m_pStop); }

private:
    HWND m_hDialog;                // borrowed
    const volatile BOOL* m_pStop;  // borrowed: the dialog's stop flag
};

}  // namespace

void SendClick(int32_t button, int32_t action, bool swapButtons) {
    for (const ClickStep& step : ClickEventsFor(button, action, swapButtons)) {
        if (step.flag != 0) {
            mouse_event(step.flag, 0, 0, 0, 0);
        } else {
            Sleep(step.pauseMs);
        }
    }
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int64_t NowMs() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<int64_t>(static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart) *
                                1000.0);
}

void WaitInterval(uint32_t interval, const volatile BOOL* stopFlag) {
    SystemWaitHost host;
    ::WaitInterval(host, interval, stopFlag);
}

void RunClickLoop(HWND dialog, const volatile BOOL* stopRequested, const ClickRunParameters& params) {
    DialogClickHost host(dialog, stopRequested);
    ::RunClickLoop(host, params);
}

int32_t ReadEditInt(HWND edit, int32_t fallback) { return EditTextToInt(GetWindowString(edit), fallback); }

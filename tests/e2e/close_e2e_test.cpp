// Every way of ending the real program releases its hotkeys, and File > Exit ends a run first.
#include <functional>

#include "tapwell_site_test.h"

namespace {

using CloseTest = TapwellSiteTest;

// Whether this process could take Ctrl+F1 now, as a new instance would at its start.
bool CtrlF1IsFree() {
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_F1)) return false;
    UnregisterHotKey(nullptr, 1);
    return true;
}

TEST_F(CloseTest, ExitTheCloseButtonAndAltF4EndTheProgramAndFreeTheHotkeys) {
    const struct {
        const char* way;
        std::function<void(HWND)> close;
    } ways[] = {
        {"File > Exit", [](HWND main) { PostMessageW(main, WM_COMMAND, MAKEWPARAM(kMenuExit, 0), 0); }},
        {"close button", [](HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4",
         [](HWND main) {
             SetForegroundWindow(main);
             PressKeys({VK_MENU, VK_F4});
         }},
    };
    for (const auto& w : ways) {
        if (!app) {
            ASSERT_NO_FATAL_FAILURE(Launch()) << w.way;
        }
        EXPECT_FALSE(CtrlF1IsFree()) << w.way;  // the program holds it while it runs
        w.close(app->Window());
        EXPECT_TRUE(app->WaitForExit(kWaitMs)) << w.way;
        EXPECT_TRUE(CtrlF1IsFree()) << w.way;
        app.reset();
    }
}

TEST_F(CloseTest, ExitDuringARunEndsTheRunAndThenTheProgram) {
    RECT main{};
    GetWindowRect(app->Window(), &main);
    SetCursorPos((main.left + main.right) / 2, (main.top + main.bottom) / 2);  // a run never clicks its own window
    SendMessageW(GetDlgItem(app->Window(), 1005), BM_CLICK, 0, 0);             // click where the mouse is
    app->Command(kStartButton);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(app->Window(), kStopButton)) != FALSE; }, kWaitMs));
    app->Command(kMenuExit);
    EXPECT_TRUE(app->WaitForExit(kWaitMs));
    EXPECT_TRUE(CtrlF1IsFree());
    app.reset();
}

}  // namespace

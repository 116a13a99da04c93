#include "engine/click_run.h"

#include <gtest/gtest.h>

#include <string>

#include "win_test_util.h"

namespace {

constexpr UINT kMsgSetStop = WM_APP + 1;
constexpr UINT kMsgCount = WM_APP + 2;

volatile BOOL g_stop = FALSE;
int g_counted = 0;

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kMsgSetStop: g_stop = TRUE; return 0;
        case kMsgCount: ++g_counted; return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// A hidden window whose handlers count messages and set the stop flag, as the dialog's would.
HWND CreateRecorder() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecorderProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TapwellTestRecorder";
    RegisterClassW(&wc);
    return CreateWindowW(wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

TEST(ReadEditInt, ReadsTheTextOfARealEdit) {
    TestWindow edit(
        CreateWindowW(L"EDIT", L"", WS_POPUP | ES_NUMBER, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr));
    ASSERT_NE(edit.Get(), nullptr);
    const struct {
        const wchar_t* text;
        int32_t expected;
    } cases[] = {{L"", -1},      {L"0", 0},      {L"-12", -12},
                 {L"abc", -1},   {L"12abc", 12}, {L"99999999999999999999", 2147483647},
                 {L"  300", 300}};
    for (const auto& c : cases) {
        SetWindowTextW(edit.Get(), c.text);
        EXPECT_EQ(ReadEditInt(edit.Get(), -1), c.expected) << std::wstring(c.text).size();
    }
    const std::wstring longText = L"42" + std::wstring(5000, L'x');
    SetWindowTextW(edit.Get(), longText.c_str());
    EXPECT_EQ(ReadEditInt(edit.Get(), -1), 42);
}

TEST(PumpMessages, DispatchesEverythingWaitingAndReturns) {
    TestWindow recorder(CreateRecorder());
    g_counted = 0;
    for (int i = 0; i < 25; ++i) PostMessageW(recorder.Get(), kMsgCount, 0, 0);
    PumpMessages();
    EXPECT_EQ(g_counted, 25);
    PumpMessages();  // an empty queue returns at once
    EXPECT_EQ(g_counted, 25);
}

TEST(WaitInterval, AStopSetByAHandlerEndsALongWait) {
    TestWindow recorder(CreateRecorder());
    g_stop = FALSE;
    PostMessageW(recorder.Get(), kMsgSetStop, 0, 0);
    const int64_t start = NowMs();
    WaitInterval(60000, &g_stop);
    EXPECT_TRUE(g_stop);
    EXPECT_LT(NowMs() - start, 60000);  // ended by the stop, not by the deadline
}

TEST(WaitInterval, WithoutAStopFlagOnlyTheDeadlineEndsIt) {
    const int64_t start = NowMs();
    WaitInterval(120, nullptr);
    EXPECT_GE(NowMs() - start + 25, 120);  // the last half slice may be left over
}

TEST(NowMs, NeverGoesBack) {
    int64_t last = NowMs();
    for (int i = 0; i < 1000; ++i) {
        const int64_t now = NowMs();
        ASSERT_GE(now, last);
        last = now;
    }
}

}  // namespace

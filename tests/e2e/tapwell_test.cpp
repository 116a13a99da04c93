#include "tapwell_test.h"

#include "res/resource.h"

void TapwellTest::SetUp() {
    // A program left over by an earlier test would take this test's place as the single instance.
    ASSERT_TRUE(WaitUntil([] { return TopLevelWindows(kTapwellClass).empty(); }, kWaitMs));
    DeleteSettingsFile();
}

void TapwellTest::Launch() {
    app = std::make_unique<TapwellDriver>();
    ASSERT_TRUE(app->Started());
    ASSERT_TRUE(app->WaitForWindow());
    app->MoveTo(kDialogX, kDialogY);
}

void TapwellClickTest::SetUp() {
    ASSERT_NO_FATAL_FAILURE(TapwellTest::SetUp());
    const std::wstring place = std::to_wstring(kTargetLeft) + L" " + std::to_wstring(kTargetTop) + L" 500 450";
    target = std::make_unique<ChildProcess>(L"click_target.exe", L"\"" + log + L"\" " + place);
    ASSERT_TRUE(target->Started());
    ASSERT_TRUE(
        WaitUntil([] { return IsWindowVisible(FindWindowW(L"TapwellClickTarget", nullptr)) != FALSE; }, kWaitMs));
    ASSERT_NO_FATAL_FAILURE(Launch());
}

void TapwellClickTest::TearDown() {
    app.reset();
    target.reset();
    DeleteFileW(log.c_str());
}

void TapwellClickTest::UseFixedPoint(int x, int y) const {
    app->Click(IDC_RADIO_FIXED_POINT);
    app->SetText(IDC_EDIT_X, std::to_wstring(x));
    app->SetText(IDC_EDIT_Y, std::to_wstring(y));
}

bool TapwellClickTest::RunToEnd() const {
    DeleteSettingsFile();
    app->PostClick(IDC_BTN_START);
    return WaitUntil([] { return !ReadSettingsText().empty(); }, kWaitMs) && app->WaitUntilIdle();
}

std::vector<TargetEvent> TapwellClickTest::EventsOnce(size_t count) {
    WaitUntil([&] { return ReadTargetLog(log).size() >= count; }, kWaitMs);
    // Let the target handle whatever may still be queued before the final read.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(FindWindowW(L"TapwellClickTarget", nullptr), WM_NULL, 0, 0, SMTO_BLOCK, kWaitMs, &result);
    return ReadTargetLog(log);
}

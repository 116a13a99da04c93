// Fixtures of the tests that drive the real tapwell.exe.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e_util.h"
#include "tapwell_driver.h"

// Where the tests put the dialog: top left, out of the click target's way.
constexpr int kDialogX = 20;
constexpr int kDialogY = 20;

// A test that starts tapwell.exe on a settings file of its own (none, unless the test writes one).
class TapwellTest : public testing::Test {
protected:
    void SetUp() override;
    // Starts the program, waits for its dialog and moves the dialog to (kDialogX, kDialogY).
    void Launch();

    std::unique_ptr<TapwellDriver> app;
};

// The click target at (600, 150), 500 x 450 pixels, beside the dialog; it covers the default
// fixed point (1000, 500).
class TapwellClickTest : public TapwellTest {
protected:
    static constexpr int kTargetLeft = 600;
    static constexpr int kTargetTop = 150;

    void SetUp() override;
    void TearDown() override;
    // Switches the dialog to "Click on a fixed point" at (x, y).
    void UseFixedPoint(int x, int y) const;
    // Presses Start and waits until the run has begun (it saves the settings first) and ended.
    bool RunToEnd() const;
    // The events logged so far, once at least `count` have arrived or the wait has run out.
    std::vector<TargetEvent> EventsOnce(size_t count);

    std::wstring log = TempFileName(L"tgt");
    std::unique_ptr<ChildProcess> target;
};

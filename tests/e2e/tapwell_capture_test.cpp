// Point capture and the move-to-point button of the real program, driven with the real cursor,
// keyboard and mouse buttons.
#include <string>

#include "res/resource.h"
#include "tapwell_test.h"

namespace {

class TapwellCaptureTest : public TapwellTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TapwellTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(Launch());
        ASSERT_TRUE(app->BringToForeground());
        app->Click(IDC_RADIO_FIXED_POINT);
    }
    bool EditsShow(POINT pt) const {
        return app->Text(IDC_EDIT_X) == std::to_wstring(pt.x) && app->Text(IDC_EDIT_Y) == std::to_wstring(pt.y);
    }
    // Puts the cursor on `pt` (again, if taking a mouse message has moved it back) until the edits show it.
    bool MoveAndWaitForEdits(POINT pt) const {
        return WaitUntil(
            [&] {
                const POINT now = CursorPos();
                if (now.x != pt.x || now.y != pt.y) SetCursorPos(pt.x, pt.y);
                return EditsShow(pt);
            },
            kWaitMs);
    }
    // A key that only a dialog without capture acts on: Tab moves the focus from Start Capture to the X edit.
    bool TabReachesTheXEdit() const {
        PressKeys({VK_TAB});
        return WaitUntil([&] { return app->Focus() == app->Control(IDC_EDIT_X); }, kWaitMs);
    }
};

// Waits until the cursor is at `pt`.
bool CursorReaches(POINT pt) {
    return WaitUntil(
        [&] {
            const POINT now = CursorPos();
            return now.x == pt.x && now.y == pt.y;
        },
        kWaitMs);
}

// The middle of a window, in screen coordinates.
POINT Centre(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST_F(TapwellCaptureTest, EditsFollowTheCursorUntilAKeyWhichDoesNothingElse) {
    SetCursorPos(400, 600);
    app->Click(IDC_BTN_START_CAPTURE);
    EXPECT_TRUE(EditsShow({400, 600}));
    ASSERT_EQ(app->Focus(), app->Control(IDC_BTN_START_CAPTURE));

    ASSERT_TRUE(MoveAndWaitForEdits({700, 650}));
    ASSERT_TRUE(MoveAndWaitForEdits({123, 900}));
    // A right click, over the dialog itself, leaves capture running. The first move after it may be
    // what a wrongly ended capture writes last; the edits show it only once the click has been taken.
    const POINT overDialog{kDialogX + 100, kDialogY + 250};
    ASSERT_TRUE(MoveAndWaitForEdits(overDialog));
    ClickMouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(MoveAndWaitForEdits({600, 720}));
    ASSERT_TRUE(MoveAndWaitForEdits({650, 700}));

    // Space freezes the edits and is consumed: it does not press the focused Start Capture again,
    // which would go on capturing and swallow the Tab.
    PressKeys({VK_SPACE});
    EXPECT_TRUE(TabReachesTheXEdit());
    EXPECT_TRUE(EditsShow({650, 700}));
    SetCursorPos(900, 800);
    EXPECT_FALSE(WaitUntil([&] { return !EditsShow({650, 700}); }, kMustNotHappenMs));
    EXPECT_TRUE(app->Idle());
}

TEST_F(TapwellCaptureTest, LeftClickEndsCaptureWithoutPressingTheButtonBeneath) {
    app->Click(IDC_BTN_START_CAPTURE);
    const POINT overStart = Centre(app->Control(IDC_BTN_START));
    ASSERT_TRUE(MoveAndWaitForEdits(overStart));
    ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(TabReachesTheXEdit());
    EXPECT_TRUE(EditsShow(overStart));
    // No run started: Start would have saved the settings first.
    EXPECT_TRUE(app->Idle());
    EXPECT_TRUE(ReadSettingsText().empty());
}

TEST_F(TapwellCaptureTest, MoveToPointButtonFillsMissingCoordinatesAndMovesTheCursor) {
    const struct {
        const wchar_t* x;
        const wchar_t* y;
        const wchar_t* shownX;
        const wchar_t* shownY;
        POINT cursor;
    } cases[] = {
        {L"", L"300", L"1000", L"300", {1000, 300}},
        {L"200", L"", L"200", L"500", {200, 500}},
        {L"0", L"0", L"0", L"0", {0, 0}},
        {L"-5", L"abc", L"1000", L"500", {1000, 500}},
        {L"640", L"480", L"640", L"480", {640, 480}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "X '" << c.x << "' Y '" << c.y << "'");
        SetCursorPos(700, 700);
        app->SetText(IDC_EDIT_X, c.x);
        app->SetText(IDC_EDIT_Y, c.y);
        app->Click(IDC_BTN_VIEW_POS);
        EXPECT_EQ(app->Text(IDC_EDIT_X), c.shownX);
        EXPECT_EQ(app->Text(IDC_EDIT_Y), c.shownY);
        EXPECT_TRUE(CursorReaches(c.cursor));
    }
}

// The same button pressed with the mouse, through hover tracking and the tool tip's relay.
TEST_F(TapwellCaptureTest, MouseClickOnMoveToPointButtonMovesTheCursor) {
    app->SetText(IDC_EDIT_X, L"");
    app->SetText(IDC_EDIT_Y, L"300");
    const POINT button = Centre(app->Control(IDC_BTN_VIEW_POS));
    SetCursorPos(button.x, button.y);
    ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(CursorReaches({1000, 300}));
    EXPECT_EQ(app->Text(IDC_EDIT_X), L"1000");
}

}  // namespace

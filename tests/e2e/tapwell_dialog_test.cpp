// The main dialog of the real program as another process sees it: its controls at start-up, the
// settings file loaded into them, and the keys and instances that must not close or duplicate it.
#include <string>
#include <vector>

#include "res/resource.h"
#include "tapwell_test.h"

namespace {

// Not a check box or radio button.
constexpr int kNoCheck = -1;

// One child window of the dialog as the test expects it, in the template's order.
struct ChildState {
    int id;  // IDC_STATIC for the labels and group boxes
    const wchar_t* text;
    bool enabled;
    int checked;  // kNoCheck, or BST_CHECKED / BST_UNCHECKED
};

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM list) {
            if (GetParent(child) != nullptr) reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

TEST_F(TapwellTest, WithoutSettingsFileEveryControlShowsItsDefault) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    EXPECT_EQ(app->Title(), L"Tapwell");
    EXPECT_EQ(ClassName(app->Window()), kTapwellClass);

    const ChildState expected[] = {
        {IDC_BTN_START, L"Start (Ctrl + F1)", true, kNoCheck},
        {IDC_BTN_STOP, L"Stop (Ctrl + F2)", false, kNoCheck},
        {IDC_STATIC, L"Click Options", true, kNoCheck},
        {IDC_STATIC, L"Click Interval:", true, kNoCheck},
        {IDC_EDIT_INTERVAL, L"1000", true, kNoCheck},
        {IDC_STATIC, L"Mouse:", true, kNoCheck},
        {IDC_STATIC, L"Action:", true, kNoCheck},
        {IDC_COMBO_MOUSE, L"Left Button", true, kNoCheck},
        {IDC_COMBO_ACTION, L"Single Click", true, kNoCheck},
        {IDC_STATIC, L"ms", true, kNoCheck},
        {IDC_STATIC, L"Click Point", true, kNoCheck},
        {IDC_RADIO_MOUSE_POS, L"Click where the mouse is ", true, BST_CHECKED},
        {IDC_RADIO_FIXED_POINT, L"Click on a fixed point", true, BST_UNCHECKED},
        {IDC_STATIC, L"Specify click point", true, kNoCheck},
        {IDC_BTN_START_CAPTURE, L"Start Capture", false, kNoCheck},
        {IDC_STATIC_CAPTURE_HINT, L"Press Any Key To Stop Capture", true, kNoCheck},
        {IDC_STATIC_X, L"X:", true, kNoCheck},
        {IDC_EDIT_X, L"1000", false, kNoCheck},
        {IDC_STATIC_Y, L"Y:", true, kNoCheck},
        {IDC_EDIT_Y, L"500", false, kNoCheck},
        {IDC_CHECK_MOVE_MOUSE, L"Move mouse to the fixed point", false, BST_CHECKED},
        {IDC_STATIC, L"Click Count", true, kNoCheck},
        {IDC_EDIT_CLICK_COUNT, L"100", true, kNoCheck},
        {IDC_STATIC, L"times", true, kNoCheck},
        {IDC_RADIO_CLICK_COUNT, L"Click", true, BST_CHECKED},
        {IDC_RADIO_CLICK_FOR, L"Click for", true, BST_UNCHECKED},
        {IDC_EDIT_CLICK_FOR, L"1", false, kNoCheck},
        {IDC_COMBO_TIME_UNIT, L"minute", false, kNoCheck},
        {IDC_STATIC, L"time", true, kNoCheck},
        {IDC_CHECK_NO_ACTIVATE, L"Do not activate this window when click stopped", true, BST_UNCHECKED},
        {IDC_BTN_VIEW_POS, L"", false, kNoCheck},
    };
    const std::vector<HWND> children = Children(app->Window());
    ASSERT_EQ(children.size(), std::size(expected));
    for (size_t i = 0; i < children.size(); ++i) {
        const ChildState& want = expected[i];
        HWND child = children[i];
        EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(child))), want.id) << i;
        EXPECT_EQ(WindowText(child), want.text) << i;
        EXPECT_EQ(IsWindowEnabled(child) != FALSE, want.enabled) << i << " " << want.id;
        if (want.checked != kNoCheck) {
            EXPECT_EQ(SendMessageW(child, BM_GETCHECK, 0, 0), want.checked) << want.id;
        }
    }

    EXPECT_EQ(ListItems(app->Control(IDC_COMBO_MOUSE)),
              (std::vector<std::wstring>{L"Left Button", L"Middle Button", L"Right Button"}));
    EXPECT_EQ(ListItems(app->Control(IDC_COMBO_ACTION)),
              (std::vector<std::wstring>{L"Single Click", L"Double Click", L"Button Down", L"Button Up"}));
    EXPECT_EQ(ListItems(app->Control(IDC_COMBO_TIME_UNIT)),
              (std::vector<std::wstring>{L"ms", L"second", L"minute", L"hour"}));
    EXPECT_EQ(app->Selection(IDC_COMBO_MOUSE), 0);
    EXPECT_EQ(app->Selection(IDC_COMBO_ACTION), 0);
    EXPECT_EQ(app->Selection(IDC_COMBO_TIME_UNIT), 2);
    // Looking is not saving: the file appears only when a run starts.
    EXPECT_TRUE(ReadSettingsFile().empty());
}

}  // namespace

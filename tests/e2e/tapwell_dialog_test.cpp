// The main dialog of the real program as another process sees it: its controls at start-up, the
// keys and instances that must not close or duplicate it, its hotkey warnings, and its pictures.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "framework/gdi.h"
#include "res/resource.h"
#include "screenshot.h"
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

// EnumChildWindows' callback: appends each window to the vector at `list`.
BOOL CALLBACK AddChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// The dialog's controls in their z-order, which is the template's order.
std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    EnumChildWindows(dialog, AddChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

// A window's text as its owner answers WM_GETTEXT (an edit's current text, a list's selected item).
std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

// The items of a drop-down list, in order.
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

// The name of a window's class.
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

// The dialog's area at `client` (client coordinates), as the screen shows it.
COLORREF ScreenPixel(HWND window, POINT client) {
    ClientToScreen(window, &client);
    ClientDC screen(nullptr);
    return GetPixel(screen.Get(), client.x, client.y);
}

// A point inside `control`, in its dialog's client coordinates, away from its border.
POINT InsideControl(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.right - 4, rect.bottom - 4};
}

// A whole file's bytes; empty if it cannot be read.
std::string FileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Paints the whole dialog now and saves its picture once two pictures in a row are the same: the
// window system shows what was painted a moment later.
bool SavePaintedPicture(HWND dialog, const std::wstring& path) {
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    std::string previous;
    return WaitUntil(
        [&] {
            if (!SaveWindowPng(dialog, path)) return false;
            std::string picture = FileBytes(path);
            const bool settled = picture == previous;
            previous = std::move(picture);
            return settled;
        },
        kWaitMs);
}

// Visible message boxes (dialogs of the system class) of process `pid`.
std::vector<HWND> MessageBoxesOf(DWORD pid) {
    std::vector<HWND> boxes;
    for (HWND w : TopLevelWindows(L"#32770")) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w)) boxes.push_back(w);
    }
    return boxes;
}

// A hotkey that this test process holds, as another program would.
class HeldHotkey {
public:
    HeldHotkey(int id, UINT key) : m_id(id), m_held(RegisterHotKey(nullptr, id, MOD_CONTROL, key) != FALSE) {}
    ~HeldHotkey() {
        if (m_held) UnregisterHotKey(nullptr, m_id);
    }
    HeldHotkey(const HeldHotkey&) = delete;
    HeldHotkey& operator=(const HeldHotkey&) = delete;
    bool Held() const { return m_held; }

private:
    int m_id;
    bool m_held;
};

// Whether Ctrl+`key` is free: nobody, this process included, holds it.
bool CanRegister(UINT key) { return HeldHotkey(0xBFFF, key).Held(); }

TEST_F(TapwellTest, EnterAndEscapeLeaveTheDialogOpen) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(app->BringToForeground());
    // In the interval edit, where Enter presses no button.
    PostMessageW(app->Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(app->Control(IDC_EDIT_INTERVAL)), TRUE);
    ASSERT_TRUE(WaitUntil([&] { return app->Focus() == app->Control(IDC_EDIT_INTERVAL); }, kWaitMs));
    PressKeys({VK_RETURN});
    PressKeys({VK_ESCAPE});
    // A digit typed after them shows that the dialog has taken both keys and is still there.
    PressKeys({'7'});
    EXPECT_TRUE(WaitUntil([&] { return app->Text(IDC_EDIT_INTERVAL) == L"7"; }, kWaitMs));
    EXPECT_TRUE(IsWindowVisible(app->Window()));
    EXPECT_FALSE(app->WaitForExit(0));
    EXPECT_TRUE(app->Idle());
}

TEST_F(TapwellTest, SecondInstanceEndsWithoutAWindowOfItsOwn) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    for (const bool minimised : {false, true}) {
        SCOPED_TRACE(minimised);
        if (minimised) ShowWindow(app->Window(), SW_MINIMIZE);
        ASSERT_TRUE(WaitUntil([&] { return (IsIconic(app->Window()) != FALSE) == minimised; }, kWaitMs));
        ChildProcess second(L"..\\..\\tapwell.exe", L"");
        ASSERT_TRUE(second.Started());
        EXPECT_TRUE(second.WaitForExit(kWaitMs));
        EXPECT_EQ(TopLevelWindows(kTapwellClass), std::vector<HWND>{app->Window()});
        EXPECT_TRUE(MessageBoxesOf(second.ProcessId()).empty());
        EXPECT_FALSE(app->WaitForExit(0));
        // Brought forward, but not restored.
        EXPECT_EQ(IsIconic(app->Window()) != FALSE, minimised);
    }
}

TEST_F(TapwellTest, HotkeyHeldElsewhereIsReportedAndTheDialogStillOpens) {
    const std::wstring f1 = L"Hotkey 'Ctrl + F1' conflict!";
    const std::wstring f2 = L"Hotkey 'Ctrl + F2' conflict!";
    const struct {
        std::vector<UINT> held;
        std::vector<std::wstring> messages;
    } cases[] = {
        {{VK_F1}, {f1}},
        {{VK_F2}, {f2}},
        {{VK_F1, VK_F2}, {f1, f2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.messages.size() == 2 ? "both" : c.held[0] == VK_F1 ? "Ctrl+F1" : "Ctrl+F2");
        std::vector<std::unique_ptr<HeldHotkey>> held;
        for (UINT key : c.held) held.push_back(std::make_unique<HeldHotkey>(static_cast<int>(key), key));
        for (const auto& h : held) ASSERT_TRUE(h->Held());

        app = std::make_unique<TapwellDriver>();
        for (const std::wstring& message : c.messages) {
            std::vector<HWND> boxes;
            ASSERT_TRUE(WaitUntil([&] { return !(boxes = MessageBoxesOf(app->ProcessId())).empty(); }, kWaitMs));
            ASSERT_EQ(boxes.size(), 1u);
            HWND box = boxes[0];
            EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), message);
            EXPECT_EQ(WindowText(box), L"tapwell");
            EXPECT_EQ(WindowText(GetDlgItem(box, IDOK)), L"OK");
            EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
            // The exclamation mark of a warning.
            EXPECT_NE(SendMessageW(GetDlgItem(box, 0x0440), STM_GETICON, 0, 0), 0);
            PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kWaitMs));
        }
        ASSERT_TRUE(app->WaitForWindow());
        EXPECT_TRUE(MessageBoxesOf(app->ProcessId()).empty());
        // A hotkey that was free is now the program's, until it closes.
        std::vector<UINT> free;
        for (UINT key : {VK_F1, VK_F2}) {
            if (std::find(c.held.begin(), c.held.end(), key) == c.held.end()) free.push_back(key);
        }
        for (UINT key : free) EXPECT_FALSE(CanRegister(key)) << key;
        EXPECT_TRUE(app->Close());
        app.reset();
        for (UINT key : free) EXPECT_TRUE(CanRegister(key)) << key;
    }
}

// Pictures for a person to look at, in build/screenshots; the tests check the dialog colour on the
// background and in the X edit, which is the disabled edit's colour only while it is disabled.
// A copy of the program in a folder without its Res pictures: the move-to-point button keeps its
// template size and shows no picture, and everything else still works.
TEST_F(TapwellTest, WithoutItsPicturesTheProgramStillWorks) {
    const std::wstring folder = ProgramFolder() + L"\\without-res";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(
        CopyFileW((ProgramFolder() + L"\\..\\..\\tapwell.exe").c_str(), (folder + L"\\tapwell.exe").c_str(), FALSE));
    app = std::make_unique<TapwellDriver>(L"without-res\\tapwell.exe");
    ASSERT_TRUE(app->WaitForWindow());
    RECT button{};
    GetWindowRect(app->Control(IDC_BTN_VIEW_POS), &button);
    EXPECT_NE(button.right - button.left, 23 + 2);  // not fitted to a picture with its one-pixel frame

    app->Click(IDC_RADIO_FIXED_POINT);
    EXPECT_TRUE(app->Enabled(IDC_BTN_VIEW_POS));
    app->SetText(IDC_EDIT_X, L"640");
    app->SetText(IDC_EDIT_Y, L"480");
    app->Click(IDC_BTN_VIEW_POS);
    EXPECT_EQ(CursorPos().x, 640);
    EXPECT_EQ(CursorPos().y, 480);
    EXPECT_TRUE(app->Close());
    app.reset();
    DeleteFileW((folder + L"\\tapwell.exe").c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(TapwellTest, ScreenshotsOfBothClickPointModes) {
    const std::wstring folder = ProgramFolder() + L"\\..\\..\\..\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_NO_FATAL_FAILURE(Launch());
    const struct {
        int radio;
        const wchar_t* file;
        COLORREF xEdit;
    } modes[] = {
        {IDC_RADIO_MOUSE_POS, L"tapwell-mouse-position.png", RGB(246, 246, 246)},
        {IDC_RADIO_FIXED_POINT, L"tapwell-fixed-point.png", GetSysColor(COLOR_WINDOW)},
    };
    HWND dialog = app->Window();
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.radio);
        app->Click(mode.radio);
        EXPECT_TRUE(SavePaintedPicture(dialog, folder + L"\\" + mode.file));
        EXPECT_EQ(ScreenPixel(dialog, {4, 4}), RGB(246, 246, 246));
        EXPECT_EQ(ScreenPixel(dialog, InsideControl(dialog, app->Control(IDC_EDIT_X))), mode.xEdit);
    }
}

}  // namespace

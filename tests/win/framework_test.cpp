// The class layer: modal loop, command routing, reflection to control objects, menus and locks.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "framework/app.h"
#include "framework/cmd_ui.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/menu.h"
#include "framework/sync.h"
#include "test_dialog.h"
#include "win_test_util.h"

namespace {

// An application object that records the commands offered to it.
class RecordingApp : public CWinApp {
public:
    std::vector<UINT> commands;
    BOOL OnCmdMsg(UINT id, int code, void* extra) override {
        if (code != CN_COMMAND || extra != nullptr) return FALSE;
        commands.push_back(id);
        return TRUE;
    }
};

// An owner-drawn button that counts its paintings.
class CountingButton : public CButton {
public:
    int draws = 0;
    void DrawItem(DRAWITEMSTRUCT* item) override {
        ++draws;
        FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
};

// The test dialog: each step of `script` runs at one idle moment of the modal loop.
class ScriptedDialog : public CDialog {
public:
    explicit ScriptedDialog(CWnd* parent = nullptr) : CDialog(IDD_TEST_FRAMEWORK, parent) {}

    std::vector<std::function<void(ScriptedDialog&)>> script;
    std::vector<std::pair<UINT, int>> commands;  // what reached the dialog's own handlers
    std::vector<LPARAM> idleCounts;
    bool ignoreOkCancel = false;
    CountingButton m_btnOwner;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_TEST_OWNERDRAW, m_btnOwner); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_KICKIDLE: return OnKickIdle(lParam);
            default: return CDialog::WindowProc(message, wParam, lParam);
        }
    }
    BOOL OnCmdMsg(UINT id, int code, void* extra) override {
        if (id == IDC_TEST_PLAIN || id == WM_APP) {
            commands.emplace_back(id, code);
            return TRUE;
        }
        return CDialog::OnCmdMsg(id, code, extra);
    }
    void OnOK() override {
        commands.emplace_back(IDOK, CN_COMMAND);
        if (!ignoreOkCancel) CDialog::OnOK();
    }
    void OnCancel() override {
        commands.emplace_back(IDCANCEL, CN_COMMAND);
        if (!ignoreOkCancel) CDialog::OnCancel();
    }

private:
    // Runs the next step of the script; a dialog whose script is done ends itself.
    LRESULT OnKickIdle(LPARAM count) {
        idleCounts.push_back(count);
        if (count != 0) return 0;  // one step per idle moment
        if (m_step < script.size()) {
            script[m_step++](*this);
            PostMessage(WM_NULL);  // makes sure another idle moment follows
        } else {
            EndDialog(-2);
        }
        return 1;
    }
    size_t m_step = 0;
};

void PostKey(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

TEST(ModalDialog, RunsUntilEndDialogWithTheOwnerDisabled) {
    TestWindow owner(CreateWindowW(L"STATIC", L"owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr));
    CWnd ownerWnd;
    ownerWnd.SubclassWindow(owner.Get());
    ScriptedDialog dialog(&ownerWnd);
    BOOL ownerEnabledDuringRun = TRUE;
    HWND dialogWindow = nullptr;
    dialog.script = {[&](ScriptedDialog& d) {
        ownerEnabledDuringRun = IsWindowEnabled(owner.Get());
        dialogWindow = d.m_hWnd;
        d.EndDialog(42);
    }};
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_TRUE(IsWindowEnabled(owner.Get()));
    EXPECT_FALSE(IsWindow(dialogWindow));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_btnOwner.m_hWnd, nullptr);  // controls are unbound when their window goes
}

TEST(ModalDialog, KickIdleComesEachTimeTheQueueEmpties) {
    ScriptedDialog dialog;
    dialog.script = {[](ScriptedDialog& d) { d.PostMessage(WM_COMMAND, WM_APP); },
                     [](ScriptedDialog& d) { d.PostMessage(WM_COMMAND, WM_APP); }};
    EXPECT_EQ(dialog.DoModal(), -2);
    EXPECT_EQ(dialog.commands.size(), 2u);
    EXPECT_EQ(std::count(dialog.idleCounts.begin(), dialog.idleCounts.end(), 0), 3);
}

TEST(ModalDialog, EnterAndEscapeReachOnOkAndOnCancel) {
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        ScriptedDialog dialog;
        dialog.script = {[key](ScriptedDialog& d) { PostKey(d.GetDlgItem(IDC_TEST_EDIT), key); }};
        EXPECT_EQ(dialog.DoModal(), key == VK_RETURN ? IDOK : IDCANCEL);
    }
    ScriptedDialog stays;  // overriding both keeps the dialog open
    stays.ignoreOkCancel = true;
    stays.script = {[](ScriptedDialog& d) { PostKey(d.GetDlgItem(IDC_TEST_EDIT), VK_RETURN); },
                    [](ScriptedDialog& d) { PostKey(d.GetDlgItem(IDC_TEST_EDIT), VK_ESCAPE); }};
    EXPECT_EQ(stays.DoModal(), -2);
    EXPECT_EQ(stays.commands, (std::vector<std::pair<UINT, int>>{{IDOK, CN_COMMAND}, {IDCANCEL, CN_COMMAND}}));
}

TEST(ModalDialog, F1BecomesTheHelpCommandOfTheApplicationButNotWithCtrl) {
    RecordingApp app;
    ScriptedDialog dialog;
    dialog.script = {[](ScriptedDialog& d) { PostKey(d.GetDlgItem(IDC_TEST_EDIT), VK_F1); },
                     [](ScriptedDialog& d) {
                         BYTE keys[256] = {};
                         GetKeyboardState(keys);
                         keys[VK_CONTROL] = 0x80;
                         SetKeyboardState(keys);
                         PostKey(d.GetDlgItem(IDC_TEST_EDIT), VK_F1);
                     },
                     [](ScriptedDialog&) {
                         BYTE keys[256] = {};
                         GetKeyboardState(keys);
                         keys[VK_CONTROL] = 0;
                         SetKeyboardState(keys);
                     }};
    EXPECT_EQ(dialog.DoModal(), -2);
    EXPECT_EQ(app.commands, std::vector<UINT>{ID_HELP});
}

// With no control focused (say, it was disabled), F1 reaches the dialog as a system key.
TEST(ModalDialog, F1WithoutAFocusedControlIsTheHelpCommandToo) {
    RecordingApp app;
    ScriptedDialog dialog;
    dialog.script = {[](ScriptedDialog& d) {
        PostMessageW(d.m_hWnd, WM_SYSKEYDOWN, VK_F1, 1);
        PostMessageW(d.m_hWnd, WM_SYSKEYUP, VK_F1, 0xC0000001);
    }};
    EXPECT_EQ(dialog.DoModal(), -2);
    EXPECT_EQ(app.commands, std::vector<UINT>{ID_HELP});
}

TEST(ModalDialog, ControlNotificationsReachTheirObjectsAndTheDialog) {
    ScriptedDialog dialog;
    dialog.script = {[](ScriptedDialog& d) {
        d.ShowWindow(SW_SHOWNORMAL);
        UpdateWindow(d.m_hWnd);
        SendMessageW(d.GetDlgItem(IDC_TEST_PLAIN), BM_CLICK, 0, 0);
    }};
    dialog.DoModal();
    EXPECT_GE(dialog.m_btnOwner.draws, 1);
    EXPECT_EQ(dialog.commands, (std::vector<std::pair<UINT, int>>{{IDC_TEST_PLAIN, BN_CLICKED}}));
}

TEST(ModalDialog, ATemplateThatCannotBeLoadedReturnsMinusOne) {
    CDialog missing(9999);
    EXPECT_EQ(missing.DoModal(), -1);
}

// A target with an update handler for 10 and a command handler for 11.
class UpdateTarget : public CCmdTarget {
public:
    BOOL OnCmdMsg(UINT id, int code, void* extra) override {
        if (code == CN_UPDATE_COMMAND_UI && id == 10) {
            static_cast<CCmdUI*>(extra)->Enable(FALSE);
            static_cast<CCmdUI*>(extra)->SetCheck(1);
            return TRUE;
        }
        return code == CN_COMMAND && id == 11;
    }
};

TEST(CmdUI, UpdateHandlersSetStatesAndMissingHandlersDisableOnlyWhenAsked) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    for (UINT id : {10u, 11u, 12u}) menu.InsertMenu(static_cast<UINT>(-1), MF_BYPOSITION | MF_STRING, id, L"item");
    UpdateTarget target;
    auto update = [&](BOOL disableIfNoHandler) {
        for (UINT i = 0; i < 3; ++i) {
            CCmdUI state;
            state.m_nID = menu.GetMenuItemID(static_cast<int>(i));
            state.m_nIndex = i;
            state.m_nIndexMax = 3;
            state.m_hMenu = menu.m_hMenu;
            state.DoUpdate(&target, disableIfNoHandler);
        }
    };
    update(FALSE);
    EXPECT_TRUE(menu.GetMenuState(10, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(10, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(menu.GetMenuState(12, MF_BYCOMMAND) & MF_GRAYED);
    update(TRUE);
    EXPECT_FALSE(menu.GetMenuState(11, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(12, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(Menu, TheObjectIsFoundByItsHandleUntilDetached) {
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    EXPECT_EQ(CMenu::FromHandlePermanent(menu.m_hMenu), &menu);
    HMENU handle = menu.Detach();
    EXPECT_EQ(CMenu::FromHandlePermanent(handle), nullptr);
    CMenu other;
    other.Attach(handle);
    EXPECT_TRUE(other.DestroyMenu());
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_FALSE(other.DestroyMenu());  // nothing left to destroy
}

TEST(CriticalSection, IsRecursiveOnOneThread) {
    CCriticalSection lock;
    EXPECT_TRUE(lock.Lock());
    EXPECT_TRUE(lock.Lock());
    EXPECT_TRUE(lock.Unlock());
    EXPECT_TRUE(lock.Unlock());
}

TEST(WinApp, IsNamedAfterTheExecutableAndRegistersClassesOnce) {
    RecordingApp app;
    EXPECT_EQ(app.m_strAppName, L"tapwell_win_tests");
    EXPECT_EQ(AfxGetApp(), &app);
    WNDCLASSW wc{};
    ASSERT_TRUE(GetClassInfoW(nullptr, L"#32770", &wc));
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TapwellTestDialogClass";
    EXPECT_TRUE(AfxRegisterClass(&wc));
    EXPECT_TRUE(AfxRegisterClass(&wc));  // already there
}

}  // namespace

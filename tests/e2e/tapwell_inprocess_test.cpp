// The program's real main dialog created inside the test process, for what another process cannot
// read through window messages: the system menu and the tool tip.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "app/program_paths.h"
#include "res/resource.h"
#include "tapwell_test.h"
#include "ui/tapwell_dlg.h"

namespace {

// The dialog, modeless and hidden, on an empty settings file of its own.
class TapwellDialogInProcessTest : public testing::Test {
protected:
    void SetUp() override {
        // Its hotkeys must be free, as they are when no tapwell.exe runs.
        ASSERT_TRUE(WaitUntil([] { return TopLevelWindows(kTapwellClass).empty(); }, kWaitMs));
        WNDCLASSW wc{};
        ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"#32770", &wc));
        wc.lpszClassName = kTapwellClass;
        wc.hInstance = GetModuleHandleW(nullptr);
        RegisterClassW(&wc);
        SettingsFilePath = m_settings;
        dialog = std::make_unique<CTapwellDlg>();
        ASSERT_TRUE(dialog->Create());
    }
    void TearDown() override {
        if (dialog != nullptr && dialog->m_hWnd != nullptr) dialog->SendMessage(WM_CLOSE);  // releases the hotkeys
        dialog.reset();
        DeleteFileW(m_settings.c_str());
    }

    std::unique_ptr<CTapwellDlg> dialog;

private:
    std::wstring m_settings = TempFileName(L"cnf");
};

// The text of the menu item at `position`.
std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

TEST_F(TapwellDialogInProcessTest, SystemMenuEndsWithSeparatorAndAbout) {
    HMENU menu = GetSystemMenu(dialog->m_hWnd, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(MenuText(menu, count - 1), L"&About Tapwell...");
    EXPECT_EQ(GetMenuItemID(menu, count - 1), IDM_ABOUTBOX);
}

TEST_F(TapwellDialogInProcessTest, WindowCarriesTheProgramIcon) {
    const LRESULT big = dialog->SendMessage(WM_GETICON, ICON_BIG);
    EXPECT_NE(big, 0);
    EXPECT_EQ(dialog->SendMessage(WM_GETICON, ICON_SMALL), big);
}

TEST_F(TapwellDialogInProcessTest, MoveToPointButtonHasItsToolTip) {
    HWND tip = nullptr;
    for (HWND w : TopLevelWindows(TOOLTIPS_CLASSW)) {
        if (GetWindow(w, GW_OWNER) == dialog->m_hWnd) tip = w;
    }
    ASSERT_NE(tip, nullptr);
    ASSERT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), dialog->GetDlgItem(IDC_BTN_VIEW_POS));
    EXPECT_NE(tool.uFlags & TTF_IDISHWND, 0u);
    EXPECT_EQ(std::wstring(text), L"View mouse position");
}

}  // namespace

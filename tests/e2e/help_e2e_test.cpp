// The Help menu and the About box of the real program: the version line, the link, the product page
// from Help > Help and F1, and F1 with a modifier held.
#include <functional>

#include "app/vendor_site.h"
#include "tapwell_site_test.h"

namespace {

using HelpTest = TapwellSiteTest;

// Opens About, checks the version line and that the main dialog waits, and closes it with OK.
void CheckAbout(TapwellDriver& app, const std::function<void()>& open) {
    open();
    HWND about = WaitForDialog(L"About Tapwell");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(ItemText(about, kAboutVersion), L"Tapwell, Version 2.2.5.8");
    EXPECT_EQ(ItemText(about, kAboutLink), VendorSiteUrl());
    EXPECT_FALSE(IsWindowEnabled(app.Window()));
    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntilGone(L"About Tapwell"));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.Window()) != FALSE; }, kWaitMs));
}

TEST_F(HelpTest, AboutShowsTheVersionFromTheMenuAndFromTheSystemMenuEveryTime) {
    for (int round = 0; round < 2; ++round) {
        CheckAbout(*app, [&] { app->Command(kMenuAbout); });
        CheckAbout(*app, [&] { PostMessageW(app->Window(), WM_SYSCOMMAND, kSysAbout, 0); });
    }
}

TEST_F(HelpTest, TheAboutLinkOpensTheVendorSite) {
    app->Command(kMenuAbout);
    HWND about = WaitForDialog(L"About Tapwell");
    ASSERT_NE(about, nullptr);
    SaveScreenshot(about, L"about.png");
    ClickOn(GetDlgItem(about, kAboutLink));
    EXPECT_EQ(opened.WaitFor(1, kWaitMs), std::vector<std::string>{Narrow(VendorSiteUrl())});
    EXPECT_NE(FindDialog(L"About Tapwell"), nullptr);  // the link does not close the box
    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntilGone(L"About Tapwell"));
}

TEST_F(HelpTest, HelpAndF1OpenTheProductPageAlsoFromTheAboutBox) {
    const std::string page = Narrow(ProductPageUrl());
    app->Command(kMenuHelp);
    EXPECT_EQ(opened.WaitFor(1, kWaitMs), std::vector<std::string>{page});

    SetForegroundWindow(app->Window());
    PressKeys({VK_F1});
    EXPECT_EQ(opened.WaitFor(2, kWaitMs), std::vector<std::string>(2, page));

    app->Command(kMenuAbout);
    HWND about = WaitForDialog(L"About Tapwell");
    ASSERT_NE(about, nullptr);
    SetForegroundWindow(about);
    PressKeys({VK_F1});
    EXPECT_EQ(opened.WaitFor(3, kWaitMs), std::vector<std::string>(3, page));
    EXPECT_NE(FindDialog(L"About Tapwell"), nullptr);
    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntilGone(L"About Tapwell"));
}

// Shift+F1 is nothing; Ctrl+F1 is the start hotkey, and starts a run instead of opening the page.
// The plain F1 at the end is the one page opened.
TEST_F(HelpTest, F1WithShiftOrCtrlOpensNothing) {
    RECT main{};
    GetWindowRect(app->Window(), &main);
    SetCursorPos((main.left + main.right) / 2, (main.top + main.bottom) / 2);  // a run never clicks its own window
    SendMessageW(GetDlgItem(app->Window(), 1005), BM_CLICK, 0, 0);             // click where the mouse is
    SetForegroundWindow(app->Window());
    PressKeys({VK_SHIFT, VK_F1});
    PressKeys({VK_CONTROL, VK_F1});
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(app->Window(), kStopButton)) != FALSE; }, kWaitMs));
    app->Command(kStopButton);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(app->Window(), kStartButton)) != FALSE; }, kWaitMs));
    SetForegroundWindow(app->Window());
    PressKeys({VK_F1});
    EXPECT_EQ(opened.WaitFor(1, kWaitMs), std::vector<std::string>{Narrow(ProductPageUrl())});
}

}  // namespace

// Help > Update of the real program against the local vendor site: each answer of the update page
// gives its state, Yes opens the product page, and closing while checking leaves nothing behind.
#include "app/vendor_site.h"
#include "tapwell_site_test.h"

namespace {

using namespace std::string_literals;

class UpdateTest : public TapwellSiteTest {
protected:
    // Opens the update dialog and waits until it shows an outcome in full (the text changes first,
    // the buttons after it).
    HWND CheckedDialog() {
        app->Command(kMenuUpdate);
        HWND dialog = WaitForDialog(L"Tapwell");
        if (dialog == nullptr) return nullptr;
        WaitUntil(
            [&] {
                const std::wstring status = ItemText(dialog, kUpdateStatus);
                return status != kCheckingText && ItemText(dialog, kUpdateCancel) != L"Cancel" &&
                       (status != kNewerText || ItemVisible(dialog, kUpdateOk));
            },
            kWaitMs);
        return dialog;
    }
    // Presses the right-hand button (Cancel, OK or No) and waits for the dialog to go.
    bool CloseWithButton(HWND dialog, int id) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
        return WaitUntilGone(L"Tapwell") && WaitUntil([&] { return IsWindowEnabled(app->Window()) != FALSE; }, kWaitMs);
    }
};

TEST_F(UpdateTest, EachAnswerOfTheUpdatePageGivesItsState) {
    const struct {
        int status;
        std::string body;
        const char* mode;
        const wchar_t* text;
        const wchar_t* button;
    } cases[] = {
        {200, "2.258", "normal", kUpToDateText, L"OK"},  // equal is not newer
        {200, " 2.259 and more", "normal", kNewerText, L"No"},
        {200, "<html><body>2.3</body></html>", "normal", kUpToDateText, L"OK"},
        {200,
         "\xEF\xBB\xBF"
         "2.3",
         "normal", kUpToDateText, L"OK"},
        {200, "", "normal", kUpToDateText, L"OK"},
        {200, "2.3\0junk"s, "normal", kNewerText, L"No"},
        {200, "2.3", "redirect", kNewerText, L"No"},
        {404, "2.3", "normal", kFailedText, L"OK"},
        {500, "2.3", "normal", kFailedText, L"OK"},
        {200, "2.3", "drop", kFailedText, L"OK"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(TestSite::Reply(c.status, c.body, c.mode));
        HWND dialog = CheckedDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(IsWindowEnabled(app->Window()));
        EXPECT_EQ(ItemText(dialog, kUpdateStatus), c.text) << c.status << " " << c.body;
        EXPECT_EQ(ItemText(dialog, kUpdateCancel), c.button) << c.status << " " << c.body;
        EXPECT_EQ(ItemVisible(dialog, kUpdateOk), c.text == kNewerText) << c.status << " " << c.body;
        ASSERT_TRUE(CloseWithButton(dialog, kUpdateCancel));
    }
    EXPECT_TRUE(opened.List().empty());  // nothing from the page is ever opened
}

TEST_F(UpdateTest, ANewerVersionOffersYesAndNoCentredWithYesOnTheLeft) {
    ASSERT_TRUE(TestSite::Reply(200, "2.3"));
    HWND dialog = CheckedDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(ItemText(dialog, kUpdateStatus), kNewerText);
    SaveScreenshot(dialog, L"update-newer.png");
    EXPECT_EQ(ItemText(dialog, kUpdateOk), L"Yes");
    EXPECT_EQ(ItemText(dialog, kUpdateCancel), L"No");
    RECT client{};
    GetClientRect(dialog, &client);
    const int half = client.right / 2;
    const RECT yes = ItemRect(dialog, kUpdateOk);
    const RECT no = ItemRect(dialog, kUpdateCancel);
    const int width = no.right - no.left;
    EXPECT_EQ(yes.right - yes.left, width);
    EXPECT_EQ(yes.top, no.top);
    EXPECT_EQ(yes.left, half - width - 10);
    EXPECT_EQ(no.left, half + 10);

    // Yes opens the fixed product page and closes the dialog.
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(kUpdateOk, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, kUpdateOk)));
    EXPECT_TRUE(WaitUntilGone(L"Tapwell"));
    EXPECT_EQ(opened.WaitFor(1, kWaitMs), std::vector<std::string>{Narrow(ProductPageUrl())});
}

TEST_F(UpdateTest, TheSiteSeesTheApplicationNameAsUserAgentAndTheUpdatePageOfTheBuiltSite) {
    ASSERT_TRUE(TestSite::Reply(200, "2.258"));
    HWND dialog = CheckedDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(CloseWithButton(dialog, kUpdateCancel));
    const std::vector<std::string> log = TestSite::Log();
    ASSERT_FALSE(log.empty());
    const std::string& request = log.front();  // "GET <url>\t<agent>"
    EXPECT_EQ(request.substr(request.find('\t') + 1), "tapwell");
    // Through a proxy the request names the whole address; the client may spell out the default port.
    std::string url = request.substr(4, request.find('\t') - 4);
    const size_t port = url.find(":80/");
    if (port != std::string::npos) url.erase(port, 3);
    EXPECT_EQ(url, Narrow(UpdatePageUrl()));
}

// The server holds its answer until the dialog is gone: closing does not wait for the check, and the
// answer that arrives afterwards shows nothing.
TEST_F(UpdateTest, CancelWhileCheckingClosesAtOnceAndNothingHappensLater) {
    const int threadsBefore = ThreadCountOf(app->Window());
    ASSERT_TRUE(TestSite::Reply(200, "2.3", "hold"));
    app->Command(kMenuUpdate);
    HWND dialog = WaitForDialog(L"Tapwell");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(TestSite::WaitForLogLine("GET ", kWaitMs));
    EXPECT_EQ(ItemText(dialog, kUpdateStatus), kCheckingText);
    EXPECT_EQ(ItemText(dialog, kUpdateCancel), L"Cancel");
    EXPECT_FALSE(ItemVisible(dialog, kUpdateOk));

    ASSERT_TRUE(CloseWithButton(dialog, kUpdateCancel));
    for (const std::string& line : TestSite::Log()) EXPECT_NE(line.rfind("SENT ", 0), 0u) << "answered too early";

    ASSERT_TRUE(TestSite::Release());
    ASSERT_TRUE(TestSite::WaitForLogLine("SENT ", kWaitMs));
    EXPECT_TRUE(WaitUntil([&] { return ThreadCountOf(app->Window()) <= threadsBefore; }, kWaitMs))
        << "the abandoned worker did not end";
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(SendMessageTimeoutW(app->Window(), WM_NULL, 0, 0, SMTO_BLOCK, kWaitMs, &ignored));
    EXPECT_EQ(FindDialog(L"Tapwell"), nullptr);
    EXPECT_TRUE(IsWindowEnabled(app->Window()));
    EXPECT_TRUE(opened.List().empty());
}

}  // namespace

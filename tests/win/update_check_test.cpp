// Fetching the update page and the worker that reports its outcome, against the local test site.
#include "update/update_check.h"

#include <gtest/gtest.h>

#include "test_site.h"
#include "update/page_fetch.h"
#include "win_test_util.h"

namespace {

using namespace std::string_literals;

const std::wstring kPagePath = L"/tapwell-checkupdate.html";

class SiteTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(TestSite::Address().empty())
            << "TAPWELL_TEST_SITE_SERVER is not set: run the tests with make test";
        ASSERT_TRUE(TestSite::Reset());
    }
    void TearDown() override { TestSite::Reset(); }
};

// A window that only receives messages, as the update dialog receives the worker's.
class MessageTarget {
public:
    MessageTarget() : m_hWnd(CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~MessageTarget() { DestroyWindow(m_hWnd); }
    MessageTarget(const MessageTarget&) = delete;
    MessageTarget& operator=(const MessageTarget&) = delete;
    HWND Get() const { return m_hWnd; }

    // The outcomes posted so far (taken from the queue).
    std::vector<UpdateOutcome> Outcomes() {
        std::vector<UpdateOutcome> outcomes;
        MSG msg;
        while (PeekMessageW(&msg, m_hWnd, WM_UPDATE_CHECK_DONE, WM_UPDATE_CHECK_DONE, PM_REMOVE)) {
            outcomes.push_back(static_cast<UpdateOutcome>(msg.wParam));
        }
        return outcomes;
    }

private:
    HWND m_hWnd;
};

// Waits for the worker of `check` to end; true when it did within the time limit.
bool WorkerEnds(HANDLE thread) { return WaitForSingleObject(thread, kTimeoutMs) == WAIT_OBJECT_0; }

TEST_F(SiteTest, FetchKeepsTheBodyOfEachSuccessfulAnswer) {
    const std::string longBody = "2.3 " + std::string(3000, 'x');  // three pieces and a bit, joined
    const struct {
        int status;
        std::string body;
        const char* mode;
        bool fetched;
        std::string page;
    } cases[] = {
        {200, "2.3", "normal", true, "2.3"},
        {200, "", "normal", true, ""},
        {200, longBody, "normal", true, longBody},
        {200, "2.3\0tail"s, "normal", true, "2.3"},  // a zero byte cuts its piece
        {200, "2.3", "redirect", true, "2.3"},       // followed to /moved/...
        {204, "", "normal", true, ""},
        {404, "2.3", "normal", false, ""},
        {500, "2.3", "normal", false, ""},
        {302, "", "normal", false, ""},   // a redirect without a target is no page
        {200, "2.3", "drop", false, ""},  // the connection closes without an answer
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(TestSite::Reply(c.status, c.body, c.mode));
        std::string page = "left over";
        EXPECT_EQ(FetchUpdatePage(TestSite::Url(kPagePath), L"tapwell", page), c.fetched) << c.status << c.mode;
        EXPECT_EQ(page, c.page) << c.status << " " << c.mode;
    }
}

TEST_F(SiteTest, FetchSendsTheAgentAndGoesPastAnyCache) {
    ASSERT_TRUE(TestSite::Reply(200, "2.3"));
    std::string page;
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(FetchUpdatePage(TestSite::Url(kPagePath), L"agent-x", page));
    int requests = 0;
    for (const std::string& line : TestSite::Log()) {
        if (line.rfind("GET ", 0) != 0) continue;
        ++requests;
        EXPECT_EQ(line.substr(line.find('\t') + 1), "agent-x");
    }
    EXPECT_EQ(requests, 2);
}

TEST_F(SiteTest, AHugePageIsReadOnlyAsFarAsItMatters) {
    ASSERT_TRUE(TestSite::Reply(200, "9.1", "normal", 8 * 1024 * 1024));
    std::string page;
    ASSERT_TRUE(FetchUpdatePage(TestSite::Url(kPagePath), L"tapwell", page));
    EXPECT_EQ(page.substr(0, 3), "9.1");
    EXPECT_GE(page.size(), kPageLimitBytes);
    EXPECT_LT(page.size(), kPageLimitBytes + kPagePieceBytes);
}

TEST_F(SiteTest, NoServerMeansFailure) {
    std::string page;
    EXPECT_FALSE(FetchUpdatePage(L"http://127.0.0.1:1/tapwell-checkupdate.html", L"tapwell", page));
    EXPECT_FALSE(FetchUpdatePage(L"not an address", L"tapwell", page));
}

// Takes as long as the network time-out: a server that accepts and never answers.
TEST_F(SiteTest, AServerThatNeverAnswersTimesOut) {
    ASSERT_TRUE(TestSite::Reply(200, "2.3", "silent"));
    std::string page;
    EXPECT_FALSE(FetchUpdatePage(TestSite::Url(kPagePath), L"tapwell", page));
}

TEST_F(SiteTest, TheWorkerPostsOneOutcomeAndEnds) {
    const struct {
        int status;
        std::string body;
        UpdateOutcome outcome;
    } cases[] = {
        {200, "2.3", UpdateOutcome::Newer},
        {200, "2.258", UpdateOutcome::UpToDate},
        {200, "<html>", UpdateOutcome::UpToDate},
        {404, "2.3", UpdateOutcome::Failed},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(TestSite::Reply(c.status, c.body));
        MessageTarget target;
        UpdateCheck check;
        ASSERT_TRUE(check.Start(target.Get(), TestSite::Url(kPagePath), L"tapwell", 2.258));
        ASSERT_TRUE(WorkerEnds(check.WorkerThread()));
        EXPECT_EQ(target.Outcomes(), std::vector<UpdateOutcome>{c.outcome}) << c.body;
        EXPECT_FALSE(check.Start(target.Get(), TestSite::Url(kPagePath), L"tapwell", 2.258));  // one check each
    }
}

TEST_F(SiteTest, AnAbandonedCheckPostsNothingAndItsWorkerEndsByItself) {
    ASSERT_TRUE(TestSite::Reply(200, "2.3", "hold"));
    MessageTarget target;
    HANDLE worker = nullptr;
    {
        UpdateCheck check;
        ASSERT_TRUE(check.Start(target.Get(), TestSite::Url(kPagePath), L"tapwell", 2.258));
        ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), check.WorkerThread(), GetCurrentProcess(), &worker, 0, FALSE,
                                    DUPLICATE_SAME_ACCESS));
        ASSERT_TRUE(TestSite::WaitForLogLine("GET ", kTimeoutMs));
        check.Abandon();
    }  // the object goes while its worker still waits for the answer
    UniqueHandle owned(worker);
    EXPECT_EQ(WaitForSingleObject(worker, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    ASSERT_TRUE(TestSite::Release());
    EXPECT_TRUE(TestSite::WaitForLogLine("SENT ", kTimeoutMs));
    EXPECT_TRUE(WorkerEnds(worker));
    EXPECT_TRUE(target.Outcomes().empty());
}

}  // namespace

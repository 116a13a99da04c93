// The fixture of the tests that drive tapwell.exe against the local vendor site as its proxy, a stand-in
// browser that records what the program opens, and a running program.
#pragma once

#include <gtest/gtest.h>

#include "opened_urls.h"
#include "tapwell_dialogs.h"
#include "tapwell_test.h"
#include "test_site.h"

class TapwellSiteTest : public TapwellTest {
protected:
    ScopedEnvironment proxy{L"http_proxy", TestSite::ProxyUrl()};  // inherited by the program
    OpenedUrls opened{ProgramFolder() + L"\\url_recorder.exe"};

    void SetUp() override {
        ASSERT_FALSE(TestSite::Address().empty())
            << "TAPWELL_TEST_SITE_SERVER is not set: run the tests with make test";
        ASSERT_TRUE(TestSite::Reset());
        ASSERT_TRUE(opened.Registered());
        ASSERT_NO_FATAL_FAILURE(TapwellTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(Launch());
    }
    void TearDown() override {
        if (app) {
            EXPECT_TRUE(app->Close());
        }
        TestSite::Reset();
    }
};

// An address as the recorder logs it.
inline std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

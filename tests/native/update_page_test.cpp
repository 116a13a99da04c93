#include "update/update_page.h"

#include <gtest/gtest.h>

#include <string>

#include "app/vendor_site.h"

namespace {

using namespace std::string_literals;

TEST(UpdatePage, OutcomeOfEachPageAgainstOwnVersion2258) {
    const struct {
        std::string page;
        UpdateOutcome outcome;
    } cases[] = {
        {"2.3", UpdateOutcome::Newer},
        {"2.258", UpdateOutcome::UpToDate},
        {" 2.259 and more", UpdateOutcome::Newer},
        {"2.25", UpdateOutcome::UpToDate},
        {"<html><body>2.3</body></html>", UpdateOutcome::UpToDate},
        {"\xEF\xBB\xBF"
         "2.3",
         UpdateOutcome::UpToDate},  // a byte-order mark comes before the number
        {"", UpdateOutcome::UpToDate},
        {"\r\n\r\n3\r\n", UpdateOutcome::Newer},
        {"-3", UpdateOutcome::UpToDate},
        {"Information", UpdateOutcome::UpToDate},
        {"2.3"s + std::string(100000, 'x'), UpdateOutcome::Newer},
    };
    for (const auto& c : cases) EXPECT_EQ(DecideUpdate(true, c.page, 2.258), c.outcome) << c.page.substr(0, 40);
}

TEST(UpdatePage, AFailedFetchFailsWhateverWasRead) {
    EXPECT_EQ(DecideUpdate(false, "9.9", 2.258), UpdateOutcome::Failed);
    EXPECT_EQ(DecideUpdate(false, "", 2.258), UpdateOutcome::Failed);
}

TEST(UpdatePage, WithoutOwnVersionAnyPositiveNumberIsNewer) {
    EXPECT_EQ(DecideUpdate(true, "0.001", 0.0), UpdateOutcome::Newer);
    EXPECT_EQ(DecideUpdate(true, "0", 0.0), UpdateOutcome::UpToDate);
}

TEST(UpdatePage, APieceIsCutAtItsFirstZeroByte) {
    EXPECT_EQ(KeptPartOfPiece("2.3 text"), "2.3 text");
    EXPECT_EQ(KeptPartOfPiece("2.3\0tail\0more"s), "2.3");
    EXPECT_EQ(KeptPartOfPiece("\0"
                              "2.3"s),
              "");
    EXPECT_EQ(KeptPartOfPiece(""), "");
}

TEST(VendorSite, BothPagesLieOnTheOneSite) {
    const std::wstring site = VendorSiteUrl();
    EXPECT_EQ(site.rfind(L"http", 0), 0u);
    EXPECT_NE(site.back(), L'/');
    EXPECT_EQ(ProductPageUrl(), site + L"/tapwell.html");
    EXPECT_EQ(UpdatePageUrl(), site + L"/tapwell-checkupdate.html");
}

}  // namespace

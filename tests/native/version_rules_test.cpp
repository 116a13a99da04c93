#include "update/version_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(VersionRules, TextsAndNumberOfEachVersion) {
    const struct {
        ProductVersion version;
        const wchar_t* display;
        const wchar_t* compact;
        double number;
    } cases[] = {
        {{2, 2, 5, 8}, L"2.2.5.8", L"2.258", 2.258},
        {{3, 0, 0, 0}, L"3.0.0.0", L"3.000", 3.0},
        {{2, 2, 5, 10}, L"2.2.5.10", L"2.2510", 2.251},
        {{2, 12, 0, 0}, L"2.12.0.0", L"2.1200", 2.12},
        {{65535, 65535, 65535, 65535}, L"65535.65535.65535.65535", L"65535.655356553565535", 65535.655356553565535},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatVersion(c.version, VersionTextForm::Display), c.display);
        EXPECT_EQ(FormatVersion(c.version, VersionTextForm::Compact), c.compact);
        EXPECT_EQ(VersionNumberOf(c.compact), c.number) << c.display;
    }
}

// The compact form follows the digits, not the fields: 2.2.5.10 counts as older than 2.2.5.8.
TEST(VersionRules, CompactNumbersOrderByTheirDigits) {
    const double own = VersionNumberOf(L"2.258");
    EXPECT_LT(VersionNumberOf(L"2.2510"), own);
    EXPECT_LT(VersionNumberOf(L"2.1200"), own);
}

TEST(VersionRules, OnlyAGreaterNumberIsNewer) {
    const double own = 2.258;
    EXPECT_FALSE(IsNewerVersion(2.258, own));
    EXPECT_TRUE(IsNewerVersion(2.259, own));
    EXPECT_TRUE(IsNewerVersion(2.3, own));
    EXPECT_FALSE(IsNewerVersion(2.25, own));
    EXPECT_TRUE(IsNewerVersion(0.1, 0.0));  // no version information: anything positive is newer
}

TEST(VersionRules, NoVersionInformationGivesNumberZero) {
    EXPECT_EQ(VersionNumberOf(L""), 0.0);
    EXPECT_EQ(VersionNumberOf(L"."), 0.0);
}

TEST(ReadLeadingNumber, ReadsTheNumberAtTheStartAfterWhiteSpace) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2.3", 2.3},
        {" 2.259 and more", 2.259},
        {"\t\r\n\v\f2.5", 2.5},
        {"+2.3", 2.3},
        {"-2.3", -2.3},
        {"7", 7.0},
        {"7.", 7.0},
        {".5", 0.5},
        {"2.3e1", 23.0},
        {"2.3E-1x", 0.23},
        {"2.3e", 2.3},  // an exponent without digits is not part of the number
        {"2.3e+", 2.3},
        {"2.3.4", 2.3},
        {"2,5", 2.0},
        {"0x1A", 0.0},  // the hexadecimal form is not read: the number is the 0 before it
        {"3<html>", 3.0},
    };
    for (const auto& c : cases) {
        const std::optional<double> value = ReadLeadingNumber(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(ReadLeadingNumber, TextsThatDoNotBeginWithANumber) {
    const char* cases[] = {
        "",
        "   ",
        "<html>2.3",
        "\xEF\xBB\xBF"
        "2.3",
        "v2.3",
        ".",
        "-",
        "+",
        "+-2",
        "e5",
        "inf",
        "infinity",
        "Information: 2.3",
        "nan",
        "NaN(1)",
        "1e999",  // out of range
    };
    for (const char* text : cases) EXPECT_FALSE(ReadLeadingNumber(text).has_value()) << text;
}

TEST(ReadLeadingNumber, StopsAtTheEndOfTheViewNotAtAZero) {
    const std::string_view cut("2.35", 3);
    EXPECT_EQ(ReadLeadingNumber(cut), 2.3);
    EXPECT_FALSE(ReadLeadingNumber(std::string_view("\0"
                                                    "2.3",
                                                    4))
                     .has_value());
    EXPECT_EQ(ReadLeadingNumber(std::string_view("2.3\0"
                                                 "9",
                                                 5)),
              2.3);
}

TEST(ReadLeadingNumber, VeryLongDigitRunsStillGiveAFiniteValue) {
    const std::string digits = "2." + std::string(5000, '9');
    const std::optional<double> value = ReadLeadingNumber(digits);
    ASSERT_TRUE(value.has_value());
    EXPECT_TRUE(std::isfinite(*value));
    EXPECT_EQ(*value, 3.0);
}

}  // namespace

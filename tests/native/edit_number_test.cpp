#include "engine/edit_number.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const wchar_t* text;
    int32_t expected;  // with fallback -7
};

TEST(EditNumber, ReadsLikePercentDWithAFallback) {
    const Case cases[] = {
        {L"", -7},     {L"0", 0},          {L"1000", 1000}, {L"-25", -25},   {L"+25", 25},
        {L"  42", 42}, {L"\t\r\n 42", 42}, {L"12abc", 12},  {L"7 8", 7},     {L"007", 7},
        {L"abc", -7},  {L" ", -7},         {L"-", -7},      {L"+", -7},      {L"- 5", -7},
        {L"+-5", -7},  {L"x12", -7},       {L"0x1F", 0},    {L"\x0661", -7},  // digits of other scripts are not decimal
                                                                              // digits here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << std::wstring(c.text).size() << " chars\"");
        EXPECT_EQ(EditTextToInt(c.text, -7), c.expected);
    }
}

TEST(EditNumber, NumbersBeyondThirtyTwoBitsSaturate) {
    const Case cases[] = {
        {L"2147483647", 2147483647},           {L"2147483648", 2147483647},
        {L"99999999999999999999", 2147483647}, {L"-2147483648", -2147483647 - 1},
        {L"-2147483649", -2147483647 - 1},     {L"-99999999999999999999", -2147483647 - 1},
        {L"000000000000000000001", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.text).size() << " chars");
        EXPECT_EQ(EditTextToInt(c.text, -7), c.expected);
    }
}

TEST(EditNumber, ScanLeavesTheValueAloneWhenNoNumberIsRead) {
    int32_t value = 55;
    EXPECT_FALSE(ScanDecimalInt(L"x", value));
    EXPECT_EQ(value, 55);
    EXPECT_TRUE(ScanDecimalInt(L"2x", value));
    EXPECT_EQ(value, 2);
}

}  // namespace

#include "engine/edit_number.h"

#include <limits>

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r'; }

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

bool ScanDecimalInt(std::wstring_view text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    if (i == text.size() || !IsDigit(text[i])) return false;
    // Accumulate the magnitude, stopping at one past the largest representable one.
    constexpr int64_t kLimit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude < kLimit) magnitude = magnitude * 10 + (text[i] - L'0');
    }
    if (magnitude > kLimit) magnitude = kLimit;
    const int64_t signedValue = negative ? -magnitude : magnitude;
    value = static_cast<int32_t>(signedValue > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                                                   : signedValue);
    return true;
}

int32_t EditTextToInt(std::wstring_view text, int32_t fallback) {
    int32_t value = fallback;
    if (text.empty() || !ScanDecimalInt(text, value)) return fallback;
    return value;
}

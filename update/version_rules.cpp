#include "update/version_rules.h"

#include <charconv>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Moves `pos` past a run of digits; returns how many there were.
size_t SkipDigits(std::string_view text, size_t& pos) {
    const size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos - start;
}

// The end of an exponent that starts at `pos` (e or E, optional sign, digits), or `pos` when there is none.
size_t ExponentEnd(std::string_view text, size_t pos) {
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E')) return pos;
    size_t end = pos + 1;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    return SkipDigits(text, end) > 0 ? end : pos;
}

}  // namespace

std::wstring FormatVersion(const ProductVersion& version, VersionTextForm form) {
    const wchar_t* separator = form == VersionTextForm::Display ? L"." : L"";
    return std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) + separator +
           std::to_wstring(version.build) + separator + std::to_wstring(version.revision);
}

std::optional<double> ReadLeadingNumber(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    const bool sign = pos < text.size() && (text[pos] == '+' || text[pos] == '-');
    const size_t start = sign && text[pos] == '+' ? pos + 1 : pos;  // from_chars takes only a minus
    if (sign) ++pos;
    size_t digits = SkipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += SkipDigits(text, pos);
    }
    if (digits == 0) return std::nullopt;
    pos = ExponentEnd(text, pos);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + pos, value);
    if (error != std::errc() || end != text.data() + pos) return std::nullopt;
    return value;
}

double VersionNumberOf(std::wstring_view compactText) {
    std::string narrow;
    for (wchar_t c : compactText) narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return ReadLeadingNumber(narrow).value_or(0.0);
}

// The program's version as texts and as a number, and when another number means a newer release.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The four fields of a product version, for example 2.2.5.8.
struct ProductVersion {
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t build = 0;
    uint16_t revision = 0;
};

// Display: 2.2.5.8, shown in the About box. Compact: 2.258, minor, build and revision written one
// after the other; read as a number it is what the update page is compared with.
enum class VersionTextForm { Display, Compact };

std::wstring FormatVersion(const ProductVersion& version, VersionTextForm form);

// The decimal number at the start of `text` after white space: an optional sign, digits with an
// optional fraction, an optional exponent. Whatever follows is ignored. Nothing when the text does
// not begin that way or the value is out of range; infinities, NaNs and hexadecimal forms are not numbers.
std::optional<double> ReadLeadingNumber(std::string_view text);

// The number of a Compact text; 0 when the text holds none (no version information).
double VersionNumberOf(std::wstring_view compactText);

// A number from elsewhere denotes a newer release only when it is greater than our own: equal is
// not newer, and there is no tolerance.
inline bool IsNewerVersion(double announced, double own) { return announced > own; }

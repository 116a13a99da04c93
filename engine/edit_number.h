// Reading whole numbers from the texts of edit controls and settings values.
#pragma once

#include <cstdint>
#include <string_view>

// Reads a number as "%d" does: leading blanks, an optional sign, the longest run of decimal digits;
// whatever follows is ignored. A number beyond the 32-bit range saturates to the nearest limit.
// Returns false, leaving `value` alone, when no digit follows the sign.
bool ScanDecimalInt(std::wstring_view text, int32_t& value);

// The number an edit's text holds, or `fallback` for an empty text or one that holds no number.
int32_t EditTextToInt(std::wstring_view text, int32_t fallback);

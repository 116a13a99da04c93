// Reading and writing the text of a window or control as a wide string.
#pragma once

#include <windows.h>

#include <string>

// The whole text of `window`, whatever its length.
std::wstring GetWindowString(HWND window);

// Pictures of windows as they show on the screen, saved as PNG files.
#pragma once

#include <windows.h>

#include <string>

// Saves what the screen shows inside `window`'s rectangle (frame included) as a PNG file.
bool SaveWindowPng(HWND window, const std::wstring& path);

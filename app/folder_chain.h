// The folders to create, one level after another, so that a whole folder path exists.
#pragma once

#include <string>
#include <vector>

// Every part of `path` before a backslash, shortest first, then `path` itself. The part before the
// first backslash (a drive such as "C:") is included: creating it simply fails.
std::vector<std::wstring> FolderChainSteps(const std::wstring& path);

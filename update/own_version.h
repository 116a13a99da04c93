// The program's own product version, read from the version information of its executable.
#pragma once

#include <optional>
#include <string>

#include "update/version_rules.h"

// The product version recorded in the file at `path`; nothing when the file carries no version
// information (or it cannot be read).
std::optional<ProductVersion> ReadProductVersion(const std::wstring& path);

// The running executable's product version in `form`; empty without version information.
// Reads the file anew on each call; safe on any thread.
std::wstring GetOwnVersionText(VersionTextForm form);
// The Compact text as a number; 0 without version information.
double GetOwnVersionNumber();

#include "update/own_version.h"

#include <windows.h>

#include <vector>

namespace {

// The running executable's full path; empty when it does not fit the buffer.
std::wstring OwnPath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::wstring();
    return std::wstring(path, length);
}

}  // namespace

std::optional<ProductVersion> ReadProductVersion(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return std::nullopt;
    void* root = nullptr;
    UINT rootSize = 0;
    if (!VerQueryValueW(block.data(), L"\\", &root, &rootSize) || rootSize < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(root);
    return ProductVersion{HIWORD(info->dwProductVersionMS), LOWORD(info->dwProductVersionMS),
                          HIWORD(info->dwProductVersionLS), LOWORD(info->dwProductVersionLS)};
}

std::wstring GetOwnVersionText(VersionTextForm form) {
    const std::optional<ProductVersion> version = ReadProductVersion(OwnPath());
    return version ? FormatVersion(*version, form) : std::wstring();
}

double GetOwnVersionNumber() { return VersionNumberOf(GetOwnVersionText(VersionTextForm::Compact)); }

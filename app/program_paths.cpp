#include "app/program_paths.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "app/folder_chain.h"

char ModuleDirectory[kModuleDirectorySize] = {};
std::wstring SettingsFolderPath;
std::wstring SettingsFilePath;

namespace {

// The roaming application-data folder; empty when the system cannot name it.
std::wstring RoamingAppDataFolder() {
    wchar_t buffer[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, buffer, CSIDL_APPDATA, FALSE)) buffer[0] = L'\0';
    return buffer;
}

}  // namespace

void SetUpProgramPaths() {
    ReadModuleDirectory();
    SettingsFolderPath = RoamingAppDataFolder() + L"\\Quillora\\Tapwell";
    CreateFolderChain(SettingsFolderPath);
    SettingsFilePath = SettingsFolderPath + L"\\conf.ini";
}

bool ReadModuleDirectory() {
    char path[kModuleDirectorySize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, kModuleDirectorySize);
    if (length == 0 || length >= kModuleDirectorySize) return false;
    char* lastSlash = std::strrchr(path, '\\');
    if (lastSlash == nullptr) return false;
    *lastSlash = '\0';
    std::memcpy(ModuleDirectory, path, static_cast<size_t>(lastSlash - path) + 1);
    return true;
}

bool CreateFolderChain(const std::wstring& path) {
    const std::vector<std::wstring> steps = FolderChainSteps(path);
    for (size_t i = 0; i + 1 < steps.size(); ++i) CreateDirectoryW(steps[i].c_str(), nullptr);
    return CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

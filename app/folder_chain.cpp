#include "app/folder_chain.h"

std::vector<std::wstring> FolderChainSteps(const std::wstring& path) {
    std::vector<std::wstring> steps;
    for (size_t pos = path.find(L'\\'); pos != std::wstring::npos; pos = path.find(L'\\', pos + 1)) {
        steps.push_back(path.substr(0, pos));
    }
    steps.push_back(path);
    return steps;
}

#include "app/folder_chain.h"

#include <gtest/gtest.h>

namespace {

using Steps = std::vector<std::wstring>;

TEST(FolderChain, TriesEveryPrefixThenTheWholePath) {
    EXPECT_EQ(
        FolderChainSteps(L"C:\\Users\\u1\\AppData\\Roaming\\Quillora\\Tapwell"),
        (Steps{L"C:", L"C:\\Users", L"C:\\Users\\u1", L"C:\\Users\\u1\\AppData", L"C:\\Users\\u1\\AppData\\Roaming",
               L"C:\\Users\\u1\\AppData\\Roaming\\Quillora", L"C:\\Users\\u1\\AppData\\Roaming\\Quillora\\Tapwell"}));
}

TEST(FolderChain, OddPaths) {
    // Without an application-data folder the path starts at the root of the current drive.
    EXPECT_EQ(FolderChainSteps(L"\\Quillora\\Tapwell"), (Steps{L"", L"\\Quillora", L"\\Quillora\\Tapwell"}));
    EXPECT_EQ(FolderChainSteps(L"Tapwell"), (Steps{L"Tapwell"}));
    EXPECT_EQ(FolderChainSteps(L"C:\\a\\"), (Steps{L"C:", L"C:\\a", L"C:\\a\\"}));
    EXPECT_EQ(FolderChainSteps(L""), (Steps{L""}));
}

}  // namespace

#include "app/program_paths.h"

#include <gtest/gtest.h>

#include <cstring>

#include "win_test_util.h"

namespace {

TEST(CreateFolderChain, CreatesEveryMissingFolderAndLeavesExistingOnes) {
    TempFolder root;
    const std::wstring deep = root.File(L"Quillora\\Tapwell\\deeper");
    EXPECT_TRUE(CreateFolderChain(deep));
    EXPECT_TRUE(FolderExists(root.File(L"Quillora")));
    EXPECT_TRUE(FolderExists(deep));

    const std::wstring kept = deep + L"\\conf.ini";
    WriteTextFile(kept, "[Option]\r\n");
    EXPECT_FALSE(CreateFolderChain(deep));  // existed already: not created by this call
    EXPECT_EQ(ReadTextFile(kept), "[Option]\r\n");
}

TEST(CreateFolderChain, AFolderThatCannotBeCreatedIsReportedNotFatal) {
    TempFolder root;
    const std::wstring file = root.File(L"plain-file");
    WriteTextFile(file, "x");
    EXPECT_FALSE(CreateFolderChain(file + L"\\below"));
}

TEST(ReadModuleDirectory, IsTheFolderOfTheRunningExecutable) {
    ASSERT_TRUE(ReadModuleDirectory());
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string folder(ModuleDirectory);
    EXPECT_EQ(std::string(exe).rfind('\\'), folder.size());
    EXPECT_EQ(std::string(exe).compare(0, folder.size(), folder), 0);
    EXPECT_NE(folder.back(), '\\');
}

TEST(SetUpProgramPaths, NamesAndCreatesTheSettingsFolderUnderRoamingAppData) {
    SetUpProgramPaths();
    const std::wstring suffix = L"\\Quillora\\Tapwell\\conf.ini";
    ASSERT_GT(SettingsFilePath.size(), suffix.size());
    EXPECT_EQ(SettingsFilePath.substr(SettingsFilePath.size() - suffix.size()), suffix);
    EXPECT_EQ(SettingsFilePath, SettingsFolderPath + L"\\conf.ini");
    EXPECT_TRUE(FolderExists(SettingsFolderPath));
    EXPECT_NE(std::strlen(ModuleDirectory), 0u);
}

}  // namespace

// The version information of an executable: this test program carries product version 3.0.0.10.
#include "update/own_version.h"

#include <gtest/gtest.h>

#include "win_test_util.h"

namespace {

TEST(OwnVersion, TextsAndNumberComeFromTheExecutablesProductVersion) {
    EXPECT_EQ(GetOwnVersionText(VersionTextForm::Display), L"3.0.0.10");
    EXPECT_EQ(GetOwnVersionText(VersionTextForm::Compact), L"3.0010");
    EXPECT_EQ(GetOwnVersionNumber(), 3.001);
}

TEST(OwnVersion, FilesWithoutVersionInformation) {
    TempFolder folder;
    WriteTextFile(folder.File(L"plain.exe"), "not a program");
    EXPECT_FALSE(ReadProductVersion(folder.File(L"plain.exe")).has_value());
    EXPECT_FALSE(ReadProductVersion(folder.File(L"missing.exe")).has_value());
    EXPECT_FALSE(ReadProductVersion(L"").has_value());
}

}  // namespace

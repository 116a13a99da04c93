#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/window_text.h"
#include "test_dialog.h"
#include "win_test_util.h"

namespace {

INT_PTR CALLBACK TestDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

void Fill(HWND dialog, int id, std::initializer_list<const wchar_t*> items) {
    for (const wchar_t* item : items) SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

// A dialog with the twelve settings controls, its lists filled as the main dialog fills them,
// and a settings file in a folder of its own.
class SettingsStoreTest : public testing::Test {
protected:
    TempFolder folder;
    std::wstring ini = folder.File(L"conf.ini");
    TestWindow dialog{
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TEST_SETTINGS), nullptr, TestDialogProc, 0)};

    void SetUp() override {
        ASSERT_NE(dialog.Get(), nullptr);
        Fill(Dlg(), kIdComboMouse, {L"Left Button", L"Middle Button", L"Right Button"});
        Fill(Dlg(), kIdComboAction, {L"Single Click", L"Double Click", L"Button Down", L"Button Up"});
        Fill(Dlg(), kIdComboTimeUnit, {L"ms", L"second", L"minute", L"hour"});
    }

    HWND Dlg() const { return dialog.Get(); }
    std::wstring Text(int id) const { return GetWindowString(GetDlgItem(Dlg(), id)); }
    void SetText(int id, const wchar_t* text) const { SetDlgItemTextW(Dlg(), id, text); }
    bool Checked(int id) const { return IsDlgButtonChecked(Dlg(), id) == BST_CHECKED; }
    void SetChecked(int id, bool checked) const { CheckDlgButton(Dlg(), id, checked ? BST_CHECKED : BST_UNCHECKED); }
    int Selection(int id) const { return static_cast<int>(SendDlgItemMessageW(Dlg(), id, CB_GETCURSEL, 0, 0)); }
    void Select(int id, int index) const { SendDlgItemMessageW(Dlg(), id, CB_SETCURSEL, index, 0); }

    void Load() { LoadSettingsFile(Dlg(), ini); }
    void LoadFile(const std::string& text) {
        WriteTextFile(ini, text);
        Load();
    }
    void Save() { SaveSettingsFile(Dlg(), ini); }
};

const char kFreshFile[] =
    "[Option]\r\nNoActivate=0\r\nClickCountType=FixedCount\r\nClickCount=100\r\nForTime=1\r\nForTimeType=2\r\n"
    "Interval=1000\r\nMouse=0\r\nAction=0\r\nClickPoint=0\r\nFixedX=1000\r\nFixedY=500\r\nFixedMoveMouse=1\r\n";

TEST_F(SettingsStoreTest, NoFileShowsTheDefaults) {
    Load();
    EXPECT_EQ(Text(kIdEditInterval), L"1000");
    EXPECT_EQ(Selection(kIdComboMouse), 0);
    EXPECT_EQ(Selection(kIdComboAction), 0);
    EXPECT_TRUE(Checked(kIdRadioClickCount));
    EXPECT_FALSE(Checked(kIdRadioClickFor));
    EXPECT_EQ(Text(kIdEditClickCount), L"100");
    EXPECT_EQ(Text(kIdEditClickFor), L"1");
    EXPECT_EQ(Selection(kIdComboTimeUnit), 2);
    EXPECT_TRUE(Checked(kIdRadioMousePos));
    EXPECT_FALSE(Checked(kIdRadioFixedPoint));
    EXPECT_EQ(Text(kIdEditX), L"1000");
    EXPECT_EQ(Text(kIdEditY), L"500");
    EXPECT_TRUE(Checked(kIdCheckMoveMouse));
    EXPECT_FALSE(Checked(kIdCheckNoActivate));
}

TEST_F(SettingsStoreTest, SavingAFreshDialogWritesTheTwelveKeysInOrder) {
    Load();
    Save();
    EXPECT_EQ(ReadTextFile(ini), kFreshFile);
}

TEST_F(SettingsStoreTest, EachKeyFallsBackOnItsOwn) {
    LoadFile("[Option]\r\nMouse=2x\r\nFixedY=77\r\nClickCountType=ForTime\r\n[Other]\r\nInterval=5\r\n");
    EXPECT_EQ(Selection(kIdComboMouse), 2);
    EXPECT_EQ(Text(kIdEditY), L"77");
    EXPECT_TRUE(Checked(kIdRadioClickFor));
    EXPECT_FALSE(Checked(kIdRadioClickCount));
    EXPECT_EQ(Text(kIdEditInterval), L"1000");  // only the Option section counts
    EXPECT_EQ(Text(kIdEditX), L"1000");
    EXPECT_EQ(Selection(kIdComboAction), 0);
}

TEST_F(SettingsStoreTest, EdgeValuesFromTheFile) {
    LoadFile(
        "[Option]\r\nNoActivate=yes\r\nClickCountType=fortime\r\nClickCount=\r\nForTime=0\r\nForTimeType=-1\r\n"
        "Interval=\r\nMouse=abc\r\nAction=4\r\nClickPoint=2\r\nFixedX=\r\nFixedY=\r\nFixedMoveMouse=0\r\n");
    EXPECT_FALSE(Checked(kIdCheckNoActivate));
    EXPECT_TRUE(Checked(kIdRadioClickCount));
    EXPECT_EQ(Text(kIdEditClickCount), L"");
    EXPECT_EQ(Text(kIdEditClickFor), L"1");
    EXPECT_EQ(Selection(kIdComboTimeUnit), 2);
    EXPECT_EQ(Text(kIdEditInterval), L"1000");
    EXPECT_EQ(Selection(kIdComboMouse), 0);
    EXPECT_EQ(Selection(kIdComboAction), 0);
    EXPECT_FALSE(Checked(kIdRadioMousePos));
    EXPECT_FALSE(Checked(kIdRadioFixedPoint));
    EXPECT_EQ(Text(kIdEditX), L"1000");
    EXPECT_EQ(Text(kIdEditY), L"500");
    EXPECT_FALSE(Checked(kIdCheckMoveMouse));

    Save();  // neither click-point radio checked saves as the fixed point
    EXPECT_NE(ReadTextFile(ini).find("ClickPoint=1\r\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, LongValuesAreWrittenWholeAndReadBackCut) {
    Load();
    const std::wstring longText(300, L'7');
    SetText(kIdEditInterval, longText.c_str());
    Save();
    EXPECT_NE(ReadTextFile(ini).find("Interval=" + std::string(300, '7') + "\r\n"), std::string::npos);

    SetText(kIdEditInterval, L"");
    Load();
    EXPECT_EQ(Text(kIdEditInterval), std::wstring(259, L'7'));
}

TEST_F(SettingsStoreTest, SavingKeepsTextsAsTypedAndReplacesEmptyCounts) {
    Load();
    SetText(kIdEditInterval, L"");
    SetText(kIdEditClickCount, L"");
    SetText(kIdEditClickFor, L"");
    SetText(kIdEditX, L"0");
    SetChecked(kIdCheckNoActivate, true);
    SetChecked(kIdRadioClickCount, false);
    SetChecked(kIdRadioClickFor, true);
    Select(kIdComboMouse, 2);
    Select(kIdComboTimeUnit, -1);
    Save();
    EXPECT_EQ(ReadTextFile(ini),
              "[Option]\r\nNoActivate=1\r\nClickCountType=ForTime\r\nClickCount=100\r\nForTime=1\r\nForTimeType=-1\r\n"
              "Interval=\r\nMouse=2\r\nAction=0\r\nClickPoint=0\r\nFixedX=0\r\nFixedY=500\r\nFixedMoveMouse=1\r\n");

    Load();  // and the empty interval comes back as "1000", the unreadable unit as "minute"
    EXPECT_EQ(Text(kIdEditInterval), L"1000");
    EXPECT_EQ(Selection(kIdComboTimeUnit), 2);
}

TEST_F(SettingsStoreTest, SavingReplacesValuesAndKeepsOtherLines) {
    WriteTextFile(ini, "; my notes\r\n[Option]\r\nMouse=1\r\nExtra=kept\r\n");
    Load();
    Save();
    const std::string text = ReadTextFile(ini);
    EXPECT_NE(text.find("; my notes"), std::string::npos);
    EXPECT_NE(text.find("Extra=kept"), std::string::npos);
    EXPECT_NE(text.find("Mouse=1\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Mouse=0"), std::string::npos);
}

TEST_F(SettingsStoreTest, AFileThatCannotBeWrittenIsTolerated) {
    Load();
    const std::wstring missingFolderIni = folder.File(L"missing\\conf.ini");
    SaveSettingsFile(Dlg(), missingFolderIni);
    EXPECT_FALSE(FolderExists(folder.File(L"missing")));

    ASSERT_TRUE(CreateDirectoryW(ini.c_str(), nullptr));  // a folder where the file should be
    Save();
    EXPECT_TRUE(FolderExists(ini));
}

TEST_F(SettingsStoreTest, UnreadableFileContentNeverBreaksLoading) {
    const std::string contents[] = {
        "",
        "garbage without sections",
        "[Option]\r\n=\r\n==\r\nMouse\r\n",
        std::string("[Option]\r\nMouse=1\0\0\0junk\r\n", 22),
        "[Option]\r\nInterval=" + std::string(5000, '9') + "\r\n",
        "\xEF\xBB\xBF[Option]\r\nAction=3\r\n",
    };
    for (const std::string& content : contents) {
        LoadFile(content);
        EXPECT_GE(Selection(kIdComboMouse), 0);
        EXPECT_LE(Text(kIdEditInterval).size(), 259u);
    }
}

}  // namespace

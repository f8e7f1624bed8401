// The settings file on real files, through the system's private-profile functions.
#include <gtest/gtest.h>

#include "../unit/FakeControls.h"
#include "TempFolder.h"
#include "app/AppPaths.h"
#include "press/PressOptions.h"
#include "press/Settings.h"
#include "press/Win32Press.h"
#include "res/resource.h"

namespace {

using Window = FakeMainWindow;

const char kExample[] =
    "[Option]\nKey=F5\nAlt=0\nCtrl=1\nShift=0\nInterval=250\nTimeUnit=ms\nPress=Delay\n";

TEST(SettingsFile, WrittenFromScratchInOrder) {
    TempFolder folder;
    Window window;
    window.controls.ComboSetCurSel(IDC_COMBO_KEY, 70);  // F5
    window.controls.SetCheck(IDC_CHECK_CTRL, kChecked);
    window.controls.SetCheck(IDC_RADIO_HOLD, kUnchecked);
    window.controls.SetCheck(IDC_RADIO_DELAY, kChecked);
    window.controls.SetText(IDC_EDIT_DELAY, L"250");
    PrivateProfileStore profile(folder.File(L"conf.ini"));
    SaveSettings(window.controls, profile);
    EXPECT_EQ(WithoutCarriageReturns(ReadFileBytes(folder.File(L"conf.ini"))), kExample);
}

TEST(SettingsFile, MalformedValuesLoadAsDocumented) {
    const std::string longKey(300, 'A');
    const struct {
        std::string line;
        int keySel, unitSel;
        int alt;
        bool hold;
        std::wstring interval;
    } cases[] = {
        {"Key=a", -1, 0, 0, true, L"1000"},
        {"Key=" + longKey, -1, 0, 0, true, L"1000"},
        {"Key=", -1, 0, 0, true, L"1000"},
        {"Key=SPACE BAR", 16, 0, 0, true, L"1000"},
        {"Key=  F5  ", 70, 0, 0, true, L"1000"},  // the platform trims blanks
        {"Press=hold", -1, 0, 0, false, L"1000"},
        {"Press=Hold", -1, 0, 0, true, L"1000"},
        {"Alt=01", -1, 0, 0, true, L"1000"},
        {"Alt=true", -1, 0, 0, true, L"1000"},
        {"Alt=1", -1, 0, 1, true, L"1000"},
        {"Interval=", -1, 0, 0, true, L"1000"},
        {"Interval=abc", -1, 0, 0, true, L"abc"},
        {"TimeUnit=Second", -1, 0, 0, true, L"1000"},
        {"TimeUnit=hour", -1, 3, 0, true, L"1000"},
        {"garbage without equals", -1, 0, 0, true, L"1000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40));
        TempFolder folder;
        WriteFileBytes(folder.File(L"conf.ini"), "[Option]\r\n" + c.line + "\r\n");
        Window window;
        PrivateProfileStore profile(folder.File(L"conf.ini"));
        LoadSettings(window.controls, profile);
        EXPECT_EQ(window.controls.ComboGetCurSel(IDC_COMBO_KEY), c.keySel);
        EXPECT_EQ(window.controls.ComboGetCurSel(IDC_COMBO_UNIT), c.unitSel);
        EXPECT_EQ(window.controls.GetCheck(IDC_CHECK_ALT), c.alt);
        EXPECT_EQ(window.controls.GetCheck(IDC_RADIO_HOLD), c.hold ? kChecked : kUnchecked);
        EXPECT_EQ(window.controls.GetText(IDC_EDIT_DELAY), c.interval);
    }
}

TEST(SettingsFile, LongValueIsCutTo259Characters) {
    TempFolder folder;
    WriteFileBytes(folder.File(L"conf.ini"), "[Option]\r\nInterval=" + std::string(300, '7') + "\r\n");
    PrivateProfileStore profile(folder.File(L"conf.ini"));
    EXPECT_EQ(profile.Read(L"Interval", L"1000"), std::wstring(259, L'7'));
}

TEST(SettingsFile, OtherKeysAndSectionsAreLeftAlone) {
    TempFolder folder;
    const std::string before =
        "[Window]\r\nLeft=10\r\n[Option]\r\nKey=B\r\nNote=kept\r\nPress=Hold\r\n[Other]\r\nX=1\r\n";
    WriteFileBytes(folder.File(L"conf.ini"), before);
    Window window;
    window.controls.ComboSetCurSel(IDC_COMBO_KEY, 40);  // A
    window.controls.SetText(IDC_EDIT_DELAY, L"5");
    PrivateProfileStore profile(folder.File(L"conf.ini"));
    SaveSettings(window.controls, profile);
    std::string after = WithoutCarriageReturns(ReadFileBytes(folder.File(L"conf.ini")));
    EXPECT_NE(after.find("[Window]\nLeft=10\n"), std::string::npos) << after;
    EXPECT_NE(after.find("Key=A\nNote=kept\nPress=Hold\n"), std::string::npos) << after;
    EXPECT_NE(after.find("[Other]\nX=1\n"), std::string::npos) << after;
    EXPECT_NE(after.find("Interval=5\n"), std::string::npos) << after;
}

TEST(SettingsFile, UnwritableOrMissingFileLosesNothingAndRaisesNothing) {
    TempFolder folder;
    const std::string content = "[Option]\r\nKey=B\r\nInterval=42\r\n";
    std::wstring path = folder.File(L"conf.ini");
    WriteFileBytes(path, content);
    {
        // Held open for reading by someone else, without sharing: every write fails.
        // (A read-only attribute would not do here: the tests may run as root.)
        HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        Window window;
        window.controls.ComboSetCurSel(IDC_COMBO_KEY, 40);
        PrivateProfileStore locked(path);
        SaveSettings(window.controls, locked);
        CloseHandle(holder);
    }
    EXPECT_EQ(ReadFileBytes(path), content);
    Window window;
    window.controls.ComboSetCurSel(IDC_COMBO_KEY, 40);

    // A folder that does not exist: defaults on load, nothing created on save.
    std::wstring missing = folder.File(L"gone\\conf.ini");
    PrivateProfileStore nowhere(missing);
    Window fresh;
    LoadSettings(fresh.controls, nowhere);
    EXPECT_EQ(fresh.controls.ComboGetCurSel(IDC_COMBO_KEY), -1);
    EXPECT_EQ(fresh.controls.GetText(IDC_EDIT_DELAY), L"1000");
    SaveSettings(window.controls, nowhere);
    EXPECT_EQ(GetFileAttributesW(missing.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(SettingsFolder, CreatedAlongAPathOutsideTheAnsiCodePage) {
    TempFolder folder(L"keyvane-\u0416\u4e2d\u2603");  // Cyrillic, CJK, a snowman
    std::wstring settings = SettingsFolderFor(folder.Path() + L"\\Roaming");
    EXPECT_TRUE(CreateDirectoryTree(settings));
    EXPECT_FALSE(CreateDirectoryTree(settings));  // exists already
    EXPECT_NE(GetFileAttributesW(settings.c_str()), INVALID_FILE_ATTRIBUTES);

    Window window;
    window.controls.ComboSetCurSel(IDC_COMBO_KEY, 66);  // F1
    PrivateProfileStore profile(settings + L"\\conf.ini");
    SaveSettings(window.controls, profile);
    Window next;
    LoadSettings(next.controls, profile);
    EXPECT_EQ(next.controls.GetText(IDC_COMBO_KEY), L"F1");
}

}  // namespace

// The real Keyvane.exe, started and driven from outside as a user would.
#include <algorithm>

#include "EndToEndFixture.h"

namespace {

TEST_F(EndToEnd, FirstStartShowsTheDefaults) {
    Launch();
    EXPECT_EQ(Keys(), kReleaseAll);
    for (const KeyEvent& e : Events()) {
        EXPECT_EQ(e.scan, MapVirtualKeyW(e.vk == VK_LCONTROL ? VK_CONTROL : e.vk, MAPVK_VK_TO_VSC) & 0xFF);
        EXPECT_FALSE(e.flags & LLKHF_EXTENDED);
    }
    EXPECT_EQ(WindowText(app->Window()), L"Keyvane");
    ASSERT_EQ(app->Count(1024), 78);
    EXPECT_EQ(app->Selection(1024), -1);
    EXPECT_EQ(app->ItemText(1024, 16), L"SPACE BAR");
    EXPECT_EQ(app->ItemData(1024, 16), 32u);
    EXPECT_EQ(app->ItemText(1024, 77), L"F12");
    EXPECT_EQ(app->ItemData(1024, 77), 123u);
    ASSERT_EQ(app->Count(1025), 4);
    EXPECT_EQ(app->ItemText(1025, 3), L"hour");
    EXPECT_EQ(app->Selection(1025), 0);
    EXPECT_EQ(app->Check(1022), BST_CHECKED);
    EXPECT_EQ(app->Check(1023), BST_UNCHECKED);
    for (int id : {1007, 1008, 1009}) EXPECT_EQ(app->Check(id), BST_UNCHECKED);
    EXPECT_EQ(app->Text(1002), L"1000");
    EXPECT_EQ(app->Text(1000), L"Start (Ctrl + F1)");
    EXPECT_EQ(app->Text(1001), L"Stop (Ctrl + F2)");
    ExpectIdleControls(true);
    EXPECT_EQ(GetFileAttributesW(ConfPath().c_str()), INVALID_FILE_ATTRIBUTES);
    // The settings folder exists from start-up on.
    EXPECT_NE(GetFileAttributesW((folder->Path() + L"\\Quorvel\\Keyvane").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(EndToEnd, StartWithoutAKeyShowsTheMessageAndSavesNothing) {
    Launch();
    recorder->Clear();
    app->Command(1000);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = app->FindMessageBox()) != nullptr; }));
    EXPECT_EQ(WindowText(box), L"Keyvane");
    EXPECT_NE(ChildTexts(box).find(L"Please select a key to press!"), std::wstring::npos);
    app->Command(1000);  // a second Start while the box is up is ignored
    PumpFor(200);
    EXPECT_TRUE(app->Enabled(1000));
    EXPECT_FALSE(app->Enabled(1001));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    PumpFor(200);
    EXPECT_EQ(app->FindMessageBox(), nullptr);
    EXPECT_TRUE(Keys().empty());
    EXPECT_EQ(GetFileAttributesW(ConfPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(EndToEnd, HoldRunWithModifiers) {
    Launch();
    app->SelectKey(L"A");
    app->SetCheck(1008, true);
    app->SetCheck(1009, true);
    recorder->Clear();
    app->Command(1000);
    ASSERT_TRUE(app->WaitRunning());
    for (int id : kOptionControls) EXPECT_FALSE(app->Enabled(id)) << id;
    PumpFor(300);
    app->Command(1001);
    ASSERT_TRUE(app->WaitIdle());
    ExpectIdleControls(true);

    std::vector<std::string> keys = Keys();
    ASSERT_GE(keys.size(), 3u + 3u * 50 + 1 + 3) << Joined(keys);
    std::vector<std::string> head(keys.begin(), keys.begin() + 3), tail(keys.end() - 4, keys.end());
    EXPECT_EQ(head, kReleaseAll);
    EXPECT_EQ(tail, (std::vector<std::string>{"A^", "Ctrl^", "Shift^", "Alt^"}));
    for (size_t i = 3; i + 4 < keys.size(); i += 3) {
        ASSERT_EQ(keys[i], "Ctrlv") << i;
        ASSERT_EQ(keys[i + 1], "Shiftv") << i;
        ASSERT_EQ(keys[i + 2], "Av") << i;
    }
    EXPECT_EQ((keys.size() - 7) % 3, 0u);

    EXPECT_EQ(WithoutCarriageReturns(ReadFileBytes(ConfPath())),
              "[Option]\nKey=A\nAlt=0\nCtrl=1\nShift=1\nInterval=1000\nTimeUnit=ms\nPress=Hold\n");
}

TEST_F(EndToEnd, DelayRunKeepsItsPaceAndSettingsComeBack) {
    Launch();
    app->SelectKey(L"F5");
    app->SetCheck(1007, true);
    app->ChooseMode(false);
    EXPECT_TRUE(app->Enabled(1002));
    EXPECT_TRUE(app->Enabled(1025));
    app->SetDelayText(L"100");
    recorder->Clear();
    app->Command(1000);
    ASSERT_TRUE(app->WaitRunning());
    PumpFor(650);
    app->Command(1001);
    ASSERT_TRUE(app->WaitIdle());
    ExpectIdleControls(false);

    std::vector<KeyEvent> events = Events();
    std::vector<std::string> keys = recorder->ProgramKeys();
    ASSERT_GE(keys.size(), 3u + 4u * 3 + 3) << Joined(keys);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 3), kReleaseAll);
    EXPECT_EQ(std::vector<std::string>(keys.end() - 3, keys.end()), kReleaseAll);
    std::vector<DWORD> pressTimes;
    for (size_t i = 3; i + 3 < keys.size(); i += 4) {
        ASSERT_EQ(std::vector<std::string>(keys.begin() + static_cast<long>(i), keys.begin() + static_cast<long>(i) + 4),
                  (std::vector<std::string>{"Altv", "F5v", "F5^", "Alt^"}))
            << Joined(keys);
        pressTimes.push_back(events[i + 1].time);
    }
    EXPECT_EQ((keys.size() - 6) % 4, 0u);
    // Press k keeps to the schedule k x 100 ms after the first: never early (a busy
    // machine can only make one late), and a late one does not push the rest back.
    for (size_t k = 1; k < pressTimes.size(); ++k)
        EXPECT_GE(pressTimes[k] - pressTimes[0], 100 * k - 2) << k;  // the tick counts whole ms

    Relaunch();
    EXPECT_EQ(app->Text(1024), L"F5");
    EXPECT_EQ(app->Check(1007), BST_CHECKED);
    EXPECT_EQ(app->Check(1023), BST_CHECKED);
    EXPECT_EQ(app->Check(1022), BST_UNCHECKED);
    EXPECT_EQ(app->Text(1002), L"100");
    EXPECT_EQ(app->Text(1025), L"ms");
    ExpectIdleControls(false);
}

TEST_F(EndToEnd, EmptyDelayIsSavedAsTypedAndRunsAs1000) {
    Launch();
    app->SelectKey(L"B");
    app->ChooseMode(false);
    app->SelectUnit(L"second");
    app->SetDelayText(L"");
    app->Command(1000);
    ASSERT_TRUE(app->WaitRunning());
    EXPECT_EQ(app->Text(1002), L"1000");
    app->Command(1001);
    ASSERT_TRUE(app->WaitIdle());
    std::string conf = WithoutCarriageReturns(ReadFileBytes(ConfPath()));
    EXPECT_NE(conf.find("Interval=\nTimeUnit=second\nPress=Delay\n"), std::string::npos) << conf;
}

TEST_F(EndToEnd, HotKeysWhileIdleAndDuringARun) {
    Launch();
    app->SelectKey(L"A");
    recorder->Clear();
    InjectChord(VK_F2);  // stop while idle: key-ups of the key and the modifiers
    ASSERT_TRUE(WaitUntil([] { return recorder->ProgramKeys().size() >= 4; }));
    EXPECT_EQ(Keys(), (std::vector<std::string>{"A^", "Ctrl^", "Shift^", "Alt^"}));

    recorder->Clear();
    InjectChord(VK_F1);
    ASSERT_TRUE(app->WaitRunning());
    PumpFor(200);
    InjectChord(VK_F1);  // ignored: no second run, no message
    PumpFor(200);
    EXPECT_EQ(app->FindMessageBox(), nullptr);
    EXPECT_TRUE(app->Enabled(1001));
    InjectChord(VK_F2);
    ASSERT_TRUE(app->WaitIdle());

    std::vector<std::string> keys = Keys();
    EXPECT_EQ(std::vector<std::string>(keys.end() - 8, keys.end()),
              (std::vector<std::string>{"A^", "Ctrl^", "Shift^", "Alt^", "A^", "Ctrl^", "Shift^", "Alt^"}))
        << Joined(keys);
    // One run only: exactly one release of the modifiers before the first press.
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 4),
              (std::vector<std::string>{"Ctrl^", "Shift^", "Alt^", "Av"}));
}

TEST_F(EndToEnd, HeldCtrlF2EndsTheRun) {
    Launch();
    app->SelectKey(L"Z");
    app->Command(1000);
    ASSERT_TRUE(app->WaitRunning());
    PumpFor(100);
    InjectKey(VK_CONTROL, false);
    InjectKey(VK_F2, false);
    bool stopped = app->WaitIdle();
    InjectKey(VK_F2, true);
    InjectKey(VK_CONTROL, true);
    ASSERT_TRUE(stopped);
    std::vector<std::string> keys = Keys();
    EXPECT_EQ(std::vector<std::string>(keys.end() - 4, keys.end()),
              (std::vector<std::string>{"Z^", "Ctrl^", "Shift^", "Alt^"}));
}

TEST_F(EndToEnd, ClosingDuringARunWrapsUpThenExits) {
    Launch();
    app->SelectKey(L"Q");
    app->SetCheck(1009, true);
    app->Command(1000);
    ASSERT_TRUE(app->WaitRunning());
    PumpFor(200);
    app->Close();
    ASSERT_TRUE(app->WaitForExit());
    std::vector<std::string> keys = Keys();
    EXPECT_EQ(std::vector<std::string>(keys.end() - 4, keys.end()),
              (std::vector<std::string>{"Q^", "Ctrl^", "Shift^", "Alt^"}));
}

TEST_F(EndToEnd, EnterAndEscapeNeverCloseButExitDoes) {
    Launch();
    app->Command(IDOK);
    app->Command(IDCANCEL);
    PumpFor(300);
    EXPECT_TRUE(app->Running());
    EXPECT_TRUE(IsWindowVisible(app->Window()));
    app->Command(32777);  // File > Exit
    EXPECT_TRUE(app->WaitForExit());
}

TEST_F(EndToEnd, SecondCopyEndsAndLeavesTheFirstAlone) {
    Launch();
    app->SelectKey(L"C");
    KeyvaneProcess second;
    ASSERT_TRUE(second.Start());
    EXPECT_TRUE(second.WaitForExit(15000));
    int windows = 0;
    for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, L"QuorvelKeyvane_KOEOPWD", nullptr)) != nullptr;) ++windows;
    EXPECT_EQ(windows, 1);
    EXPECT_TRUE(app->Running());
    EXPECT_EQ(app->Text(1024), L"C");
    EXPECT_EQ(GetForegroundWindow(), app->Window());  // brought forward from our target window

    // Once the first copy is gone, a new one starts at once.
    app->Close();
    ASSERT_TRUE(app->WaitForExit());
    Launch();
}

TEST_F(EndToEnd, HotKeysHeldByAnotherProgramAreReportedOnceEach) {
    HWND holder = CreateWindowExW(0, L"STATIC", L"holder", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(holder, 1, MOD_CONTROL, VK_F1));
    ASSERT_TRUE(RegisterHotKey(holder, 2, MOD_CONTROL, VK_F2));
    app = std::make_unique<KeyvaneProcess>();
    ASSERT_TRUE(app->Start());
    for (const wchar_t* message : {L"Hotkey 'Ctrl + F1' conflict!", L"Hotkey 'Ctrl + F2' conflict!"}) {
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = app->FindMessageBox()) != nullptr; }));
        EXPECT_EQ(WindowText(box), L"Keyvane");
        EXPECT_NE(ChildTexts(box).find(message), std::wstring::npos);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    }
    UnregisterHotKey(holder, 1);
    UnregisterHotKey(holder, 2);
    DestroyWindow(holder);
    ASSERT_TRUE(app->WaitForWindow());
    // The buttons work all the same.
    app->SelectKey(L"M");
    app->Command(1000);
    ASSERT_TRUE(app->WaitRunning());
    app->Command(1001);
    ASSERT_TRUE(app->WaitIdle());
}

TEST_F(EndToEnd, MalformedSettingsLoadAsDocumented) {
    CreateDirectoryW((folder->Path() + L"\\Quorvel").c_str(), nullptr);
    CreateDirectoryW((folder->Path() + L"\\Quorvel\\Keyvane").c_str(), nullptr);
    WriteFileBytes(ConfPath(),
                   "[Option]\r\nKey=a\r\nAlt=01\r\nCtrl=1\r\nShift=true\r\nPress=hold\r\nInterval=abc\r\n"
                   "TimeUnit=Second\r\n");
    Launch();
    EXPECT_EQ(app->Selection(1024), -1);
    EXPECT_EQ(app->Check(1007), BST_UNCHECKED);
    EXPECT_EQ(app->Check(1008), BST_CHECKED);
    EXPECT_EQ(app->Check(1009), BST_UNCHECKED);
    EXPECT_EQ(app->Check(1023), BST_CHECKED);
    EXPECT_EQ(app->Text(1002), L"abc");
    EXPECT_EQ(app->Text(1025), L"ms");
    ExpectIdleControls(false);

    // A run corrects the amount on screen; the file gets what was there first.
    app->SelectKey(L"D");
    app->Command(1000);
    ASSERT_TRUE(app->WaitRunning());
    EXPECT_EQ(app->Text(1002), L"1000");
    app->Command(1001);
    ASSERT_TRUE(app->WaitIdle());
    EXPECT_NE(WithoutCarriageReturns(ReadFileBytes(ConfPath())).find("Interval=abc\n"), std::string::npos);
}

TEST_F(EndToEnd, SettingsKeptUnderAProfileFolderOutsideTheAnsiCodePage) {
    UseAppData(L"keyvane-\u4e2d\u0416");
    Launch();
    app->SelectKey(L"7");
    app->Command(1000);
    ASSERT_TRUE(app->WaitRunning());
    app->Command(1001);
    ASSERT_TRUE(app->WaitIdle());
    EXPECT_NE(WithoutCarriageReturns(ReadFileBytes(ConfPath())).find("Key=7\n"), std::string::npos);
    Relaunch();
    EXPECT_EQ(app->Text(1024), L"7");
}

}  // namespace

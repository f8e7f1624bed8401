#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "FakeControls.h"
#include "press/PressEngine.h"
#include "res/resource.h"

namespace {

std::string KeyName(std::uint32_t vk) {
    switch (vk) {
        case kVkControl: return "Ctrl";
        case kVkShift: return "Shift";
        case kVkMenu: return "Alt";
    }
    if (vk >= 'A' && vk <= 'Z') return std::string(1, static_cast<char>(vk));
    if (vk >= 112 && vk <= 123) return "F" + std::to_string(vk - 111);
    return "vk" + std::to_string(vk);
}

// One step of the fake clock is exactly one millisecond.
class FakeClock : public MonotonicClock {
public:
    std::int64_t NowMicros() override { return now; }
    void SleepOneMs() override {
        now += 1000;
        ++steps;
        if (onStep) onStep(steps);
    }
    std::int64_t now = 0;
    long steps = 0;
    std::function<void(long)> onStep;
};

class FakePlatform : public PressPlatform {
public:
    explicit FakePlatform(std::vector<std::string>& log) : log(log) {}
    void SendKeyEvent(std::uint32_t vk, bool keyUp) override {
        keys.push_back(KeyName(vk) + (keyUp ? "^" : "v"));
        log.push_back("key");
    }
    bool IsKeyDown(int vk) override {
        queries.push_back(static_cast<std::uint32_t>(vk));
        return down.count(static_cast<std::uint32_t>(vk)) != 0;
    }
    void PumpMessages() override {
        ++pumps;
        log.push_back("pump");
        if (onPump) onPump(pumps);
    }
    void PostStartCommand() override { log.push_back("post start"); }
    void ShowMessage(const std::wstring& text) override {
        messages.push_back(text);
        log.push_back("message");
        if (onMessage) onMessage();
    }
    void SaveSettings() override {
        log.push_back("save");
        if (onSave) onSave();
    }

    std::vector<std::string>& log;
    std::vector<std::string> keys;
    std::vector<std::uint32_t> queries;
    std::set<std::uint32_t> down;
    std::vector<std::wstring> messages;
    int pumps = 0;
    std::function<void(int)> onPump;
    std::function<void()> onMessage;
    std::function<void()> onSave;
};

std::vector<std::string> Repeat(const std::vector<std::string>& cycle, int times) {
    std::vector<std::string> out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), cycle.begin(), cycle.end());
    return out;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

const std::vector<std::string> kReleaseAll = {"Ctrl^", "Shift^", "Alt^"};
const int kOptionControls[] = {IDC_EDIT_DELAY, IDC_COMBO_UNIT, IDC_COMBO_KEY, IDC_CHECK_ALT,
                               IDC_CHECK_CTRL, IDC_CHECK_SHIFT, IDC_RADIO_HOLD, IDC_RADIO_DELAY};

class PressEngineTest : public testing::Test {
protected:
    PressEngineTest() : controls(&log), platform(log), engine(controls, platform, clock) {
        FillUnitList(controls, IDC_COMBO_UNIT);
        FillKeyList(controls, IDC_COMBO_KEY);
        controls.SetCheck(IDC_RADIO_HOLD, kChecked);
        controls.SetText(IDC_EDIT_DELAY, L"1000");
        controls.Enable(IDC_STOP, false);
        log.clear();
    }

    void Select(const wchar_t* key) {
        for (int i = 0; i < controls.ComboGetCount(IDC_COMBO_KEY); ++i)
            if (controls.ComboGetItemText(IDC_COMBO_KEY, i) == key) controls.ComboSetCurSel(IDC_COMBO_KEY, i);
    }
    void UseDelay(const wchar_t* amount, int unit) {
        controls.SetCheck(IDC_RADIO_HOLD, kUnchecked);
        controls.SetCheck(IDC_RADIO_DELAY, kChecked);
        controls.SetText(IDC_EDIT_DELAY, amount);
        controls.ComboSetCurSel(IDC_COMBO_UNIT, unit);
    }
    void StopAtPump(int pump) {
        platform.onPump = [this, pump](int n) {
            if (n == pump) engine.OnStop();
        };
    }
    void ExpectIdleControls() {
        EXPECT_TRUE(controls[IDC_START].enabled);
        EXPECT_FALSE(controls[IDC_STOP].enabled);
        bool hold = controls.GetCheck(IDC_RADIO_HOLD) == kChecked;
        for (int id : kOptionControls) {
            bool delayOnly = id == IDC_EDIT_DELAY || id == IDC_COMBO_UNIT;
            EXPECT_EQ(controls[id].enabled, delayOnly ? !hold : true) << id;
        }
    }

    std::vector<std::string> log;
    FakeControls controls;
    FakeClock clock;
    FakePlatform platform;
    PressEngine engine;
};

TEST_F(PressEngineTest, HoldWithModifiersStoppedByButton) {
    Select(L"A");
    controls.SetCheck(IDC_CHECK_CTRL, kChecked);
    controls.SetCheck(IDC_CHECK_SHIFT, kChecked);
    bool checkedDuringRun = false;
    platform.onPump = [&](int n) {
        EXPECT_FALSE(controls[IDC_START].enabled);
        EXPECT_TRUE(controls[IDC_STOP].enabled);
        for (int id : kOptionControls) EXPECT_FALSE(controls[id].enabled) << id;
        checkedDuringRun = true;
        if (n == 3) engine.OnStop();
    };
    engine.OnStart();

    EXPECT_TRUE(checkedDuringRun);
    EXPECT_EQ(platform.keys, Join({kReleaseAll, Repeat({"Ctrlv", "Shiftv", "Av"}, 150), {"A^"}, kReleaseAll}));
    EXPECT_EQ(clock.steps, 150);
    EXPECT_EQ(engine.m_busy, 0);
    ExpectIdleControls();
}

TEST_F(PressEngineTest, RunControlsAreSetBeforeSavingAndRestoredInOrder) {
    Select(L"A");
    StopAtPump(1);
    engine.OnStart();
    // Everything before the first key event, and after the last one.
    std::vector<std::string> before(log.begin(), log.begin() + 11);
    EXPECT_EQ(before, (std::vector<std::string>{"disable 1000", "enable 1001", "disable 1002",
                                                "disable 1025", "disable 1024", "disable 1007",
                                                "disable 1008", "disable 1009", "disable 1022",
                                                "disable 1023", "save"}));
    std::vector<std::string> after(log.end() - 11, log.end());
    EXPECT_EQ(after, (std::vector<std::string>{"enable 1002", "disable 1001", "enable 1000",
                                               "enable 1024", "enable 1007", "enable 1008",
                                               "enable 1009", "enable 1022", "enable 1023",
                                               "disable 1002", "disable 1025"}));
}

TEST_F(PressEngineTest, DelayStoppedDuringAWait) {
    Select(L"F5");
    controls.SetCheck(IDC_CHECK_ALT, kChecked);
    UseDelay(L"1000", 0);
    StopAtPump(25);  // 1250 steps: a quarter into the second wait
    engine.OnStart();
    EXPECT_EQ(platform.keys, Join({kReleaseAll, Repeat({"Altv", "F5v", "F5^", "Alt^"}, 2), kReleaseAll}));
    EXPECT_EQ(clock.steps, 1250);  // the stop acts at the pump, not at the end of the wait
    ExpectIdleControls();
}

TEST_F(PressEngineTest, LongWaitStoppedAtTheNextPump) {
    Select(L"A");
    UseDelay(L"1", 3);  // one hour
    StopAtPump(2);
    engine.OnStart();
    EXPECT_EQ(platform.keys, Join({kReleaseAll, {"Av", "A^"}, kReleaseAll}));
    EXPECT_EQ(clock.steps, 100);
}

TEST_F(PressEngineTest, StopHotKeyDuringHold) {
    Select(L"A");
    platform.onPump = [&](int) { engine.OnHotKey(IDH_HOTKEY_STOP); };
    engine.OnStart();
    EXPECT_EQ(platform.keys, Join({kReleaseAll, Repeat({"Av"}, 50), {"A^"}, kReleaseAll, {"A^"}, kReleaseAll}));
}

TEST_F(PressEngineTest, ChordEndsTheRunRightAfterAStep) {
    Select(L"A");
    clock.onStep = [&](long step) {
        if (step == 7) platform.down = {kVkControl, kVkF2};
    };
    engine.OnStart();
    EXPECT_EQ(platform.keys, Join({kReleaseAll, Repeat({"Av"}, 7), {"A^"}, kReleaseAll}));
    EXPECT_EQ(engine.m_stop, 1);
    EXPECT_EQ(platform.pumps, 0);
    // F2 is asked about only once Ctrl is down.
    EXPECT_EQ(platform.queries, (std::vector<std::uint32_t>{kVkControl, kVkControl, kVkControl, kVkControl,
                                                            kVkControl, kVkControl, kVkControl, kVkF2}));
}

TEST_F(PressEngineTest, ChordDuringADelayWaitEndsBothLoops) {
    Select(L"A");
    UseDelay(L"10", 0);
    clock.onStep = [&](long step) {
        if (step == 25) platform.down = {kVkControl, kVkF2};
    };
    engine.OnStart();
    EXPECT_EQ(platform.keys, Join({kReleaseAll, Repeat({"Av", "A^"}, 3), kReleaseAll}));
}

TEST_F(PressEngineTest, StartDuringARunIsIgnored) {
    Select(L"A");
    platform.onPump = [&](int n) {
        engine.OnStart();  // Ctrl+F1 delivered by the pump
        if (n == 2) engine.OnStop();
    };
    engine.OnStart();
    EXPECT_EQ(platform.keys, Join({kReleaseAll, Repeat({"Av"}, 100), {"A^"}, kReleaseAll}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "save"), 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PressEngineTest, StartWithoutAKeyOnlyShowsTheMessage) {
    int nestedStarts = 0;
    platform.onMessage = [&] {
        ++nestedStarts;
        if (nestedStarts == 1) engine.OnStart();  // a Start while the box is up
    };
    engine.OnStart();
    EXPECT_EQ(platform.messages, std::vector<std::wstring>{L"Please select a key to press!"});
    EXPECT_EQ(log, std::vector<std::string>{"message"});
    EXPECT_EQ(engine.m_busy, 0);

    Select(L"A");
    StopAtPump(1);
    engine.OnStart();  // a later Start works normally
    EXPECT_EQ(platform.keys.size(), 3u + 50u + 1u + 3u);
}

TEST_F(PressEngineTest, PumpCadenceCountsStepsAcrossDelayCycles) {
    const struct {
        const wchar_t* amount;
        int cyclesPerPump;
    } cases[] = {{L"1", 50}, {L"10", 5}, {L"50", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.amount)));
        platform.keys.clear();
        platform.pumps = 0;
        Select(L"A");
        UseDelay(c.amount, 0);
        std::vector<long> pressesAtPump;
        platform.onPump = [&](int n) {
            pressesAtPump.push_back(static_cast<long>(std::count(platform.keys.begin(), platform.keys.end(), "Av")));
            if (n == 4) engine.OnStop();
        };
        engine.OnStart();
        EXPECT_EQ(pressesAtPump, (std::vector<long>{c.cyclesPerPump, 2L * c.cyclesPerPump, 3L * c.cyclesPerPump,
                                                    4L * c.cyclesPerPump}));
    }
}

TEST_F(PressEngineTest, EmptyAmountIsSavedAsTypedThenShownAs1000) {
    Select(L"A");
    UseDelay(L"", 1);
    std::wstring savedAmount = L"unset";
    platform.onSave = [&] { savedAmount = controls.GetText(IDC_EDIT_DELAY); };
    StopAtPump(1);
    engine.OnStart();
    EXPECT_EQ(savedAmount, L"");
    EXPECT_EQ(controls[IDC_EDIT_DELAY].text, L"1000");
}

TEST_F(PressEngineTest, StopHotKeyWhileIdle) {
    engine.OnHotKey(IDH_HOTKEY_STOP);  // no key selected: no events
    EXPECT_TRUE(platform.keys.empty());
    EXPECT_EQ(engine.m_stop, 1);

    Select(L"F12");
    engine.OnHotKey(IDH_HOTKEY_STOP);
    EXPECT_EQ(platform.keys, Join({{"F12^"}, kReleaseAll}));

    platform.keys.clear();
    StopAtPump(1);
    engine.OnStart();  // the next Start clears the flag and runs
    EXPECT_EQ(platform.keys.size(), 3u + 50u + 1u + 3u);
}

TEST_F(PressEngineTest, StartHotKeyOnlyPostsTheStartCommand) {
    Select(L"A");
    engine.OnHotKey(IDH_HOTKEY_START);
    EXPECT_TRUE(platform.keys.empty());
    EXPECT_EQ(log, std::vector<std::string>{"post start"});
    EXPECT_EQ(engine.m_busy, 0);
}

}  // namespace

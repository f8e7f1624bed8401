#include <gtest/gtest.h>

#include "FakeControls.h"
#include "press/PressOptions.h"
#include "res/resource.h"

TEST(FillLists, KeyListHoldsCatalogueWithCodesAndNoSelection) {
    FakeControls controls;
    FillKeyList(controls, IDC_COMBO_KEY);
    ASSERT_EQ(controls.ComboGetCount(IDC_COMBO_KEY), 78);
    EXPECT_EQ(controls.ComboGetCurSel(IDC_COMBO_KEY), -1);
    EXPECT_EQ(controls.ComboGetItemText(IDC_COMBO_KEY, 15), L"SCROLL LOCK");
    EXPECT_EQ(controls.ComboGetItemData(IDC_COMBO_KEY, 15), 145u);
    EXPECT_EQ(controls.ComboGetItemText(IDC_COMBO_KEY, 77), L"F12");
    EXPECT_EQ(controls.ComboGetItemData(IDC_COMBO_KEY, 77), 123u);
}

TEST(FillLists, UnitListHoldsFourUnitsWithMsSelected) {
    FakeControls controls;
    FillUnitList(controls, IDC_COMBO_UNIT);
    ASSERT_EQ(controls.ComboGetCount(IDC_COMBO_UNIT), 4);
    const wchar_t* names[] = {L"ms", L"second", L"minute", L"hour"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(controls.ComboGetItemText(IDC_COMBO_UNIT, i), names[i]);
    EXPECT_EQ(controls.ComboGetCurSel(IDC_COMBO_UNIT), 0);
}

TEST(ParseDelayAmount, ScansLikePercentD) {
    const struct {
        const wchar_t* text;
        std::int32_t value;
    } cases[] = {
        {L"", 0},
        {L"250", 250},
        {L"12abc", 12},
        {L"   7", 7},
        {L"\t+9", 9},
        {L"abc", 0},
        {L"-5", -5},
        {L"- 5", 0},
        {L"+", 0},
        {L"0", 0},
        {L"2147483647", 2147483647},
        {L"-2147483648", INT32_MIN},
        {L"-99999999999", INT32_MIN},
        // Up to 2^32 - 1 the text keeps its 32-bit pattern: as unsigned it is the number typed.
        {L"4294967295", -1},
        {L"3000000000", static_cast<std::int32_t>(3000000000u)},
        // Beyond 32 bits: the largest amount.
        {L"4294967296", -1},
        {L"99999999999999999999999999", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDelayAmount(c.text), c.value) << "text: " << testing::PrintToString(std::wstring(c.text));
}

TEST(UnitMultiplier, KnownUnitsAndAnythingElseAsMinutes) {
    EXPECT_EQ(UnitMultiplier(0), 1u);
    EXPECT_EQ(UnitMultiplier(1), 1000u);
    EXPECT_EQ(UnitMultiplier(2), 60000u);
    EXPECT_EQ(UnitMultiplier(3), 3600000u);
    EXPECT_EQ(UnitMultiplier(-1), 60000u);
    EXPECT_EQ(UnitMultiplier(4), 60000u);
}

class ReadPressOptionsTest : public testing::Test {
protected:
    void SetUp() override {
        FillKeyList(controls, IDC_COMBO_KEY);
        FillUnitList(controls, IDC_COMBO_UNIT);
        controls.SetCheck(IDC_RADIO_HOLD, kChecked);
        controls.ComboSetCurSel(IDC_COMBO_KEY, 40);  // A
    }
    FakeControls controls;
};

TEST_F(ReadPressOptionsTest, DelayFromAmountAndUnit) {
    const struct {
        const wchar_t* amount;
        int unit;
        std::uint64_t delayMs;
        const wchar_t* editAfter;
    } cases[] = {
        {L"250", 0, 250, L"250"},
        {L"3", 1, 3000, L"3"},
        {L"2", 2, 120000, L"2"},
        {L"1", 3, 3600000, L"1"},
        {L"", 3, 3600000000ull, L"1000"},
        {L"0", 3, 3600000000ull, L"1000"},
        {L"abc", 0, 1000, L"1000"},
        {L"12abc", 0, 12, L"12abc"},
        {L"-5", 0, 4294967291ull, L"-5"},
        {L"4294967295", 3, 15461882262000000ull, L"4294967295"},
        {L"7", -1, 420000, L"7"},
    };
    for (const auto& c : cases) {
        controls.SetText(IDC_EDIT_DELAY, c.amount);
        controls.ComboSetCurSel(IDC_COMBO_UNIT, c.unit);
        if (c.unit == -1) controls[IDC_COMBO_UNIT].selection = -1;
        PressOptions options = ReadPressOptions(controls);
        EXPECT_EQ(options.DelayMs, c.delayMs) << testing::PrintToString(std::wstring(c.amount));
        EXPECT_EQ(controls[IDC_EDIT_DELAY].text, c.editAfter);
    }
}

TEST_F(ReadPressOptionsTest, ModeModifiersAndKey) {
    controls.SetCheck(IDC_CHECK_CTRL, kChecked);
    controls.SetCheck(IDC_CHECK_ALT, 2);  // indeterminate is not checked
    controls.ComboSetCurSel(IDC_COMBO_KEY, 66);
    PressOptions options = ReadPressOptions(controls);
    EXPECT_EQ(options.Mode, PressMode::Hold);
    EXPECT_TRUE(options.UseCtrl);
    EXPECT_FALSE(options.UseAlt);
    EXPECT_FALSE(options.UseShift);
    EXPECT_EQ(options.VirtualKey, 112u);

    controls.SetCheck(IDC_RADIO_HOLD, kUnchecked);  // neither radio set counts as Delay
    EXPECT_EQ(ReadPressOptions(controls).Mode, PressMode::Delay);
}

TEST_F(ReadPressOptionsTest, DelayControlsFollowTheHoldRadio) {
    UpdateDelayControls(controls);
    EXPECT_FALSE(controls[IDC_EDIT_DELAY].enabled);
    EXPECT_FALSE(controls[IDC_COMBO_UNIT].enabled);
    controls.SetCheck(IDC_RADIO_HOLD, kUnchecked);
    controls.SetCheck(IDC_RADIO_DELAY, kChecked);
    UpdateDelayControls(controls);
    EXPECT_TRUE(controls[IDC_EDIT_DELAY].enabled);
    EXPECT_TRUE(controls[IDC_COMBO_UNIT].enabled);
}

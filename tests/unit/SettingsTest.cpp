#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "FakeControls.h"
#include "press/PressOptions.h"
#include "press/Settings.h"
#include "res/resource.h"

namespace {

class FakeProfile : public ProfileStore {
public:
    std::wstring Read(const wchar_t* key, const wchar_t* defaultValue) override {
        auto it = values.find(key);
        return it == values.end() ? defaultValue : it->second;
    }
    void Write(const wchar_t* key, const std::wstring& value) override {
        writes.emplace_back(key, value);
        values[key] = value;
    }
    std::map<std::wstring, std::wstring> values;
    std::vector<std::pair<std::wstring, std::wstring>> writes;
};

struct Window : FakeMainWindow {
    FakeProfile profile;
};

class SettingsTest : public testing::Test, protected Window {};

TEST_F(SettingsTest, MissingFileGivesTheDefaults) {
    LoadSettings(controls, profile);
    EXPECT_EQ(controls.ComboGetCurSel(IDC_COMBO_KEY), -1);
    EXPECT_EQ(controls.GetText(IDC_COMBO_UNIT), L"ms");
    EXPECT_EQ(controls.GetCheck(IDC_CHECK_ALT), kUnchecked);
    EXPECT_EQ(controls.GetCheck(IDC_CHECK_CTRL), kUnchecked);
    EXPECT_EQ(controls.GetCheck(IDC_CHECK_SHIFT), kUnchecked);
    EXPECT_EQ(controls.GetCheck(IDC_RADIO_HOLD), kChecked);
    EXPECT_EQ(controls.GetCheck(IDC_RADIO_DELAY), kUnchecked);
    EXPECT_EQ(controls.GetText(IDC_EDIT_DELAY), L"1000");
}

TEST_F(SettingsTest, ValuesMatchExactlyOrChangeNothing) {
    const struct {
        const wchar_t* key;
        const wchar_t* value;
        int keySel, unitSel;
        int alt;
        bool hold;
        const wchar_t* interval;
    } cases[] = {
        {L"Key", L"F5", 70, 0, 0, true, L"1000"},
        {L"Key", L"a", -1, 0, 0, true, L"1000"},
        {L"Key", L"", -1, 0, 0, true, L"1000"},
        {L"Key", L"SPACE BAR", 16, 0, 0, true, L"1000"},
        {L"Alt", L"1", -1, 0, 1, true, L"1000"},
        {L"Alt", L"01", -1, 0, 0, true, L"1000"},
        {L"Alt", L"true", -1, 0, 0, true, L"1000"},
        {L"Press", L"Delay", -1, 0, 0, false, L"1000"},
        {L"Press", L"hold", -1, 0, 0, false, L"1000"},
        {L"Press", L"", -1, 0, 0, false, L"1000"},
        {L"Interval", L"", -1, 0, 0, true, L"1000"},
        {L"Interval", L"abc", -1, 0, 0, true, L"abc"},
        {L"TimeUnit", L"Second", -1, 0, 0, true, L"1000"},
        {L"TimeUnit", L"hour", -1, 3, 0, true, L"1000"},
        {L"TimeUnit", L"", -1, 0, 0, true, L"1000"},
    };
    for (const auto& c : cases) {
        Window fresh;
        fresh.profile.values[c.key] = c.value;
        LoadSettings(fresh.controls, fresh.profile);
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.key) + L"=" + c.value));
        EXPECT_EQ(fresh.controls.ComboGetCurSel(IDC_COMBO_KEY), c.keySel);
        EXPECT_EQ(fresh.controls.ComboGetCurSel(IDC_COMBO_UNIT), c.unitSel);
        EXPECT_EQ(fresh.controls.GetCheck(IDC_CHECK_ALT), c.alt);
        EXPECT_EQ(fresh.controls.GetCheck(IDC_RADIO_HOLD), c.hold ? kChecked : kUnchecked);
        EXPECT_EQ(fresh.controls.GetCheck(IDC_RADIO_DELAY), c.hold ? kUnchecked : kChecked);
        EXPECT_EQ(fresh.controls.GetText(IDC_EDIT_DELAY), c.interval);
    }
}

TEST_F(SettingsTest, SaveWritesSevenKeysInOrderAndLoadRestoresThem) {
    controls.ComboSetCurSel(IDC_COMBO_KEY, 70);  // F5
    controls.SetCheck(IDC_CHECK_CTRL, kChecked);
    controls.SetCheck(IDC_RADIO_HOLD, kUnchecked);
    controls.SetCheck(IDC_RADIO_DELAY, kChecked);
    controls.SetText(IDC_EDIT_DELAY, L"250");
    SaveSettings(controls, profile);
    EXPECT_EQ(profile.writes, (std::vector<std::pair<std::wstring, std::wstring>>{
                                  {L"Key", L"F5"},
                                  {L"Alt", L"0"},
                                  {L"Ctrl", L"1"},
                                  {L"Shift", L"0"},
                                  {L"Interval", L"250"},
                                  {L"TimeUnit", L"ms"},
                                  {L"Press", L"Delay"},
                              }));

    Window next;
    next.profile.values = profile.values;
    LoadSettings(next.controls, next.profile);
    EXPECT_EQ(next.controls.GetText(IDC_COMBO_KEY), L"F5");
    EXPECT_EQ(next.controls.GetCheck(IDC_CHECK_CTRL), kChecked);
    EXPECT_EQ(next.controls.GetCheck(IDC_RADIO_DELAY), kChecked);
    EXPECT_EQ(next.controls.GetText(IDC_EDIT_DELAY), L"250");
}

TEST_F(SettingsTest, SelectComboEntryByTextTakesTheFirstExactMatch) {
    controls.ComboAddString(IDC_COMBO_UNIT, L"second");  // a duplicate at index 4
    SelectComboEntryByText(controls, IDC_COMBO_UNIT, L"second");
    EXPECT_EQ(controls.ComboGetCurSel(IDC_COMBO_UNIT), 1);
    SelectComboEntryByText(controls, IDC_COMBO_UNIT, L"SECOND");
    EXPECT_EQ(controls.ComboGetCurSel(IDC_COMBO_UNIT), 1);
}

}  // namespace

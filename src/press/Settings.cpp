#include "press/Settings.h"

#include "res/resource.h"

void SelectComboEntryByText(DialogControls& controls, int comboId, const std::wstring& text) {
    int count = controls.ComboGetCount(comboId);
    for (int i = 0; i < count; ++i) {
        if (controls.ComboGetItemText(comboId, i) == text) {
            controls.ComboSetCurSel(comboId, i);
            return;
        }
    }
}

void LoadSettings(DialogControls& controls, ProfileStore& profile) {
    // "1000" names no key, so a missing Key leaves the list without a selection.
    std::wstring key = profile.Read(L"Key", L"1000");
    if (!key.empty()) SelectComboEntryByText(controls, IDC_COMBO_KEY, key);

    const struct {
        const wchar_t* name;
        int id;
    } modifiers[] = {{L"Alt", IDC_CHECK_ALT}, {L"Ctrl", IDC_CHECK_CTRL}, {L"Shift", IDC_CHECK_SHIFT}};
    for (const auto& modifier : modifiers) {
        if (profile.Read(modifier.name, L"0") == L"1") controls.SetCheck(modifier.id, kChecked);
    }

    bool hold = profile.Read(L"Press", L"Hold") == L"Hold";
    controls.SetCheck(IDC_RADIO_HOLD, hold ? kChecked : kUnchecked);
    controls.SetCheck(IDC_RADIO_DELAY, hold ? kUnchecked : kChecked);

    std::wstring interval = profile.Read(L"Interval", L"1000");
    controls.SetText(IDC_EDIT_DELAY, interval.empty() ? L"1000" : interval);

    SelectComboEntryByText(controls, IDC_COMBO_UNIT, profile.Read(L"TimeUnit", L"ms"));
}

void SaveSettings(DialogControls& controls, ProfileStore& profile) {
    profile.Write(L"Key", controls.GetText(IDC_COMBO_KEY));
    bool alt = controls.GetCheck(IDC_CHECK_ALT) == kChecked;
    bool ctrl = controls.GetCheck(IDC_CHECK_CTRL) == kChecked;
    bool shift = controls.GetCheck(IDC_CHECK_SHIFT) == kChecked;
    profile.Write(L"Alt", alt ? L"1" : L"0");
    profile.Write(L"Ctrl", ctrl ? L"1" : L"0");
    profile.Write(L"Shift", shift ? L"1" : L"0");
    profile.Write(L"Interval", controls.GetText(IDC_EDIT_DELAY));
    profile.Write(L"TimeUnit", controls.GetText(IDC_COMBO_UNIT));
    profile.Write(L"Press", controls.GetCheck(IDC_RADIO_HOLD) == kChecked ? L"Hold" : L"Delay");
}

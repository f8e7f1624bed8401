#include "press/PressOptions.h"

#include <cwctype>

#include "press/KeyCatalogue.h"
#include "res/resource.h"

void FillKeyList(DialogControls& controls, int comboId) {
    for (const KeyEntry& key : KeyCatalogue()) {
        int index = controls.ComboAddString(comboId, key.DisplayName);
        controls.ComboSetItemData(comboId, index, key.VirtualKey);
    }
}

void FillUnitList(DialogControls& controls, int comboId) {
    for (int i = 0; i < kDelayUnitCount; ++i) controls.ComboInsertString(comboId, i, kDelayUnits[i].Name);
    controls.ComboSetCurSel(comboId, 0);
}

std::int32_t ParseDelayAmount(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    if (i >= text.size() || text[i] < L'0' || text[i] > L'9') return 0;
    constexpr std::uint64_t kLimit = 0xFFFFFFFFull;
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + static_cast<std::uint64_t>(text[i] - L'0');
        if (value > kLimit) value = kLimit + 1;  // saturate, keep scanning digits
    }
    if (negative) {
        if (value > 0x80000000ull) return INT32_MIN;
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    }
    if (value > kLimit) value = kLimit;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::uint64_t UnitMultiplier(int selection) {
    if (selection >= 0 && selection < kDelayUnitCount) return kDelayUnits[selection].Milliseconds;
    return 60000;
}

PressOptions ReadPressOptions(DialogControls& controls) {
    PressOptions options;
    std::uint32_t amount = static_cast<std::uint32_t>(ParseDelayAmount(controls.GetText(IDC_EDIT_DELAY)));
    if (amount == 0) {
        controls.SetText(IDC_EDIT_DELAY, L"1000");
        amount = 1000;
    }
    int unit = controls.ComboGetCurSel(IDC_COMBO_UNIT);
    options.DelayMs = unit == 0 ? amount : std::uint64_t{amount} * UnitMultiplier(unit);
    options.Mode = controls.GetCheck(IDC_RADIO_HOLD) == kChecked ? PressMode::Hold : PressMode::Delay;
    options.UseAlt = controls.GetCheck(IDC_CHECK_ALT) == kChecked;
    options.UseCtrl = controls.GetCheck(IDC_CHECK_CTRL) == kChecked;
    options.UseShift = controls.GetCheck(IDC_CHECK_SHIFT) == kChecked;
    int key = controls.ComboGetCurSel(IDC_COMBO_KEY);
    options.VirtualKey = static_cast<std::uint32_t>(controls.ComboGetItemData(IDC_COMBO_KEY, key));
    return options;
}

void UpdateDelayControls(DialogControls& controls) {
    bool hold = controls.GetCheck(IDC_RADIO_HOLD) == kChecked;
    controls.Enable(IDC_EDIT_DELAY, !hold);
    controls.Enable(IDC_COMBO_UNIT, !hold);
}

// What one press run uses, and how the main window's controls turn into it.
#pragma once

#include <cstdint>
#include <string>

#include "press/DialogControls.h"

enum class PressMode { Hold, Delay };

struct PressOptions {
    std::uint32_t VirtualKey = 0;
    PressMode Mode = PressMode::Hold;
    bool UseCtrl = false;
    bool UseShift = false;
    bool UseAlt = false;
    std::uint64_t DelayMs = 0;
};

// Adds the catalogue to the key list with each key's virtual-key code as item data.
// Selects nothing.
void FillKeyList(DialogControls& controls, int comboId);

// Inserts the four unit names and selects "ms".
void FillUnitList(DialogControls& controls, int comboId);

// Reads a leading decimal integer like "%d" does: blanks skipped, optional sign,
// digits, the rest ignored; 0 when there is no number. Numbers up to 4294967295
// keep their 32-bit pattern (so "4294967295" means the largest amount); larger
// ones give 4294967295, and negatives below -2147483648 give -2147483648.
std::int32_t ParseDelayAmount(const std::wstring& text);

// Milliseconds per unit for a unit-list selection; 60000 for anything unknown.
std::uint64_t UnitMultiplier(int selection);

PressOptions ReadPressOptions(DialogControls& controls);

// The delay amount and unit only matter in Delay mode.
void UpdateDelayControls(DialogControls& controls);

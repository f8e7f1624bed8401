// The fixed, ordered list of keys the user can choose, and the delay units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct KeyEntry {
    std::wstring DisplayName;  // also the key's identifier in conf.ini
    std::uint32_t VirtualKey;
};

// The 78 selectable keys in list order. Built once, on first use.
const std::vector<KeyEntry>& KeyCatalogue();

struct DelayUnit {
    const wchar_t* Name;  // also the identifier in conf.ini
    std::uint64_t Milliseconds;
};

constexpr int kDelayUnitCount = 4;
extern const DelayUnit kDelayUnits[kDelayUnitCount];

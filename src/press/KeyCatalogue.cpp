#include "press/KeyCatalogue.h"

#include <cwchar>
#include <cwctype>

namespace {

std::vector<KeyEntry> BuildCatalogue() {
    std::vector<KeyEntry> keys = {
        {L"BACKSPACE", 8},     {L"BREAK", 19},        {L"CAPS LOCK", 20},
        {L"DELETE", 46},       {L"DOWN ARROW", 40},   {L"END", 35},
        {L"ENTER", 13},        {L"ESC", 27},          {L"HOME", 36},
        {L"INSERT", 45},       {L"LEFT ARROW", 37},   {L"PGDN", 34},
        {L"PGUP", 33},         {L"PRINT SCREEN", 44}, {L"RIGHT ARROW", 39},
        {L"SCROLL LOCK", 145}, {L"SPACE BAR", 32},    {L"TAB", 9},
        {L"UP ARROW", 38},
        // Punctuation, in the order users have always seen it (not sorted).
        {L"'", 222}, {L",", 188}, {L"-", 189}, {L".", 190}, {L"/", 191}, {L"[", 219},
        {L"]", 221}, {L"\\", 220}, {L";", 186}, {L"`", 192}, {L"=", 187},
    };
    wchar_t name[8];
    for (std::uint32_t code = 48; code <= 57; ++code) {
        std::swprintf(name, 8, L"%c", static_cast<wchar_t>(code));
        keys.push_back({name, code});
    }
    for (std::uint32_t code = 65; code <= 90; ++code) {
        std::swprintf(name, 8, L"%c", static_cast<wchar_t>(code));
        name[0] = static_cast<wchar_t>(std::towupper(name[0]));
        keys.push_back({name, code});
    }
    for (std::uint32_t code = 112; code <= 123; ++code) {
        std::swprintf(name, 8, L"F%d", static_cast<int>(code - 111));
        keys.push_back({name, code});
    }
    return keys;
}

}  // namespace

const std::vector<KeyEntry>& KeyCatalogue() {
    static const std::vector<KeyEntry> catalogue = BuildCatalogue();
    return catalogue;
}

const DelayUnit kDelayUnits[kDelayUnitCount] = {
    {L"ms", 1},
    {L"second", 1000},
    {L"minute", 60000},
    {L"hour", 3600000},
};

#include <gtest/gtest.h>

#include <set>

#include "press/KeyCatalogue.h"

TEST(KeyCatalogue, HasEveryKeyOnceInListOrder) {
    const auto& keys = KeyCatalogue();
    ASSERT_EQ(keys.size(), 78u);
    std::set<std::wstring> names;
    std::set<std::uint32_t> codes;
    for (const auto& key : keys) {
        names.insert(key.DisplayName);
        codes.insert(key.VirtualKey);
        EXPECT_GE(key.VirtualKey, 8u);
        EXPECT_LE(key.VirtualKey, 222u);
    }
    EXPECT_EQ(names.size(), 78u);
    EXPECT_EQ(codes.size(), 78u);

    std::wstring all;
    for (const auto& key : keys) all += key.DisplayName + L"|";
    EXPECT_EQ(all,
              L"BACKSPACE|BREAK|CAPS LOCK|DELETE|DOWN ARROW|END|ENTER|ESC|HOME|INSERT|LEFT ARROW|"
              L"PGDN|PGUP|PRINT SCREEN|RIGHT ARROW|SCROLL LOCK|SPACE BAR|TAB|UP ARROW|"
              L"'|,|-|.|/|[|]|\\|;|`|=|0|1|2|3|4|5|6|7|8|9|"
              L"A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z|"
              L"F1|F2|F3|F4|F5|F6|F7|F8|F9|F10|F11|F12|");
}

TEST(KeyCatalogue, CodesAtKnownPositions) {
    const struct {
        size_t index;
        const wchar_t* name;
        std::uint32_t code;
    } cases[] = {
        {0, L"BACKSPACE", 8},   {1, L"BREAK", 19},   {13, L"PRINT SCREEN", 44},
        {15, L"SCROLL LOCK", 145}, {16, L"SPACE BAR", 32}, {19, L"'", 222},
        {26, L"\\", 220},       {28, L"`", 192},     {29, L"=", 187},
        {30, L"0", 48},         {39, L"9", 57},      {40, L"A", 65},
        {65, L"Z", 90},         {66, L"F1", 112},    {77, L"F12", 123},
    };
    const auto& keys = KeyCatalogue();
    for (const auto& c : cases) {
        EXPECT_EQ(keys[c.index].DisplayName, c.name) << c.index;
        EXPECT_EQ(keys[c.index].VirtualKey, c.code) << c.index;
    }
}

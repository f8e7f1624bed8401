#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "menu/MenuPainter.h"

namespace {

std::string Hex(Colour c) {
    char text[16];
    std::snprintf(text, sizeof text, "%u,%u,%u", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return text;
}
std::string Box(const MenuRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}
std::string Narrow(const std::wstring& w) {
    std::string out;
    for (wchar_t c : w) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

class FixedImages : public MenuImageList {
public:
    FixedImages(int cx, int cy, const char* name) : cx(cx), cy(cy), name(name) {}
    bool ImageSize(int, MenuSize& size) const override {
        size = {cx, cy};
        return true;
    }
    int cx, cy;
    const char* name;
};

// Records what is drawn; text is 7 pixels a character and 13 high.
class RecordingSurface : public DrawSurface {
public:
    void FillRect(const MenuRect& r, Colour c) override { calls.push_back("fill " + Box(r) + " " + Hex(c)); }
    void Rectangle(const MenuRect& r, Colour pen, Colour brush) override {
        calls.push_back("rectangle " + Box(r) + " pen " + Hex(pen) + " brush " + Hex(brush));
    }
    void FillSolidRect(const MenuRect& r, Colour c) override { calls.push_back("solid " + Box(r) + " " + Hex(c)); }
    void SetTransparent(bool t) override { calls.push_back(t ? "transparent" : "opaque"); }
    void SetTextColour(Colour c) override { calls.push_back("text colour " + Hex(c)); }
    MenuSize MeasureText(const std::wstring& text) override { return {7 * static_cast<int>(text.size()), 13}; }
    void DrawText(const std::wstring& text, const MenuRect& r, unsigned format) override {
        calls.push_back("text '" + Narrow(text) + "' " + Box(r) + " format " + std::to_string(format));
    }
    void DrawDisabledText(const std::wstring& text, int x, int y, int cx, int cy) override {
        calls.push_back("embossed '" + Narrow(text) + "' " + std::to_string(x) + "," + std::to_string(y) + " " +
                        std::to_string(cx) + "x" + std::to_string(cy));
    }
    void DrawImage(MenuImageList& list, int index, int x, int y) override {
        calls.push_back(std::string("image ") + static_cast<FixedImages&>(list).name + "#" + std::to_string(index) +
                        " at " + std::to_string(x) + "," + std::to_string(y));
    }
    std::vector<std::string> calls;
};

const MenuStyle kStyle{Rgb(246, 246, 246), Rgb(0, 0, 0),     Rgb(0, 0, 0),      Rgb(236, 233, 216),
                       Rgb(49, 106, 197),  Rgb(200, 232, 222), 20, 20};
const MenuRect kItem{0, 40, 150, 62};  // 22 high

MenuItemFields Command(const wchar_t* text, MenuImageList* list, int image) {
    MenuItemFields item;
    item.strText = text;
    item.nID = 32776;
    item.nWidth = 7 * static_cast<int>(item.strText.size()) + 10;
    item.nHeight = 2;
    item.pImageList = list;
    item.nImage = image;
    return item;
}

const std::vector<std::string> kBackground = {"fill 0,40,150,62 246,246,246", "fill 0,40,22,62 236,233,216"};

std::vector<std::string> Draw(const MenuItemFields& item, MenuItemState state) {
    RecordingSurface surface;
    DrawMenuItem(kStyle, kItem, item, state, surface);
    return surface.calls;
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace

TEST(MeasureMenuItem, CommandsReserveIconRoomSeparatorsKeepTheirSize) {
    FixedImages icons(20, 20, "normal"), big(32, 24, "big");
    MenuItemFields exit = Command(L"E&xit", nullptr, -1);
    MenuSize size = MeasureMenuItem(exit);
    EXPECT_EQ(size.cx, 35 + 10 + 20);  // no image list: 20 x 20 of room all the same
    EXPECT_EQ(size.cy, 22);

    exit.pImageList = &icons;
    EXPECT_EQ(MeasureMenuItem(exit).cy, 22);
    exit.pImageList = nullptr;
    exit.pHotImageList = &big;  // the first list the record has decides
    EXPECT_EQ(MeasureMenuItem(exit).cx, 35 + 10 + 32);
    EXPECT_EQ(MeasureMenuItem(exit).cy, 2 + 24);

    MenuItemFields separator;
    separator.nHeight = 10;
    separator.pImageList = &icons;
    EXPECT_EQ(MeasureMenuItem(separator).cx, 0);
    EXPECT_EQ(MeasureMenuItem(separator).cy, 10);
}

TEST(DrawMenuItem, ItemsInEachState) {
    FixedImages icons(20, 20, "normal");
    MenuItemFields help = Command(L"Help", &icons, 0);
    const std::vector<std::string> highlight = {"rectangle 0,40,150,62 pen 49,106,197 brush 200,232,222"};
    auto text = [](const char* colour) {
        return std::vector<std::string>{"transparent", std::string("text colour ") + colour,
                                        "text 'Help' 30,44,150,62 format 68", "opaque"};
    };
    const std::vector<std::string> icon = {"image normal#0 at 1,41"};
    const struct {
        const char* name;
        MenuItemState state;
        std::vector<std::string> calls;
    } cases[] = {
        {"normal", {}, Concat({kBackground, text("0,0,0"), icon})},
        {"highlighted", {true}, Concat({kBackground, highlight, text("0,0,0"), icon})},
        {"grayed", {false, true}, Concat({kBackground, text("128,128,128"), icon})},
        {"grayed and highlighted", {true, true}, Concat({kBackground, text("128,128,128"), icon})},
        {"disabled and highlighted", {true, false, true}, Concat({kBackground, text("0,0,0"), icon})},
    };
    for (const auto& c : cases) EXPECT_EQ(Draw(help, c.state), c.calls) << c.name;
}

TEST(DrawMenuItem, CheckedItemsShowTheCheckBoxInsteadOfTheIcon) {
    FixedImages icons(20, 20, "normal");
    MenuItemFields help = Command(L"Help", &icons, 0);
    const std::vector<std::string> box = {"rectangle 1,41,21,61 pen 49,106,197 brush 200,232,222"};
    // The glyph measures 7 x 13: x = 1 + (20 - 7) / 2 = 7, y = 41 + (20 - 13) / 2 - 4 = 40.
    std::vector<std::string> checked = Draw(help, {false, false, false, true});
    EXPECT_EQ(std::vector<std::string>(checked.end() - 5, checked.end()),
              Concat({box, {"transparent", "text colour 0,0,0", "text '?' 7,40,21,61 format 100", "opaque"}}));
    std::vector<std::string> grayed = Draw(help, {false, true, false, true});
    EXPECT_EQ(std::vector<std::string>(grayed.end() - 4, grayed.end()),
              Concat({box, {"transparent", "embossed '?' 7,40 14x21", "opaque"}}));
}

TEST(DrawMenuItem, IconChoiceAndItemsWithoutIcons) {
    FixedImages normal(20, 20, "normal"), disabled(20, 20, "disabled"), hot(20, 20, "hot");
    MenuItemFields item = Command(L"Update", &normal, 3);
    item.pDisabledImageList = &disabled;
    item.pHotImageList = &hot;
    EXPECT_EQ(Draw(item, {}).back(), "image normal#3 at 1,41");
    EXPECT_EQ(Draw(item, {true}).back(), "image hot#3 at 1,41");
    EXPECT_EQ(Draw(item, {true, true}).back(), "image disabled#3 at 1,41");

    MenuItemFields plain = Command(L"About", &normal, -1);
    EXPECT_EQ(Draw(plain, {}).back(), "opaque");  // no image drawn; the strip stays empty
    MenuItemFields noList = Command(L"About", nullptr, 0);
    EXPECT_EQ(Draw(noList, {}).back(), "opaque");
}

TEST(DrawMenuItem, SeparatorIsALineFourPixelsDown) {
    MenuItemFields separator;
    separator.nHeight = 10;
    RecordingSurface surface;
    DrawMenuItem(kStyle, {0, 40, 150, 50}, separator, {true}, surface);
    EXPECT_EQ(surface.calls, (std::vector<std::string>{"fill 0,40,150,50 246,246,246", "fill 0,40,22,50 236,233,216",
                                                       "transparent", "solid 30,44,150,45 197,194,184", "opaque"}));
}

TEST(DrawMenuItem, TextGoesToTheSystemWithTabsAndPrefixes) {
    MenuItemFields item = Command(L"Save && go\tCtrl+S", nullptr, -1);
    std::vector<std::string> calls = Draw(item, {});
    EXPECT_EQ(calls[4], "text 'Save && go\tCtrl+S' 30,44,150,62 format 68");  // tabs expanded, no DT_NOPREFIX
}

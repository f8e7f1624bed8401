// The owner-drawn menu built from the program's menu resource, on real menus.
#include <gtest/gtest.h>

#include <windows.h>

#include "menu/MenuEx.h"
#include "ui/MainMenu.h"

namespace {

int TextWidthOn(HWND window, const std::wstring& text) {
    HDC dc = GetDC(window);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ReleaseDC(window, dc);
    return size.cx;
}

class MainMenuTest : public testing::Test {
protected:
    void SetUp() override {
        window = CreateWindowExW(0, L"STATIC", L"menu owner", WS_POPUP | WS_CAPTION, 0, 0, 300, 200, nullptr,
                                 LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128)), nullptr, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { DestroyWindow(window); }
    HWND window = nullptr;
};

TEST_F(MainMenuTest, DropDownItemsAreOwnerDrawnWithTheirRecords) {
    CImageList images;
    CMenuEx menu;
    SetUpMainMenu(window, menu, images);
    ASSERT_EQ(GetMenu(window), menu.m_hMenu);
    ASSERT_EQ(GetMenuItemCount(menu.m_hMenu), 2);
    ASSERT_EQ(menu.m_items.size(), 2u);

    const struct {
        const wchar_t* text;
        UINT id;
        int image;
    } expected[2][3] = {{{L"E&xit", 32777, -1}}, {{L"About", 32773, -1}, {L"Update", 32775, -1}, {L"Help", 32776, 0}}};
    const wchar_t* barTexts[] = {L"&File", L"&Help"};
    for (int bar = 0; bar < 2; ++bar) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoW(menu.m_hMenu, static_cast<UINT>(bar), TRUE, &info));
        EXPECT_FALSE(info.fType & MFT_OWNERDRAW);  // the bar's entries are the system's
        MENUITEM* entry = menu.m_items[static_cast<size_t>(bar)];
        EXPECT_EQ(entry->strText, barTexts[bar]);
        EXPECT_TRUE(entry->bPopup);
        EXPECT_EQ(entry->nImage, -1);
        ASSERT_NE(entry->pSubMenu, nullptr);
        EXPECT_EQ(info.hSubMenu, entry->pSubMenu->m_hMenu);
        EXPECT_EQ(CMenuEx::FromHandlePermanent(info.hSubMenu), entry->pSubMenu);

        CMenuEx& drop = *entry->pSubMenu;
        EXPECT_EQ(drop.m_clrBack, RGB(246, 246, 246));
        EXPECT_EQ(drop.m_clrSelectFill, RGB(200, 232, 222));
        EXPECT_EQ(drop.m_nIconWidth, 20);
        EXPECT_EQ(drop.m_nIconHeight, 20);
        int count = bar == 0 ? 1 : 3;
        ASSERT_EQ(GetMenuItemCount(drop.m_hMenu), count);
        for (int i = 0; i < count; ++i) {
            const auto& want = expected[bar][i];
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
            ASSERT_TRUE(GetMenuItemInfoW(drop.m_hMenu, static_cast<UINT>(i), TRUE, &item));
            EXPECT_TRUE(item.fType & MFT_OWNERDRAW);
            EXPECT_EQ(item.wID, want.id);
            auto* record = reinterpret_cast<MENUITEM*>(item.dwItemData);
            ASSERT_EQ(record, drop.m_items[static_cast<size_t>(i)]);
            EXPECT_EQ(record->strText, want.text);
            EXPECT_EQ(record->nID, want.id);
            EXPECT_EQ(record->nImage, want.image);
            EXPECT_EQ(record->nWidth, TextWidthOn(window, want.text) + 10);  // "&" measured as a character
            EXPECT_EQ(record->nHeight, 2);
            EXPECT_EQ(record->pImageList, &images);

            MEASUREITEMSTRUCT measure{ODT_MENU, 0, want.id, 0, 0, reinterpret_cast<ULONG_PTR>(record)};
            CMenuEx::MeasureMenuItem(&measure);
            EXPECT_EQ(measure.itemWidth, static_cast<UINT>(record->nWidth + 20));
            EXPECT_EQ(measure.itemHeight, 22u);
        }
    }

    // Destroying takes the image list's handle along, and twice is harmless.
    HMENU bar = menu.m_hMenu;
    menu.DestroyAll();
    EXPECT_EQ(images.Handle(), nullptr);
    EXPECT_EQ(menu.m_hMenu, nullptr);
    EXPECT_TRUE(menu.m_items.empty());
    EXPECT_EQ(CMenuEx::FromHandlePermanent(bar), nullptr);
    menu.DestroyAll();
    SetMenu(window, nullptr);
}

TEST_F(MainMenuTest, SettersReachEverySubmenuAndIconRules) {
    CMenuEx menu;
    ASSERT_TRUE(menu.LoadMenu(128));
    const UINT table[] = {32773, 32776, 32773};
    menu.SetImageIndexes(table, 3);  // no image list yet: nothing changes
    for (MENUITEM* entry : menu.m_items)
        for (MENUITEM* item : entry->pSubMenu->m_items) EXPECT_EQ(item->nImage, -1);
    menu.SetImageList(nullptr);
    EXPECT_EQ(menu.m_pImageList, nullptr);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 24, ILC_COLOR24 | ILC_MASK, 1, 0));
    HBITMAP bitmap = CreateBitmap(16, 24, 1, 32, nullptr);
    images.Add(bitmap, nullptr);
    DeleteObject(bitmap);
    menu.SetImageList(&images);
    menu.SetImageIndexes(table, 3);
    CMenuEx& help = *menu.m_items[1]->pSubMenu;
    EXPECT_EQ(help.m_nIconWidth, 16);
    EXPECT_EQ(help.m_nIconHeight, 24);
    EXPECT_EQ(help.m_items[0]->nImage, 2);  // About listed twice: the later index wins
    EXPECT_EQ(help.m_items[1]->nImage, -1);
    EXPECT_EQ(help.m_items[2]->nImage, 1);

    menu.SetBackColor(RGB(1, 2, 3));
    menu.SetSelectColor(RGB(4, 5, 6));
    EXPECT_EQ(menu.m_items[0]->pSubMenu->m_clrBack, RGB(1, 2, 3));
    EXPECT_EQ(help.m_clrSelectFill, RGB(4, 5, 6));
}

}  // namespace

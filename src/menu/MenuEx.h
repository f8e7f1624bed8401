// A menu whose drop-down items the program sizes and paints itself: an icon
// strip, its own colours and optional icons from an image list.
//
// Each drop-down item is owner-drawn and carries a MENUITEM record as its item
// data; the entries of a menu bar stay text the system draws. Every CMenuEx is
// registered for its menu handle, so a WM_DRAWITEM finds the object that owns
// the item.
#pragma once

#include <windows.h>

#include <vector>

#include "menu/MenuPainter.h"
#include "win/ImageList.h"

class CMenuEx;

struct MENUITEM : MenuItemFields {
    BOOL bPopup = FALSE;
    CMenuEx* pSubMenu = nullptr;  // owned
    MENUITEM() = default;
    MENUITEM(const MENUITEM&) = delete;
    MENUITEM& operator=(const MENUITEM&) = delete;
    ~MENUITEM();
};

class CMenuEx {
public:
    CMenuEx();
    virtual ~CMenuEx();
    CMenuEx(const CMenuEx&) = delete;
    CMenuEx& operator=(const CMenuEx&) = delete;

    static CMenuEx* FromHandlePermanent(HMENU menu);
    static void MeasureMenuItem(MEASUREITEMSTRUCT* measure);

    BOOL LoadMenu(UINT resourceId);
    BOOL LoadFromHandle(HMENU source);
    BOOL CopyItems(HMENU source);
    BOOL InsertItem(UINT position, UINT flags, UINT_PTR idOrSubMenu, const wchar_t* text);
    virtual void DestroyAll();
    virtual void DrawItem(DRAWITEMSTRUCT* draw);

    void SetBackColor(COLORREF colour);
    void SetSelectColor(COLORREF colour);
    void SetImageList(CImageList* list);
    void SetImageIndexes(const UINT* commands, UINT count);

    HMENU m_hMenu = nullptr;
    BOOL m_bPopup = FALSE;
    int m_nSeparatorHeight = 10;
    COLORREF m_clrBack;
    COLORREF m_clrTextSelected;
    COLORREF m_clrText;
    COLORREF m_clrIconColumn;
    COLORREF m_clrSelectBorder;
    COLORREF m_clrSelectFill;
    int m_nIconWidth = 20;
    int m_nIconHeight = 20;
    CImageList* m_pImageList = nullptr;
    CImageList* m_pDisabledImageList = nullptr;
    CImageList* m_pHotImageList = nullptr;
    std::vector<MENUITEM*> m_items;

private:
    BOOL LoadFrom(HMENU source);
    void Attach(HMENU menu);
    void DestroyMenuHandle();
    MenuStyle Style() const;
};

// The window whose device context measures item texts (the main window).
void SetMenuMeasuringWindow(HWND window);

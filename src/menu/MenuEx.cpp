#include "menu/MenuEx.h"

#include <map>

#include "menu/GdiSurface.h"
#include "win/Dialog.h"
#include "win/Gdi.h"

namespace {

std::map<HMENU, CMenuEx*>& PermanentMenus() {
    static std::map<HMENU, CMenuEx*> menus;
    return menus;
}

HWND g_measuringWindow = nullptr;

int TextWidth(const wchar_t* text) {
    if (!text) return 0;
    WindowDc dc(g_measuringWindow);
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text, static_cast<int>(wcslen(text)), &size);
    return size.cx;
}

}  // namespace

void SetMenuMeasuringWindow(HWND window) { g_measuringWindow = window; }

MENUITEM::~MENUITEM() { delete pSubMenu; }

CMenuEx::CMenuEx()
    : m_clrBack(RGB(140, 190, 235)),
      m_clrTextSelected(GetSysColor(COLOR_MENUTEXT)),
      m_clrText(GetSysColor(COLOR_MENUTEXT)),
      m_clrIconColumn(RGB(236, 233, 216)),
      m_clrSelectBorder(RGB(49, 106, 197)),
      m_clrSelectFill(RGB(200, 220, 253)) {}

CMenuEx::~CMenuEx() { CMenuEx::DestroyAll(); }

CMenuEx* CMenuEx::FromHandlePermanent(HMENU menu) {
    auto it = PermanentMenus().find(menu);
    return it == PermanentMenus().end() ? nullptr : it->second;
}

void CMenuEx::Attach(HMENU menu) {
    m_hMenu = menu;
    PermanentMenus()[menu] = this;
}

void CMenuEx::DestroyMenuHandle() {
    if (!m_hMenu) return;
    PermanentMenus().erase(m_hMenu);
    DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
}

BOOL CMenuEx::LoadMenu(UINT resourceId) {
    HMENU source = ::LoadMenuW(ModuleInstance(), MAKEINTRESOURCEW(resourceId));
    if (!source) return FALSE;  // the resource is part of the program; nothing to build from
    return LoadFrom(source);
}

BOOL CMenuEx::LoadFromHandle(HMENU source) { return LoadFrom(source); }

BOOL CMenuEx::LoadFrom(HMENU source) {
    if (m_hMenu) DestroyAll();
    HMENU menu = m_bPopup ? CreatePopupMenu() : CreateMenu();
    if (!menu) {
        DestroyMenu(source);
        return FALSE;
    }
    Attach(menu);
    BOOL copied = CopyItems(source);
    DestroyMenu(source);
    return copied;
}

BOOL CMenuEx::CopyItems(HMENU source) {
    for (int p = 0; p < GetMenuItemCount(source); ++p) {
        UINT id = GetMenuItemID(source, p);
        UINT state = GetMenuState(source, static_cast<UINT>(p), MF_BYPOSITION);
        wchar_t text[256] = L"";
        GetMenuStringW(source, static_cast<UINT>(p), text, 256, MF_BYPOSITION);
        UINT n = static_cast<UINT>(m_items.size());
        BOOL inserted;
        if (id == 0) {
            inserted = InsertItem(n, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        } else if (id == static_cast<UINT>(-1)) {
            HMENU subMenu = GetSubMenu(source, p);
            // The low byte holds the flags; the high byte of a submenu entry is its item count.
            inserted = InsertItem(n, (state & 0xFF) | MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(subMenu),
                                  text);
        } else {
            inserted = InsertItem(n, state | MF_BYPOSITION, id, text);
        }
        if (!inserted) return FALSE;
    }
    return TRUE;
}

BOOL CMenuEx::InsertItem(UINT position, UINT flags, UINT_PTR idOrSubMenu, const wchar_t* text) {
    int cx = TextWidth(text);
    if (!(flags & MF_BYPOSITION)) return FALSE;  // insertion by command is not supported
    auto* record = new MENUITEM;
    BOOL ok;
    if (flags & MF_SEPARATOR) {
        record->nHeight = m_nSeparatorHeight;
        ok = InsertMenuW(m_hMenu, position, flags, idOrSubMenu, text);
        if (ok && m_bPopup)
            ok = ModifyMenuW(m_hMenu, position, MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, 0,
                             reinterpret_cast<LPCWSTR>(record));
    } else if (flags & MF_POPUP) {
        auto* subMenu = new CMenuEx;
        subMenu->m_bPopup = TRUE;
        subMenu->LoadFromHandle(reinterpret_cast<HMENU>(idOrSubMenu));
        record->strText = text ? text : L"";
        record->nID = static_cast<std::uint32_t>(-1);
        record->nWidth = cx + 25;
        record->nHeight = 2;
        record->pImageList = m_pImageList;
        record->pDisabledImageList = m_pDisabledImageList;
        record->pHotImageList = m_pHotImageList;
        record->bPopup = TRUE;
        record->pSubMenu = subMenu;
        UINT_PTR handle = reinterpret_cast<UINT_PTR>(subMenu->m_hMenu);
        ok = InsertMenuW(m_hMenu, position, flags, handle, text);
        if (ok && m_bPopup)
            ok = ModifyMenuW(m_hMenu, position, MF_BYPOSITION | MF_OWNERDRAW | MF_POPUP, handle,
                             reinterpret_cast<LPCWSTR>(record));
    } else {
        record->strText = text ? text : L"";
        record->nID = static_cast<std::uint32_t>(idOrSubMenu);
        record->nWidth = cx + 10;
        record->nHeight = 2;
        record->pImageList = m_pImageList;
        record->pDisabledImageList = m_pDisabledImageList;
        record->pHotImageList = m_pHotImageList;
        ok = InsertMenuW(m_hMenu, position, flags, idOrSubMenu, text);
        if (ok && m_bPopup)
            ok = ModifyMenuW(m_hMenu, position, MF_BYPOSITION | MF_OWNERDRAW, idOrSubMenu,
                             reinterpret_cast<LPCWSTR>(record));
    }
    if (!ok) {
        delete record;
        return FALSE;
    }
    m_items.insert(m_items.begin() + std::min<size_t>(position, m_items.size()), record);
    return TRUE;
}

void CMenuEx::DestroyAll() {
    for (CImageList* list : {m_pImageList, m_pDisabledImageList, m_pHotImageList})
        if (list) list->DeleteImageList();
    while (!m_items.empty()) {
        MENUITEM* record = m_items.front();
        if (record->bPopup && record->pSubMenu) record->pSubMenu->DestroyAll();
        m_items.erase(m_items.begin());
        delete record;  // and its submenu
    }
    DestroyMenuHandle();
}

void CMenuEx::SetBackColor(COLORREF colour) {
    m_clrBack = colour;
    for (MENUITEM* record : m_items)
        if (record->bPopup) record->pSubMenu->SetBackColor(colour);
}

void CMenuEx::SetSelectColor(COLORREF colour) {
    m_clrSelectFill = colour;
    for (MENUITEM* record : m_items)
        if (record->bPopup) record->pSubMenu->SetSelectColor(colour);
}

void CMenuEx::SetImageList(CImageList* list) {
    if (!list) return;
    m_pImageList = list;
    MenuSize size{};
    if (list->ImageSize(0, size)) {
        m_nIconWidth = size.cx;
        m_nIconHeight = size.cy;
    }
    for (MENUITEM* record : m_items) {
        record->pImageList = list;
        if (record->bPopup) record->pSubMenu->SetImageList(list);
    }
}

void CMenuEx::SetImageIndexes(const UINT* commands, UINT count) {
    if (!m_pImageList && !m_pDisabledImageList && !m_pHotImageList) return;
    for (MENUITEM* record : m_items) {
        if (record->bPopup) {
            record->pSubMenu->SetImageIndexes(commands, count);
            continue;
        }
        for (UINT j = 0; j < count; ++j)
            if (record->nID == commands[j]) record->nImage = static_cast<int>(j);  // the last match wins
    }
}

void CMenuEx::MeasureMenuItem(MEASUREITEMSTRUCT* measure) {
    if (measure->CtlType != ODT_MENU || !measure->itemData) return;
    MenuSize size = ::MeasureMenuItem(*reinterpret_cast<MENUITEM*>(measure->itemData));
    measure->itemWidth = static_cast<UINT>(size.cx);
    measure->itemHeight = static_cast<UINT>(size.cy);
}

MenuStyle CMenuEx::Style() const {
    return {m_clrBack,        m_clrText,       m_clrTextSelected, m_clrIconColumn,
            m_clrSelectBorder, m_clrSelectFill, m_nIconWidth,      m_nIconHeight};
}

void CMenuEx::DrawItem(DRAWITEMSTRUCT* draw) {
    if (draw->CtlType != ODT_MENU || !draw->itemData) return;
    const auto& record = *reinterpret_cast<MENUITEM*>(draw->itemData);
    MenuItemState state;
    state.selected = (draw->itemState & ODS_SELECTED) != 0;
    state.grayed = (draw->itemState & ODS_GRAYED) != 0;
    state.disabled = (draw->itemState & ODS_DISABLED) != 0;
    state.checked = (draw->itemState & ODS_CHECKED) != 0;
    const RECT& rc = draw->rcItem;
    GdiSurface surface(draw->hDC);
    DrawMenuItem(Style(), {rc.left, rc.top, rc.right, rc.bottom}, record, state, surface);
}

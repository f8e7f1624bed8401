#include "menu/MenuPainter.h"

namespace {
constexpr int kNoImageListRoom = 20;
}

MenuSize MeasureMenuItem(const MenuItemFields& item) {
    MenuSize size{item.nWidth, item.nHeight};
    if (item.nID == 0) return size;  // a separator keeps its own size
    MenuImageList* list = item.pImageList      ? item.pImageList
                          : item.pDisabledImageList ? item.pDisabledImageList
                                                    : item.pHotImageList;
    if (!list) {
        // Every item reserves the room of an icon, with one or not.
        size.cx += kNoImageListRoom;
        size.cy += kNoImageListRoom;
        return size;
    }
    MenuSize image{};
    if (list->ImageSize(0, image)) {
        size.cx += image.cx;
        size.cy += image.cy;
    }
    return size;
}

void DrawBackground(const MenuStyle& style, MenuRect rect, DrawSurface& surface) {
    surface.FillRect(rect, style.back);
    rect.right = rect.left + style.iconWidth + 2;
    surface.FillRect(rect, style.iconColumn);
}

void DrawSelection(const MenuStyle& style, const MenuRect& rect, const MenuItemFields& item, MenuItemState state,
                   DrawSurface& surface) {
    if (item.nID == 0 || !state.selected || state.grayed || state.disabled) return;
    surface.Rectangle(rect, style.selectBorder, style.selectFill);
}

void DrawItemText(const MenuStyle& style, const MenuRect& rect, const MenuItemFields& item, MenuItemState state,
                  DrawSurface& surface) {
    surface.SetTransparent(true);
    MenuRect text{rect.left + style.iconWidth + 10, rect.top, rect.right, rect.bottom};
    if (item.nID == 0) {
        text.top = rect.top + (rect.bottom - rect.top) / 2 - 1;
        text.bottom = text.top + 1;
        surface.FillSolidRect(text, kSeparatorLine);
    } else {
        MenuSize extent = surface.MeasureText(item.strText);
        text.top = rect.top + (rect.bottom - rect.top - extent.cy) / 2;
        surface.SetTextColour(state.grayed ? kGrayedText : state.selected ? style.textSelected : style.text);
        surface.DrawText(item.strText, text, kTextExpandTabs | kTextVCenter);
    }
    surface.SetTransparent(false);
}

void DrawItemIcon(const MenuStyle& style, const MenuRect& rect, const MenuItemFields& item, MenuItemState state,
                  DrawSurface& surface) {
    const int x0 = rect.left + 1, y0 = rect.top + 1;
    const int x1 = x0 + style.iconWidth, y1 = y0 + style.iconHeight;
    if (state.checked) {
        surface.Rectangle({x0, y0, x1, y1}, style.selectBorder, style.selectFill);
        MenuSize glyph = surface.MeasureText(kCheckGlyph);
        int x = x0 + (style.iconWidth - glyph.cx) / 2;
        int y = y0 + (style.iconHeight - glyph.cy) / 2 - 4;
        surface.SetTransparent(true);
        if (state.grayed) {
            surface.DrawDisabledText(kCheckGlyph, x, y, x1 - x, y1 - y);
        } else {
            surface.SetTextColour(state.selected ? style.textSelected : style.text);
            surface.DrawText(kCheckGlyph, {x, y, x1, y1}, kTextExpandTabs | kTextSingleLine | kTextVCenter);
        }
        surface.SetTransparent(false);
        return;
    }
    if (item.nImage == -1) return;
    MenuImageList* list = item.pImageList;
    if (state.grayed && item.pDisabledImageList)
        list = item.pDisabledImageList;
    else if (state.selected && item.pHotImageList)
        list = item.pHotImageList;
    if (list) surface.DrawImage(*list, item.nImage, x0, y0);
}

void DrawMenuItem(const MenuStyle& style, const MenuRect& rect, const MenuItemFields& item, MenuItemState state,
                  DrawSurface& surface) {
    DrawBackground(style, rect, surface);
    DrawSelection(style, rect, item, state, surface);
    DrawItemText(style, rect, item, state, surface);
    DrawItemIcon(style, rect, item, state, surface);
}

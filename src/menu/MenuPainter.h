// How an owner-drawn menu item is sized and painted, against a drawing surface
// so the geometry can be checked without a window.
#pragma once

#include <cstdint>
#include <string>

using Colour = std::uint32_t;  // 0x00BBGGRR, as the system's COLORREF
constexpr Colour Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

struct MenuRect {
    int left, top, right, bottom;
};
struct MenuSize {
    int cx, cy;
};

// Icons for menu items: a list of equally sized images.
class MenuImageList {
public:
    virtual ~MenuImageList() = default;
    // Size of image `index`; false when the list cannot tell.
    virtual bool ImageSize(int index, MenuSize& size) const = 0;
};

// What is known of one item: the system hands it back with every measure and draw request.
struct MenuItemFields {
    std::wstring strText;  // as the menu holds it, "&" included; empty for a separator
    std::uint32_t nID = 0;  // 0 for a separator, 0xFFFFFFFF for an entry that opens a submenu
    int nWidth = 0;
    int nHeight = 0;
    MenuImageList* pImageList = nullptr;
    MenuImageList* pDisabledImageList = nullptr;
    MenuImageList* pHotImageList = nullptr;
    int nImage = -1;
};

// Text format flags, with the values of the system's DrawText.
enum : unsigned { kTextVCenter = 0x4, kTextSingleLine = 0x20, kTextExpandTabs = 0x40 };

class DrawSurface {
public:
    virtual ~DrawSurface() = default;
    virtual void FillRect(const MenuRect& rect, Colour brush) = 0;  // with a solid brush
    virtual void Rectangle(const MenuRect& rect, Colour pen, Colour brush) = 0;  // 1-pixel solid pen
    virtual void FillSolidRect(const MenuRect& rect, Colour colour) = 0;
    virtual void SetTransparent(bool transparent) = 0;  // background mode
    virtual void SetTextColour(Colour colour) = 0;
    virtual MenuSize MeasureText(const std::wstring& text) = 0;
    virtual void DrawText(const std::wstring& text, const MenuRect& rect, unsigned format) = 0;
    // The system's embossed look of disabled text.
    virtual void DrawDisabledText(const std::wstring& text, int x, int y, int cx, int cy) = 0;
    virtual void DrawImage(MenuImageList& list, int index, int x, int y) = 0;
};

struct MenuItemState {
    bool selected = false, grayed = false, disabled = false, checked = false;
};

struct MenuStyle {
    Colour back, text, textSelected, iconColumn, selectBorder, selectFill;
    int iconWidth, iconHeight;
};

constexpr Colour kGrayedText = Rgb(128, 128, 128);
constexpr Colour kSeparatorLine = Rgb(197, 194, 184);
constexpr wchar_t kCheckGlyph[] = L"\u221A";

// Width and height the item asks for.
MenuSize MeasureMenuItem(const MenuItemFields& item);

void DrawBackground(const MenuStyle& style, MenuRect rect, DrawSurface& surface);
void DrawSelection(const MenuStyle& style, const MenuRect& rect, const MenuItemFields& item, MenuItemState state,
                   DrawSurface& surface);
void DrawItemText(const MenuStyle& style, const MenuRect& rect, const MenuItemFields& item, MenuItemState state,
                  DrawSurface& surface);
void DrawItemIcon(const MenuStyle& style, const MenuRect& rect, const MenuItemFields& item, MenuItemState state,
                  DrawSurface& surface);
// All four, in that order, each painting over the last.
void DrawMenuItem(const MenuStyle& style, const MenuRect& rect, const MenuItemFields& item, MenuItemState state,
                  DrawSurface& surface);

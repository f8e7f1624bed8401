#include "menu/GdiSurface.h"

#include "win/Gdi.h"
#include "win/ImageList.h"

static_assert(kTextVCenter == DT_VCENTER && kTextSingleLine == DT_SINGLELINE && kTextExpandTabs == DT_EXPANDTABS,
              "format flags are passed to DrawText as they are");

namespace {
RECT ToRect(const MenuRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
}  // namespace

void GdiSurface::FillRect(const MenuRect& rect, Colour colour) {
    Brush brush(CreateSolidBrush(colour));
    RECT rc = ToRect(rect);
    ::FillRect(m_dc, &rc, brush.Get());
}

void GdiSurface::Rectangle(const MenuRect& rect, Colour penColour, Colour brushColour) {
    Pen pen(CreatePen(PS_SOLID, 1, penColour));
    Brush brush(CreateSolidBrush(brushColour));
    Selection selectPen(m_dc, pen.Get());
    Selection selectBrush(m_dc, brush.Get());
    ::Rectangle(m_dc, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiSurface::FillSolidRect(const MenuRect& rect, Colour colour) { ::FillSolidRect(m_dc, ToRect(rect), colour); }

void GdiSurface::SetTransparent(bool transparent) { SetBkMode(m_dc, transparent ? TRANSPARENT : OPAQUE); }

void GdiSurface::SetTextColour(Colour colour) { SetTextColor(m_dc, colour); }

MenuSize GdiSurface::MeasureText(const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void GdiSurface::DrawText(const std::wstring& text, const MenuRect& rect, unsigned format) {
    RECT rc = ToRect(rect);
    ::DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
}

void GdiSurface::DrawDisabledText(const std::wstring& text, int x, int y, int cx, int cy) {
    DrawStateW(m_dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()), 0, x, y, cx, cy,
               DST_PREFIXTEXT | DSS_DISABLED);
}

void GdiSurface::DrawImage(MenuImageList& list, int index, int x, int y) {
    // The program's only image lists are CImageList objects.
    if (auto* images = dynamic_cast<CImageList*>(&list))
        ImageList_Draw(images->Handle(), index, m_dc, x, y, ILD_TRANSPARENT);
}

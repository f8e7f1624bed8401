// Menu painting on a real device context.
#pragma once

#include <windows.h>

#include "menu/MenuPainter.h"

class GdiSurface : public DrawSurface {
public:
    explicit GdiSurface(HDC dc) : m_dc(dc) {}
    void FillRect(const MenuRect& rect, Colour brush) override;
    void Rectangle(const MenuRect& rect, Colour pen, Colour brush) override;
    void FillSolidRect(const MenuRect& rect, Colour colour) override;
    void SetTransparent(bool transparent) override;
    void SetTextColour(Colour colour) override;
    MenuSize MeasureText(const std::wstring& text) override;
    void DrawText(const std::wstring& text, const MenuRect& rect, unsigned format) override;
    void DrawDisabledText(const std::wstring& text, int x, int y, int cx, int cy) override;
    void DrawImage(MenuImageList& list, int index, int x, int y) override;

private:
    HDC m_dc;
};

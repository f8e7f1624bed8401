// Small owners of GDI handles and device contexts, each releasing what it holds.
#pragma once

#include <windows.h>

template <typename Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : m_handle(handle) {}
    ~GdiObject() {
        if (m_handle) DeleteObject(m_handle);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle Get() const { return m_handle; }
    void Reset(Handle handle) {
        if (m_handle) DeleteObject(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : m_hwnd(hwnd) { m_dc = BeginPaint(hwnd, &m_paint); }
    ~PaintDc() { EndPaint(m_hwnd, &m_paint); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

// GetDC/ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~WindowDc() {
        if (m_dc) ReleaseDC(m_hwnd, m_dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// Selects an object into a DC and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(m_dc, m_previous); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// The solid fill of a rectangle that keeps no brush around.
inline void FillSolidRect(HDC dc, const RECT& rc, COLORREF colour) {
    COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

// A dialog's static text control turned into a web link: underlined, coloured
// by state, a hand cursor, the address in a tooltip, opened on a click.
#pragma once

#include <windows.h>

#include <string>

#include "win/Gdi.h"
#include "win/Subclass.h"

class CHyperLink : public SubclassedControl {
public:
    // A parent dialog deriving from this takes over clicks: a non-zero result
    // means the click was handled and the link is not opened.
    class CallBack {
    public:
        virtual ~CallBack() = default;
        virtual BOOL OnLinkClick(int controlId) = 0;
    };

    CHyperLink();
    ~CHyperLink() override;

    // Binds the link to a static control of a dialog.
    void SubclassDlgItem(HWND dialog, int id);

    // What the parent forwards: its WM_CTLCOLORSTATIC for this control (returns
    // the brush to use) and the control's STN_CLICKED notification.
    HBRUSH CtlColor(HDC dc);
    void OnStnClicked();

    COLORREF TextColour() const;
    const std::wstring& Target() const { return m_strTarget; }
    bool IsHovering() const { return m_bHover; }
    bool IsFollowed() const { return m_bFollowed; }
    HCURSOR Cursor() const { return m_hHandCursor; }

    COLORREF m_clrNormal;
    COLORREF m_clrVisited;
    COLORREF m_clrHover;

protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void PreSubclassWindow();
    void FitToText();
    void LoadHandCursor();
    void OnMouseMove(POINT point);
    void RelayToTooltip(UINT msg, WPARAM wp, LPARAM lp);
    void Redraw();

    bool m_bHover = false;
    bool m_bFollowed = false;
    std::wstring m_strTarget;
    Font m_fontUnderlined;
    HCURSOR m_hHandCursor = nullptr;
    bool m_bOwnCursor = false;
    HWND m_tipCtrl = nullptr;
    bool m_bInHook = false;
};

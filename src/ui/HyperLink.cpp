#include "ui/HyperLink.h"

#include <commctrl.h>
#include <shellapi.h>

#include "ui/LinkGeometry.h"
#include "win/Dialog.h"

CHyperLink::CHyperLink()
    : m_clrNormal(RGB(0, 0, 238)), m_clrVisited(RGB(85, 26, 139)), m_clrHover(GetSysColor(COLOR_HIGHLIGHT)) {}

CHyperLink::~CHyperLink() {
    if (m_tipCtrl && IsWindow(m_tipCtrl)) DestroyWindow(m_tipCtrl);
    if (m_bOwnCursor) DestroyCursor(m_hHandCursor);
    Detach();
}

void CHyperLink::SubclassDlgItem(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control || !Attach(control)) return;
    PreSubclassWindow();
}

void CHyperLink::PreSubclassWindow() {
    WindowRef window = Window();
    SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) | SS_NOTIFY);

    if (m_strTarget.empty()) m_strTarget = window.Text();
    if (window.Text().empty()) window.SetText(m_strTarget);

    LOGFONTW logFont{};
    auto current = reinterpret_cast<HFONT>(window.Send(WM_GETFONT));
    GetObjectW(current ? current : GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    logFont.lfUnderline = TRUE;
    m_fontUnderlined.Reset(CreateFontIndirectW(&logFont));
    window.Send(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontUnderlined.Get()), TRUE);

    FitToText();
    LoadHandCursor();

    m_tipCtrl = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, Handle(), nullptr, ModuleInstance(), nullptr);
    if (m_tipCtrl) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = Handle();
        tool.uId = 1;
        tool.rect = window.ClientRect();
        tool.lpszText = const_cast<wchar_t*>(m_strTarget.c_str());
        SendMessageW(m_tipCtrl, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CHyperLink::FitToText() {
    if (!Handle()) return;
    HWND parent = GetParent(Handle());
    RECT rc;
    GetWindowRect(Handle(), &rc);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);

    std::wstring text = Window().Text();
    SIZE extent{};
    {
        WindowDc dc(Handle());
        Selection font(dc.Get(), m_fontUnderlined.Get());
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    // SS_CENTER and SS_RIGHT are values of the type field, not independent bits.
    LONG_PTR type = style & SS_TYPEMASK;
    LinkAlign align = type == SS_CENTER ? LinkAlign::Center : type == SS_RIGHT ? LinkAlign::Right : LinkAlign::Left;
    LinkRect fitted = FitLinkRect({rc.left, rc.top, rc.right, rc.bottom}, align, (style & SS_CENTERIMAGE) != 0,
                                  extent.cx, extent.cy);
    SetWindowPos(Handle(), nullptr, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
                 SWP_NOZORDER);
}

void CHyperLink::LoadHandCursor() {
    if (m_hHandCursor) return;
    wchar_t path[MAX_PATH] = L"";
    GetWindowsDirectoryW(path, MAX_PATH);
    std::wstring helpViewer = std::wstring(path) + L"\\winhlp32.exe";
    if (HMODULE module = LoadLibraryExW(helpViewer.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        if (HCURSOR cursor = LoadCursorW(module, MAKEINTRESOURCEW(106))) {
            m_hHandCursor = CopyCursor(cursor);
            m_bOwnCursor = m_hHandCursor != nullptr;
        }
        FreeLibrary(module);
    }
    // Current systems no longer carry that file: the system's own hand will do.
    if (!m_hHandCursor) m_hHandCursor = LoadCursorW(nullptr, IDC_HAND);
}

COLORREF CHyperLink::TextColour() const {
    return m_bHover ? m_clrHover : m_bFollowed ? m_clrVisited : m_clrNormal;
}

HBRUSH CHyperLink::CtlColor(HDC dc) {
    SetTextColor(dc, TextColour());
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void CHyperLink::Redraw() { RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

void CHyperLink::OnMouseMove(POINT point) {
    if (!m_bHover) {
        m_bHover = true;
        Redraw();
        SetCapture(Handle());
        return;
    }
    RECT client = Window().ClientRect();
    if (PtInRect(&client, point)) return;
    m_bHover = false;
    ReleaseCapture();
    Redraw();
}

void CHyperLink::OnStnClicked() {
    HWND parent = GetParent(Handle());
    auto* owner = parent ? reinterpret_cast<DialogBase*>(GetWindowLongPtrW(parent, DWLP_USER)) : nullptr;
    if (auto* hook = dynamic_cast<CallBack*>(owner)) {
        if (m_bInHook) return;
        m_bInHook = true;
        BOOL handled = hook->OnLinkClick(Window().Id());
        m_bInHook = false;
        if (handled) return;
    }
    ShellExecuteW(nullptr, L"open", m_strTarget.c_str(), nullptr, nullptr, SW_SHOW);
    m_bFollowed = true;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void CHyperLink::RelayToTooltip(UINT msg, WPARAM wp, LPARAM lp) {
    if (!m_tipCtrl) return;
    MSG relayed{Handle(), msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&relayed.pt);
    SendMessageW(m_tipCtrl, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

bool CHyperLink::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) RelayToTooltip(msg, wp, lp);
    switch (msg) {
        case WM_SETCURSOR:
            if (!m_hHandCursor) {
                result = FALSE;
                return true;
            }
            SetCursor(m_hHandCursor);
            result = TRUE;
            return true;
        case WM_MOUSEMOVE:
            result = Default(msg, wp, lp);
            OnMouseMove(POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
            return true;
        default: return false;
    }
}

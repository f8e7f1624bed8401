// A thin, non-owning handle to a window, with the few calls the program makes.
#pragma once

#include <windows.h>

#include <string>

class WindowRef {
public:
    WindowRef() = default;
    explicit WindowRef(HWND hwnd) : m_hwnd(hwnd) {}

    HWND Handle() const { return m_hwnd; }
    explicit operator bool() const { return m_hwnd != nullptr; }

    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(m_hwnd, msg, wp, lp); }
    bool Post(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return PostMessageW(m_hwnd, msg, wp, lp) != FALSE; }

    WindowRef Item(int id) const { return WindowRef(GetDlgItem(m_hwnd, id)); }
    int Id() const { return GetDlgCtrlID(m_hwnd); }

    std::wstring Text() const {
        int length = GetWindowTextLengthW(m_hwnd);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        int copied = GetWindowTextW(m_hwnd, &text[0], length + 1);
        text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        return text;
    }
    void SetText(const std::wstring& text) const { SetWindowTextW(m_hwnd, text.c_str()); }
    void Enable(bool enable) const { EnableWindow(m_hwnd, enable ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }
    void Show(int how) const { ShowWindow(m_hwnd, how); }
    bool IsIconic() const { return ::IsIconic(m_hwnd) != FALSE; }

    RECT ClientRect() const {
        RECT rc{};
        GetClientRect(m_hwnd, &rc);
        return rc;
    }

private:
    HWND m_hwnd = nullptr;
};

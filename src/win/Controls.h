// Typed views of dialog controls. Like WindowRef they own nothing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "win/Window.h"

class ButtonControl : public WindowRef {
public:
    using WindowRef::WindowRef;
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int state) const { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

class EditControl : public WindowRef {
public:
    using WindowRef::WindowRef;
};

class StaticControl : public WindowRef {
public:
    using WindowRef::WindowRef;
};

class ComboBoxControl : public WindowRef {
public:
    using WindowRef::WindowRef;
    int AddString(const std::wstring& text) const {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int InsertString(int index, const std::wstring& text) const {
        return static_cast<int>(
            Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
    }
    void SetItemData(int index, std::uintptr_t data) const {
        Send(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
    }
    std::uintptr_t GetItemData(int index) const {
        return static_cast<std::uintptr_t>(Send(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    std::wstring GetItemText(int index) const {
        LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
        if (length == CB_ERR) return std::wstring();
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
        return text;
    }
};

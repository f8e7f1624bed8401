// The press logic's view of a real dialog: every call goes to the control with
// that id through its window messages.
#pragma once

#include "press/DialogControls.h"
#include "win/Controls.h"

class Win32DialogControls : public DialogControls {
public:
    explicit Win32DialogControls(HWND dialog = nullptr) : m_dialog(dialog) {}
    void Attach(HWND dialog) { m_dialog = WindowRef(dialog); }

    std::wstring GetText(int id) override { return m_dialog.Item(id).Text(); }
    void SetText(int id, const std::wstring& text) override { m_dialog.Item(id).SetText(text); }
    void Enable(int id, bool enable) override { m_dialog.Item(id).Enable(enable); }
    int GetCheck(int id) override { return Button(id).GetCheck(); }
    void SetCheck(int id, int state) override { Button(id).SetCheck(state); }
    int ComboAddString(int id, const std::wstring& text) override { return Combo(id).AddString(text); }
    int ComboInsertString(int id, int index, const std::wstring& text) override {
        return Combo(id).InsertString(index, text);
    }
    void ComboSetItemData(int id, int index, std::uintptr_t data) override { Combo(id).SetItemData(index, data); }
    std::uintptr_t ComboGetItemData(int id, int index) override { return Combo(id).GetItemData(index); }
    int ComboGetCount(int id) override { return Combo(id).GetCount(); }
    int ComboGetCurSel(int id) override { return Combo(id).GetCurSel(); }
    void ComboSetCurSel(int id, int index) override { Combo(id).SetCurSel(index); }
    std::wstring ComboGetItemText(int id, int index) override { return Combo(id).GetItemText(index); }

private:
    ButtonControl Button(int id) const { return ButtonControl(m_dialog.Item(id).Handle()); }
    ComboBoxControl Combo(int id) const { return ComboBoxControl(m_dialog.Item(id).Handle()); }
    WindowRef m_dialog;
};

// The window operations the press logic needs, addressed by control id, so the
// logic can run against the real dialog or against a test double.
#pragma once

#include <cstdint>
#include <string>

enum CheckState { kUnchecked = 0, kChecked = 1 };

class DialogControls {
public:
    virtual ~DialogControls() = default;

    virtual std::wstring GetText(int id) = 0;
    virtual void SetText(int id, const std::wstring& text) = 0;
    virtual void Enable(int id, bool enable) = 0;
    virtual int GetCheck(int id) = 0;
    virtual void SetCheck(int id, int state) = 0;

    // Combo boxes (drop-down lists).
    virtual int ComboAddString(int id, const std::wstring& text) = 0;
    virtual int ComboInsertString(int id, int index, const std::wstring& text) = 0;
    virtual void ComboSetItemData(int id, int index, std::uintptr_t data) = 0;
    virtual std::uintptr_t ComboGetItemData(int id, int index) = 0;
    virtual int ComboGetCount(int id) = 0;
    virtual int ComboGetCurSel(int id) = 0;  // -1 when nothing is selected
    virtual void ComboSetCurSel(int id, int index) = 0;
    virtual std::wstring ComboGetItemText(int id, int index) = 0;
};

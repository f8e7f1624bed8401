// An in-memory dialog: enough of edits, buttons and drop-down lists to run the
// press logic, with a log of state changes for tests that check their order.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "press/DialogControls.h"
#include "press/PressOptions.h"
#include "res/resource.h"

class FakeControls : public DialogControls {
public:
    struct Control {
        std::wstring text;
        bool enabled = true;
        int check = 0;
        std::vector<std::pair<std::wstring, std::uintptr_t>> items;
        int selection = -1;
    };

    explicit FakeControls(std::vector<std::string>* log = nullptr) : m_log(log) {}

    Control& operator[](int id) { return m_controls[id]; }

    std::wstring GetText(int id) override {
        Control& c = m_controls[id];
        if (!c.items.empty() || c.selection != -1)  // a drop-down list shows its selection
            return c.selection >= 0 ? c.items[static_cast<size_t>(c.selection)].first : L"";
        return c.text;
    }
    void SetText(int id, const std::wstring& text) override { m_controls[id].text = text; }
    void Enable(int id, bool enable) override {
        m_controls[id].enabled = enable;
        Log((enable ? "enable " : "disable ") + std::to_string(id));
    }
    int GetCheck(int id) override { return m_controls[id].check; }
    void SetCheck(int id, int state) override { m_controls[id].check = state; }
    int ComboAddString(int id, const std::wstring& text) override {
        auto& items = m_controls[id].items;
        items.emplace_back(text, 0);
        return static_cast<int>(items.size()) - 1;
    }
    int ComboInsertString(int id, int index, const std::wstring& text) override {
        auto& items = m_controls[id].items;
        items.insert(items.begin() + index, {text, 0});
        return index;
    }
    void ComboSetItemData(int id, int index, std::uintptr_t data) override {
        m_controls[id].items.at(static_cast<size_t>(index)).second = data;
    }
    std::uintptr_t ComboGetItemData(int id, int index) override {
        auto& items = m_controls[id].items;
        if (index < 0 || static_cast<size_t>(index) >= items.size()) return static_cast<std::uintptr_t>(-1);
        return items[static_cast<size_t>(index)].second;
    }
    int ComboGetCount(int id) override { return static_cast<int>(m_controls[id].items.size()); }
    int ComboGetCurSel(int id) override { return m_controls[id].selection; }
    void ComboSetCurSel(int id, int index) override {
        Control& c = m_controls[id];
        c.selection = index >= 0 && static_cast<size_t>(index) < c.items.size() ? index : -1;
    }
    std::wstring ComboGetItemText(int id, int index) override {
        return m_controls[id].items.at(static_cast<size_t>(index)).first;
    }

private:
    void Log(const std::string& entry) {
        if (m_log) m_log->push_back(entry);
    }
    std::map<int, Control> m_controls;
    std::vector<std::string>* m_log;
};

// The main window's controls as they stand when its settings are loaded: both
// lists filled, "ms" selected, no key selected, Hold set.
struct FakeMainWindow {
    FakeMainWindow() {
        FillUnitList(controls, IDC_COMBO_UNIT);
        FillKeyList(controls, IDC_COMBO_KEY);
        controls.SetCheck(IDC_RADIO_HOLD, kChecked);
    }
    FakeControls controls;
};

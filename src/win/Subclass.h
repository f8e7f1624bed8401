// Takes over the messages of an existing control window (a dialog's static, say)
// and hands them to an object first; what it does not handle goes on to the
// control's own window procedure.
#pragma once

#include <windows.h>

#include "win/Window.h"

class SubclassedControl {
public:
    SubclassedControl() = default;
    virtual ~SubclassedControl() { Detach(); }
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    bool Attach(HWND control);
    void Detach();
    HWND Handle() const { return m_window.Handle(); }
    WindowRef Window() const { return m_window; }

protected:
    // Return true when handled; `result` is then the message's result.
    virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) = 0;
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
    WindowRef m_window;
};

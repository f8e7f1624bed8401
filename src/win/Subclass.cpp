#include "win/Subclass.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 0x4B56;
}

bool SubclassedControl::Attach(HWND control) {
    Detach();
    if (!SetWindowSubclass(control, &SubclassedControl::Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_window = WindowRef(control);
    return true;
}

void SubclassedControl::Detach() {
    if (m_window) RemoveWindowSubclass(m_window.Handle(), &SubclassedControl::Proc, kSubclassId);
    m_window = WindowRef();
}

LRESULT SubclassedControl::Default(UINT msg, WPARAM wp, LPARAM lp) {
    return DefSubclassProc(m_window.Handle(), msg, wp, lp);
}

LRESULT CALLBACK SubclassedControl::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<SubclassedControl*>(data);
    if (msg == WM_NCDESTROY) {
        LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
        self->Detach();
        return result;
    }
    try {
        LRESULT result = 0;
        if (self->OnMessage(msg, wp, lp, result)) return result;
    } catch (...) {
        // Nothing unwinds through the system's window procedures.
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

#include "win/Dialog.h"

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

INT_PTR DialogBase::DoModal(HWND parent) {
    return DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(m_templateId), parent, &DialogBase::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void DialogBase::OnCommand(int id, int, HWND) {
    if (id == IDOK) OnOK();
    if (id == IDCANCEL) OnCancel();
}

bool DialogBase::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK DialogBase::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DialogBase* self;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<DialogBase*>(lp);
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        self->m_window = WindowRef(hwnd);
    } else {
        self = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    // Nothing may unwind through the system's dialog manager.
    try {
        return self->Dispatch(msg, wp, lp);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR DialogBase::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
            return TRUE;
        default: {
            INT_PTR result = TRUE;  // handled, unless a handler says what else to return
            return OnMessage(msg, wp, lp, result) ? result : FALSE;
        }
    }
}

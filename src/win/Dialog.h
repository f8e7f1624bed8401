// Base of every dialog: runs a dialog template modally and hands its messages
// to the object. The object travels in the lParam of DialogBoxParamW and is
// kept in the window's DWLP_USER slot from WM_INITDIALOG on.
#pragma once

#include <windows.h>

#include "win/Window.h"

class DialogBase {
public:
    explicit DialogBase(int templateId) : m_templateId(templateId) {}
    virtual ~DialogBase() = default;
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    INT_PTR DoModal(HWND parent = nullptr);
    WindowRef Window() const { return m_window; }
    HWND Handle() const { return m_window.Handle(); }
    void EndDialog(INT_PTR result) { ::EndDialog(m_window.Handle(), result); }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnCommand(int id, int code, HWND control);
    // Any other message. Return true when handled; `result` (TRUE unless the
    // handler sets it) is then the dialog procedure's return value. Return false
    // for the system's default handling.
    virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result);

    // The default command handling: IDOK and IDCANCEL end the dialog.
    void OnOK() { EndDialog(IDOK); }
    void OnCancel() { EndDialog(IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    int m_templateId;
    WindowRef m_window;
};

HINSTANCE ModuleInstance();

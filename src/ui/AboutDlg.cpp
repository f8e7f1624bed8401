#include "ui/AboutDlg.h"

#include "app/Version.h"
#include "net/SiteAddresses.h"
#include "res/resource.h"
#include "ui/DialogBackground.h"

CAboutDlg::CAboutDlg() : DialogBase(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange() {
    // The link opens what it shows: the home page of the site this build names.
    Window().Item(IDC_LINK_HOME).SetText(HomePageAddress());
    m_linkHome.SubclassDlgItem(Handle(), IDC_LINK_HOME);
    m_staticVersion = StaticControl(Window().Item(IDC_STATIC_VERSION).Handle());
}

BOOL CAboutDlg::OnInitDialog() {
    DoDataExchange();
    m_staticVersion.SetText(L"Keyvane, Version " + GetVersionText(false));
    return TRUE;
}

void CAboutDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_LINK_HOME && code == STN_CLICKED) {
        m_linkHome.OnStnClicked();
        return;
    }
    DialogBase::OnCommand(id, code, control);
}

bool CAboutDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    // The link picks its text colour first; the dialog's background rule then
    // gives it the dialog's brush in place of the link's hollow one.
    if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lp) == m_linkHome.Handle())
        m_linkHome.CtlColor(reinterpret_cast<HDC>(wp));
    return HandleDialogBackground(Handle(), msg, wp, lp, result);
}

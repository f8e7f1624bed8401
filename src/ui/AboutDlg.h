// The About box: icon, name and version, copyright, and a link to the home page.
#pragma once

#include "ui/HyperLink.h"
#include "win/Controls.h"
#include "win/Dialog.h"

class CAboutDlg : public DialogBase {
public:
    CAboutDlg();

    CHyperLink& Link() { return m_linkHome; }

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

private:
    void DoDataExchange();

    StaticControl m_staticVersion;
    CHyperLink m_linkHome;
};

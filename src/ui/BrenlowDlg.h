// The main window: the key list, modifiers, press mode and delay, Start and Stop.
#pragma once

#include <windows.h>

#include "menu/MenuEx.h"
#include "press/PressEngine.h"
#include "press/Win32Press.h"
#include "win/Controls.h"
#include "win/Dialog.h"
#include "win/DialogControls32.h"
#include "win/ImageList.h"

class CBrenlowDlg : public DialogBase {
public:
    CBrenlowDlg();

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

private:
    void DoDataExchange();
    void AddAboutToSystemMenu();
    void RegisterHotKeys();
    void SaveSettingsNow();
    bool OnSysCommand(UINT id);
    bool OnPaint();
    void OnClose();
    void OnDrawItem(DRAWITEMSTRUCT* draw);
    void OnModeChanged();
    void OnMenuAbout();
    void OnMenuUpdate();
    void OnMenuHelp();
    void OnMenuExit();

    HICON m_hIcon;
    CImageList m_imageList;  // before m_menu: the menu goes first and takes the list's handle with it
    CMenuEx m_menu;
    Win32DialogControls m_controls;
    PerformanceClock m_clock;
    Win32PressPlatform m_platform;
    PressEngine m_engine;

    EditControl m_editDelay;
    ComboBoxControl m_comboKey;
    ButtonControl m_btnStart;
    ButtonControl m_btnStop;
    ButtonControl m_radioHold;
    ButtonControl m_radioDelay;
    ButtonControl m_checkAlt;
    ButtonControl m_checkCtrl;
    ButtonControl m_checkShift;
    ComboBoxControl m_comboUnit;
};

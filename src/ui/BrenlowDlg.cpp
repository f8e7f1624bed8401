#include "ui/BrenlowDlg.h"

#include "app/AppPaths.h"
#include "app/BrenlowApp.h"
#include "press/PressOptions.h"
#include "press/Settings.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/DialogBackground.h"
#include "ui/MainMenu.h"
#include "ui/UpdateDlg.h"
#include "win/Gdi.h"
#include "win/MessageBox.h"

CBrenlowDlg::CBrenlowDlg()
    : DialogBase(IDD_KEYVANE_DIALOG),
      m_hIcon(LoadIconW(ModuleInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_platform(nullptr, [this] { SaveSettingsNow(); }),
      m_engine(m_controls, m_platform, m_clock) {}

void CBrenlowDlg::DoDataExchange() {
    WindowRef dialog = Window();
    m_controls.Attach(dialog.Handle());
    m_platform.SetWindow(dialog.Handle());
    m_editDelay = EditControl(dialog.Item(IDC_EDIT_DELAY).Handle());
    m_comboKey = ComboBoxControl(dialog.Item(IDC_COMBO_KEY).Handle());
    m_btnStart = ButtonControl(dialog.Item(IDC_START).Handle());
    m_btnStop = ButtonControl(dialog.Item(IDC_STOP).Handle());
    m_radioHold = ButtonControl(dialog.Item(IDC_RADIO_HOLD).Handle());
    m_radioDelay = ButtonControl(dialog.Item(IDC_RADIO_DELAY).Handle());
    m_checkAlt = ButtonControl(dialog.Item(IDC_CHECK_ALT).Handle());
    m_checkCtrl = ButtonControl(dialog.Item(IDC_CHECK_CTRL).Handle());
    m_checkShift = ButtonControl(dialog.Item(IDC_CHECK_SHIFT).Handle());
    m_comboUnit = ComboBoxControl(dialog.Item(IDC_COMBO_UNIT).Handle());
}

BOOL CBrenlowDlg::OnInitDialog() {
    DoDataExchange();
    AddAboutToSystemMenu();
    Window().Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    Window().Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetUpMainMenu(Handle(), m_menu, m_imageList);
    FillUnitList(m_controls, IDC_COMBO_UNIT);
    FillKeyList(m_controls, IDC_COMBO_KEY);
    m_btnStop.Enable(false);
    m_radioHold.SetCheck(BST_CHECKED);
    PrivateProfileStore profile(ConfigPath());
    LoadSettings(m_controls, profile);
    UpdateDelayControls(m_controls);
    m_engine.ReleaseModifiers();
    RegisterHotKeys();
    return TRUE;
}

void CBrenlowDlg::AddAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    if (!systemMenu) return;
    const wchar_t* text = nullptr;
    int length = LoadStringW(ModuleInstance(), IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0) return;
    std::wstring about(text, static_cast<size_t>(length));
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
}

void CBrenlowDlg::RegisterHotKeys() {
    if (!RegisterHotKey(Handle(), IDH_HOTKEY_START, MOD_CONTROL, VK_F1))
        AppMessageBox(L"Hotkey 'Ctrl + F1' conflict!");
    if (!RegisterHotKey(Handle(), IDH_HOTKEY_STOP, MOD_CONTROL, VK_F2))
        AppMessageBox(L"Hotkey 'Ctrl + F2' conflict!");
}

void CBrenlowDlg::SaveSettingsNow() {
    PrivateProfileStore profile(ConfigPath());
    SaveSettings(m_controls, profile);
}

void CBrenlowDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;  // also the code of menu commands
    switch (id) {
        case IDC_START: m_engine.OnStart(); break;
        case IDC_STOP: m_engine.OnStop(); break;
        case IDC_RADIO_HOLD:
        case IDC_RADIO_DELAY: OnModeChanged(); break;
        case ID_MENU_ABOUT: OnMenuAbout(); break;
        case ID_MENU_UPDATE: OnMenuUpdate(); break;
        case ID_MENU_HELP: OnMenuHelp(); break;
        case ID_MENU_EXIT: OnMenuExit(); break;
        default: break;  // IDOK and IDCANCEL: Enter and Escape never close the window
    }
}

bool CBrenlowDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    switch (msg) {
        case WM_SYSCOMMAND: return OnSysCommand(static_cast<UINT>(wp));
        case WM_PAINT: return OnPaint();
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<INT_PTR>(m_hIcon);
            return true;
        case WM_CLOSE:
            OnClose();
            return true;
        case WM_MEASUREITEM:
            CMenuEx::MeasureMenuItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
            result = TRUE;
            return true;
        case WM_DRAWITEM:
            OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lp));
            result = TRUE;
            return true;
        case WM_HOTKEY:
            m_engine.OnHotKey(static_cast<int>(wp));
            return false;  // and the default processing
        default: return HandleDialogBackground(Handle(), msg, wp, lp, result);
    }
}

bool CBrenlowDlg::OnSysCommand(UINT id) {
    if ((id & 0xFFF0) != IDM_ABOUTBOX) return false;
    OnMenuAbout();
    return true;
}

bool CBrenlowDlg::OnPaint() {
    if (!Window().IsIconic()) return false;
    PaintDc dc(Handle());
    Window().Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()));
    RECT rc = Window().ClientRect();
    int x = (rc.right - rc.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (rc.bottom - rc.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.Get(), x, y, m_hIcon);
    return true;
}

void CBrenlowDlg::OnClose() {
    m_engine.m_stop = 1;
    UnregisterHotKey(Handle(), IDH_HOTKEY_START);
    UnregisterHotKey(Handle(), IDH_HOTKEY_STOP);
    EndDialog(IDCANCEL);
}

// A drop-down item is drawn by the menu object that owns it.
void CBrenlowDlg::OnDrawItem(DRAWITEMSTRUCT* draw) {
    if (draw->CtlType != ODT_MENU) return;
    if (CMenuEx* menu = CMenuEx::FromHandlePermanent(reinterpret_cast<HMENU>(draw->hwndItem))) menu->DrawItem(draw);
}

void CBrenlowDlg::OnModeChanged() { UpdateDelayControls(m_controls); }

void CBrenlowDlg::OnMenuAbout() {
    CAboutDlg dialog;
    dialog.DoModal(Handle());
}

void CBrenlowDlg::OnMenuUpdate() {
    CUpdateDlg dialog;
    dialog.DoModal(Handle());
}

void CBrenlowDlg::OnMenuHelp() { TheApp().OnCmdMsg(ID_HELP); }

void CBrenlowDlg::OnMenuExit() { Window().Send(WM_CLOSE); }

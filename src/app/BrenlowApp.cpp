#include "app/BrenlowApp.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include "app/AppPaths.h"
#include "net/SiteAddresses.h"
#include "res/resource.h"
#include "ui/BrenlowDlg.h"

const wchar_t kInstanceMutexName[] = L"Quorvel_Keyvane_EIOJGO89E";
const wchar_t kMainWindowClass[] = L"QuorvelKeyvane_KOEOPWD";

CBrenlowApp& TheApp() {
    static CBrenlowApp app;
    return app;
}

namespace {

std::wstring RoamingAppData() {
    wchar_t folder[MAX_PATH] = L"";
    SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, FALSE);
    return folder;
}

bool RegisterMainWindowClass() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    if (!GetClassInfoW(instance, L"#32770", &wc)) return false;
    wc.hInstance = instance;
    wc.lpszClassName = kMainWindowClass;
    RegisterClassW(&wc);  // a class left from an earlier registration is fine
    return true;
}

}  // namespace

BOOL CBrenlowApp::InitInstance() {
    SetLastError(0);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        if (HWND running = FindWindowW(kMainWindowClass, nullptr)) SetForegroundWindow(running);
        return FALSE;
    }
    m_instanceMutex = mutex;

    std::wstring settingsFolder = SettingsFolderFor(RoamingAppData());
    CreateDirectoryTree(settingsFolder);
    SetConfigPath(settingsFolder + L"\\conf.ini");

    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    if (!RegisterMainWindowClass()) return FALSE;

    CBrenlowDlg dialog;
    dialog.DoModal();
    return FALSE;
}

bool CBrenlowApp::OnCmdMsg(UINT id) {
    switch (id) {
        case ID_HELP:
            OpenHelpPage();
            return true;
        default:
            return false;
    }
}

void CBrenlowApp::OpenHelpPage() {
    ShellExecuteW(nullptr, L"open", HelpPageAddress().c_str(), nullptr, nullptr, SW_SHOW);
}

#include "SiteState.h"

#include "TempFolder.h"

std::wstring WinePathFromEnvironment(const wchar_t* name) {
    wchar_t value[1024] = L"";
    DWORD length = GetEnvironmentVariableW(name, value, 1024);
    if (length == 0 || length >= 1024) return std::wstring();
    std::wstring path = L"Z:" + std::wstring(value, length);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

namespace {
std::wstring StateFile(const wchar_t* name) { return WinePathFromEnvironment(L"KEYVANE_SITE_STATE") + L"\\" + name; }
}  // namespace

bool SiteAvailable() { return !WinePathFromEnvironment(L"KEYVANE_SITE_STATE").empty(); }
void SetSiteMode(const std::string& json) { WriteFileBytes(StateFile(L"control.json"), json); }
std::string SiteRequests() { return ReadFileBytes(StateFile(L"requests.log")); }
void ClearSiteRequests() { WriteFileBytes(StateFile(L"requests.log"), ""); }
std::string BrowserLog() { return ReadFileBytes(StateFile(L"browser.log")); }
void ClearBrowserLog() { WriteFileBytes(StateFile(L"browser.log"), ""); }

namespace {
const wchar_t kWineBrowserKey[] = L"Software\\Wine\\WineBrowser";
}

BrowserRedirect::BrowserRedirect() {
    wchar_t recorder[1024] = L"";
    if (!GetEnvironmentVariableW(L"KEYVANE_BROWSER_RECORDER", recorder, 1024)) return;
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kWineBrowserKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    wchar_t previous[1024] = L"";
    DWORD size = sizeof previous;
    m_hadValue = RegQueryValueExW(key, L"Browsers", nullptr, nullptr, reinterpret_cast<BYTE*>(previous), &size) ==
                 ERROR_SUCCESS;
    m_previous = previous;
    std::wstring value = recorder;
    RegSetValueExW(key, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

BrowserRedirect::~BrowserRedirect() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kWineBrowserKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    if (m_hadValue)
        RegSetValueExW(key, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(m_previous.c_str()),
                       static_cast<DWORD>((m_previous.size() + 1) * sizeof(wchar_t)));
    else
        RegDeleteValueW(key, L"Browsers");
    RegCloseKey(key);
}


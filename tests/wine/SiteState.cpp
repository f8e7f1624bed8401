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

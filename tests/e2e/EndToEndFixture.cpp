#include "EndToEndFixture.h"

KeyRecorder* EndToEnd::recorder = nullptr;
std::unique_ptr<BrowserRedirect> EndToEnd::browser;

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

void EndToEnd::SetUpTestSuite() {
    recorder = new KeyRecorder;
    browser = std::make_unique<BrowserRedirect>();
}

void EndToEnd::TearDownTestSuite() {
    browser.reset();
    delete recorder;
    recorder = nullptr;
}

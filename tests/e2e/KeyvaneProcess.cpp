#include "KeyvaneProcess.h"

namespace {

const wchar_t kUserShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::wstring ReadValue(const wchar_t* key) {
    wchar_t data[1024] = L"";
    DWORD size = sizeof data;
    RegGetValueW(HKEY_CURRENT_USER, key, L"AppData", RRF_RT_ANY | RRF_NOEXPAND, nullptr, data, &size);
    return data;
}

void WriteValue(const wchar_t* key, DWORD type, const std::wstring& value) {
    HKEY hkey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey, nullptr) != 0) return;
    RegSetValueExW(hkey, L"AppData", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(hkey);
}

}  // namespace

AppDataRedirect::AppDataRedirect(const std::wstring& folder)
    : m_userShellFolder(ReadValue(kUserShellFolders)), m_shellFolder(ReadValue(kShellFolders)) {
    WriteValue(kUserShellFolders, REG_EXPAND_SZ, folder);
    WriteValue(kShellFolders, REG_SZ, folder);
}

AppDataRedirect::~AppDataRedirect() {
    WriteValue(kUserShellFolders, REG_EXPAND_SZ, m_userShellFolder);
    WriteValue(kShellFolders, REG_SZ, m_shellFolder);
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[1024] = L"";
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

static BOOL CALLBACK AppendChildText(HWND child, LPARAM lp) {
    *reinterpret_cast<std::wstring*>(lp) += WindowText(child) + L"\n";
    return TRUE;
}

std::wstring ChildTexts(HWND hwnd) {
    std::wstring all;
    EnumChildWindows(hwnd, AppendChildText, reinterpret_cast<LPARAM>(&all));
    return all;
}

KeyvaneProcess::~KeyvaneProcess() {
    if (Running()) {
        Close();
        if (!WaitForExit(5000)) TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    if (m_info.hProcess) CloseHandle(m_info.hProcess);
    if (m_info.hThread) CloseHandle(m_info.hThread);
}

std::wstring KeyvaneProcess::ExePath() {
    wchar_t self[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    path.erase(path.find_last_of(L'\\'));  // tests\e2e
    path.erase(path.find_last_of(L'\\'));  // tests
    path.erase(path.find_last_of(L'\\'));  // build folder
    return path + L"\\src\\Keyvane.exe";
}

void KeyvaneProcess::SetEnvironment(const std::wstring& name, const std::wstring& value) {
    m_environment.emplace_back(name, value);
}

namespace {

// The driver's environment with some variables replaced, as a CreateProcessW block.
std::wstring EnvironmentBlock(const std::vector<std::pair<std::wstring, std::wstring>>& overrides) {
    std::wstring block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
        std::wstring line = entry;
        bool replaced = false;
        for (const auto& o : overrides) replaced |= line.compare(0, o.first.size() + 1, o.first + L"=") == 0;
        if (!replaced) block += line + L'\0';
    }
    FreeEnvironmentStringsW(strings);
    for (const auto& o : overrides) block += o.first + L"=" + o.second + L'\0';
    return block + L'\0';
}

}  // namespace

bool KeyvaneProcess::Start() {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring exe = ExePath();
    std::wstring commandLine = L"\"" + exe + L"\"";
    std::wstring environment = EnvironmentBlock(m_environment);
    return CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                          &environment[0], nullptr, &si, &m_info) != FALSE;
}

bool KeyvaneProcess::StartAndWaitForWindow() { return Start() && WaitForWindow(); }

bool KeyvaneProcess::WaitForWindow() {
    bool found = WaitUntil([this] {
        HWND hwnd = nullptr;
        while ((hwnd = FindWindowExW(nullptr, hwnd, L"QuorvelKeyvane_KOEOPWD", nullptr)) != nullptr) {
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == m_info.dwProcessId && IsWindowVisible(hwnd)) {
                m_window = hwnd;
                return true;
            }
        }
        return false;
    }, 20000);
    if (found) WaitForInputIdle(m_info.hProcess, 5000);
    return found;
}

bool KeyvaneProcess::WaitForExit(DWORD timeoutMs) {
    if (!m_info.hProcess) return true;
    return WaitUntil([this] { return WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
}

bool KeyvaneProcess::Running() const {
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

std::wstring KeyvaneProcess::Text(int id) const {
    // Read until it settles: input queued for the control may still be in flight.
    std::wstring previous = WindowText(Item(id));
    for (int i = 0; i < 20; ++i) {
        PumpFor(10);
        std::wstring now = WindowText(Item(id));
        if (now == previous) return now;
        previous = now;
    }
    return previous;
}

std::wstring KeyvaneProcess::ItemText(int id, int index) const {
    wchar_t text[256] = L"";
    SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

void KeyvaneProcess::SelectKey(const std::wstring& name) {
    for (int i = 0; i < Count(1024); ++i)
        if (ItemText(1024, i) == name) SendMessageW(Item(1024), CB_SETCURSEL, static_cast<WPARAM>(i), 0);
}

void KeyvaneProcess::SelectUnit(const std::wstring& name) {
    for (int i = 0; i < Count(1025); ++i)
        if (ItemText(1025, i) == name) SendMessageW(Item(1025), CB_SETCURSEL, static_cast<WPARAM>(i), 0);
}

void KeyvaneProcess::SetCheck(int id, bool checked) {
    SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void KeyvaneProcess::SetDelayText(const std::wstring& text) {
    SendMessageW(Item(1002), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void KeyvaneProcess::ChooseMode(bool hold) {
    SetCheck(1022, hold);
    SetCheck(1023, !hold);
    SendMessageW(m_window, WM_COMMAND, MAKEWPARAM(hold ? 1022 : 1023, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(hold ? 1022 : 1023)));
}

// A sent message is served only where the program takes its next message: in
// the run's pump, or back in the dialog's own loop once the run has wrapped up.
void KeyvaneProcess::Sync() const {
    SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
}

bool KeyvaneProcess::WaitRunning() {
    bool running = WaitUntil([this] { return Enabled(1001) && !Enabled(1000); });
    Sync();
    return running;
}

bool KeyvaneProcess::WaitIdle() {
    bool idle = WaitUntil([this] { return Enabled(1000) && !Enabled(1001); });
    Sync();
    return idle;
}

namespace {
struct DialogSearch {
    DWORD pid;
    HWND main;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<DialogSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64] = L"";
    GetClassNameW(hwnd, cls, 64);
    if (pid == s->pid && hwnd != s->main && IsWindowVisible(hwnd) && std::wstring(cls) == L"#32770") {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND KeyvaneProcess::FindMessageBox() const {
    DialogSearch search{m_info.dwProcessId, m_window, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Starts the real Keyvane.exe and drives its main window from outside, with
// window messages, as a user's clicks would.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "../wine/Pump.h"


// Points the user's roaming application-data folder at a folder of the test's
// for as long as it lives.
class AppDataRedirect {
public:
    explicit AppDataRedirect(const std::wstring& folder);
    ~AppDataRedirect();
    AppDataRedirect(const AppDataRedirect&) = delete;
    AppDataRedirect& operator=(const AppDataRedirect&) = delete;

private:
    std::wstring m_userShellFolder;
    std::wstring m_shellFolder;
};

class KeyvaneProcess {
public:
    KeyvaneProcess() = default;
    ~KeyvaneProcess();
    KeyvaneProcess(const KeyvaneProcess&) = delete;
    KeyvaneProcess& operator=(const KeyvaneProcess&) = delete;

    static std::wstring ExePath();

    bool Start();  // starts a copy; the window is not waited for
    // Variables set for the program in place of the driver's own.
    void SetEnvironment(const std::wstring& name, const std::wstring& value);
    bool StartAndWaitForWindow();
    bool WaitForWindow();
    bool WaitForExit(DWORD timeoutMs = 10000);
    bool Running() const;
    DWORD ProcessId() const { return m_info.dwProcessId; }

    HWND Window() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }

    // Controls, through messages.
    std::wstring Text(int id) const;
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    int Check(int id) const { return static_cast<int>(SendMessageW(Item(id), BM_GETCHECK, 0, 0)); }
    int Selection(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)); }
    int Count(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCOUNT, 0, 0)); }
    std::wstring ItemText(int id, int index) const;
    ULONG_PTR ItemData(int id, int index) const {
        return static_cast<ULONG_PTR>(SendMessageW(Item(id), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    }

    void SelectKey(const std::wstring& name);
    void SelectUnit(const std::wstring& name);
    void SetCheck(int id, bool checked);
    void SetDelayText(const std::wstring& text);
    void ChooseMode(bool hold);  // clicks a radio button
    void Command(int id) const { PostMessageW(m_window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Close() const { PostMessageW(m_window, WM_CLOSE, 0, 0); }

    void Sync() const;
    bool WaitRunning();
    bool WaitIdle();

    // A top-level dialog box of the process other than the main window, if any.
    HWND FindMessageBox() const;

private:
    PROCESS_INFORMATION m_info{};
    std::vector<std::pair<std::wstring, std::wstring>> m_environment;
    HWND m_window = nullptr;
};

std::wstring WindowText(HWND hwnd);
// The texts of a window's children, joined with newlines.
std::wstring ChildTexts(HWND hwnd);

// Records every keyboard event the system sees, through a low-level keyboard
// hook on a thread of its own. Events the driver injects itself carry
// kDriverMarker in dwExtraInfo; Keyvane's carry 0.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

constexpr ULONG_PTR kDriverMarker = 0x4B56E2E;

struct KeyEvent {
    DWORD vk;
    bool up;
    DWORD scan;
    DWORD flags;
    ULONG_PTR extra;
    DWORD time;
};

class KeyRecorder {
public:
    KeyRecorder();
    ~KeyRecorder();
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    void Clear();
    // Keyvane's events only, in order.
    std::vector<KeyEvent> ProgramEvents();
    // The program's events as text, e.g. "Ctrl^ A v" style: "Av", "A^", "Ctrl^".
    std::vector<std::string> ProgramKeys();

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wp, LPARAM lp);
    void Run();

    std::mutex m_mutex;
    std::vector<KeyEvent> m_events;
    std::thread m_thread;
    DWORD m_threadId = 0;
    HANDLE m_ready;
};

std::string KeyName(DWORD vk);

// Injects one key event from the driver.
void InjectKey(BYTE vk, bool up);

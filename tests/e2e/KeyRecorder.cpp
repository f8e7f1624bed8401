#include "KeyRecorder.h"

namespace {
KeyRecorder* g_recorder = nullptr;
HHOOK g_hook = nullptr;
}  // namespace

std::string KeyName(DWORD vk) {
    switch (vk) {
        // The hook may report the generic modifiers as their left or right keys.
        case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: return "Ctrl";
        case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: return "Shift";
        case VK_MENU: case VK_LMENU: case VK_RMENU: return "Alt";
    }
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
    if (vk >= VK_F1 && vk <= VK_F12) return "F" + std::to_string(vk - VK_F1 + 1);
    return "vk" + std::to_string(vk);
}

void InjectKey(BYTE vk, bool up) {
    keybd_event(vk, static_cast<BYTE>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), up ? KEYEVENTF_KEYUP : 0, kDriverMarker);
}

KeyRecorder::KeyRecorder() : m_ready(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    g_recorder = this;
    m_thread = std::thread([this] { Run(); });
    WaitForSingleObject(m_ready, 10000);
}

KeyRecorder::~KeyRecorder() {
    PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    m_thread.join();
    CloseHandle(m_ready);
    g_recorder = nullptr;
}

void KeyRecorder::Run() {
    m_threadId = GetCurrentThreadId();
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // make the queue
    g_hook = SetWindowsHookExW(WH_KEYBOARD_LL, &KeyRecorder::HookProc, GetModuleHandleW(nullptr), 0);
    SetEvent(m_ready);
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    UnhookWindowsHookEx(g_hook);
}

LRESULT CALLBACK KeyRecorder::HookProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && g_recorder) {
        const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
        bool up = wp == WM_KEYUP || wp == WM_SYSKEYUP;
        std::lock_guard<std::mutex> lock(g_recorder->m_mutex);
        g_recorder->m_events.push_back({info->vkCode, up, info->scanCode, info->flags, info->dwExtraInfo, info->time});
    }
    return CallNextHookEx(g_hook, code, wp, lp);
}

void KeyRecorder::Clear() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_events.clear();
}

std::vector<KeyEvent> KeyRecorder::ProgramEvents() {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<KeyEvent> out;
    for (const KeyEvent& e : m_events)
        if (e.extra != kDriverMarker) out.push_back(e);
    return out;
}

std::vector<std::string> KeyRecorder::ProgramKeys() {
    std::vector<std::string> out;
    for (const KeyEvent& e : ProgramEvents()) out.push_back(KeyName(e.vk) + (e.up ? "^" : "v"));
    return out;
}

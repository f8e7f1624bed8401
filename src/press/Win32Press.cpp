#include "press/Win32Press.h"

#include "res/resource.h"
#include "win/MessageBox.h"

void SendKeyEvent(std::uint32_t virtualKey, bool keyUp) {
    BYTE scan = LOBYTE(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    keybd_event(static_cast<BYTE>(virtualKey), scan, keyUp ? KEYEVENTF_KEYUP : 0, 0);
}

PerformanceClock::PerformanceClock() { QueryPerformanceFrequency(&m_frequency); }

std::int64_t PerformanceClock::NowMicros() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    // Split to keep the multiplication from overflowing on long uptimes.
    std::int64_t seconds = now.QuadPart / m_frequency.QuadPart;
    std::int64_t rest = now.QuadPart % m_frequency.QuadPart;
    return seconds * 1000000 + rest * 1000000 / m_frequency.QuadPart;
}

void Win32PressPlatform::PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Win32PressPlatform::PostStartCommand() { PostMessageW(m_window, WM_COMMAND, IDC_START, 0); }

void Win32PressPlatform::ShowMessage(const std::wstring& text) { AppMessageBox(text, MB_OK); }

namespace {
const wchar_t kSection[] = L"Option";
constexpr DWORD kValueBuffer = 260;
}  // namespace

std::wstring PrivateProfileStore::Read(const wchar_t* key, const wchar_t* defaultValue) {
    wchar_t buffer[kValueBuffer] = L"";
    DWORD length = GetPrivateProfileStringW(kSection, key, defaultValue, buffer, kValueBuffer, m_path.c_str());
    return std::wstring(buffer, length < kValueBuffer ? length : kValueBuffer - 1);
}

void PrivateProfileStore::Write(const wchar_t* key, const std::wstring& value) {
    WritePrivateProfileStringW(kSection, key, value.c_str(), m_path.c_str());
}

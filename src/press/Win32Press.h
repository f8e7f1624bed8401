// The press engine's and the settings file's links to the real system.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "press/PressEngine.h"
#include "press/Settings.h"
#include "press/StepPacer.h"

// One keybd_event with the scan code of the current layout, never extended.
void SendKeyEvent(std::uint32_t virtualKey, bool keyUp);

class PerformanceClock : public MonotonicClock {
public:
    PerformanceClock();
    std::int64_t NowMicros() override;
    void SleepOneMs() override { Sleep(1); }

private:
    LARGE_INTEGER m_frequency{};
};

class Win32PressPlatform : public PressPlatform {
public:
    Win32PressPlatform(HWND window, std::function<void()> saveSettings)
        : m_window(window), m_saveSettings(std::move(saveSettings)) {}
    void SetWindow(HWND window) { m_window = window; }

    void SendKeyEvent(std::uint32_t virtualKey, bool keyUp) override { ::SendKeyEvent(virtualKey, keyUp); }
    bool IsKeyDown(int virtualKey) override { return (GetKeyState(virtualKey) & 0x8000) != 0; }
    void PumpMessages() override;
    void PostStartCommand() override;
    void ShowMessage(const std::wstring& text) override;
    void SaveSettings() override { m_saveSettings(); }

private:
    HWND m_window;
    std::function<void()> m_saveSettings;
};

// Section "Option" of an INI file, through the private-profile functions. The
// path is UTF-16 so that any profile folder works; the file itself is written
// in the ANSI code page, as those functions do.
class PrivateProfileStore : public ProfileStore {
public:
    explicit PrivateProfileStore(std::wstring path) : m_path(std::move(path)) {}
    std::wstring Read(const wchar_t* key, const wchar_t* defaultValue) override;
    void Write(const wchar_t* key, const std::wstring& value) override;

private:
    std::wstring m_path;
};

// Turns a Start command into synthetic key events and ends them on request.
//
// A run executes inside OnStart on the user-interface thread; every 50 steps it
// drains the thread's message queue, so Stop, the hot keys, closing, painting and
// the menu are served nested inside the loop and end the run through m_stop.
#pragma once

#include <cstdint>
#include <string>

#include "press/DialogControls.h"
#include "press/PressOptions.h"
#include "press/StepPacer.h"
#include "win/CriticalSection.h"

// What the engine needs from the system besides the controls.
class PressPlatform {
public:
    virtual ~PressPlatform() = default;
    virtual void SendKeyEvent(std::uint32_t virtualKey, bool keyUp) = 0;
    virtual bool IsKeyDown(int virtualKey) = 0;
    virtual void PumpMessages() = 0;
    virtual void PostStartCommand() = 0;  // handled later, exactly like a Start click
    virtual void ShowMessage(const std::wstring& text) = 0;
    virtual void SaveSettings() = 0;
};

constexpr std::uint32_t kVkShift = 0x10;
constexpr std::uint32_t kVkControl = 0x11;
constexpr std::uint32_t kVkMenu = 0x12;  // Alt
constexpr std::uint32_t kVkF2 = 0x71;
constexpr std::uint32_t kPumpEverySteps = 50;

extern const wchar_t kSelectKeyMessage[];

class PressEngine {
public:
    PressEngine(DialogControls& controls, PressPlatform& platform, MonotonicClock& clock)
        : m_controls(controls), m_platform(platform), m_pacer(clock) {}

    void OnStart();
    void OnStop() { m_stop = 1; }
    void OnHotKey(int id);
    void ReleaseModifiers();

    std::int32_t m_stop = 0;
    std::int32_t m_busy = 0;
    CriticalSection m_lock;

private:
    bool TryEnter();
    void Leave();
    void SetRunControls();
    void RestoreControls();
    void PressModifiers(const PressOptions& options, bool keyUp);
    // One paced millisecond; false when the Ctrl+F2 chord ended the run.
    bool Step();
    bool IsStopChordDown();
    void RunHold(const PressOptions& options);
    void RunDelay(const PressOptions& options);

    DialogControls& m_controls;
    PressPlatform& m_platform;
    StepPacer m_pacer;
    std::uint32_t m_pumpCounter = 0;
};

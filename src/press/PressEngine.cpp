#include "press/PressEngine.h"

#include "res/resource.h"

const wchar_t kSelectKeyMessage[] = L"Please select a key to press!";

bool PressEngine::TryEnter() {
    CriticalSection::Lock lock(m_lock);
    if (m_busy) return false;
    m_busy = 1;
    return true;
}

void PressEngine::Leave() {
    CriticalSection::Lock lock(m_lock);
    m_busy = 0;
}

void PressEngine::OnStart() {
    if (!TryEnter()) return;  // a Ctrl+F1 delivered inside a running loop
    if (m_controls.ComboGetCurSel(IDC_COMBO_KEY) == -1) {
        m_platform.ShowMessage(kSelectKeyMessage);
        Leave();
        return;
    }
    m_stop = 0;
    SetRunControls();
    m_platform.SaveSettings();  // stores the amount as typed, before it is corrected
    PressOptions options = ReadPressOptions(m_controls);
    ReleaseModifiers();
    m_pumpCounter = 0;
    m_pacer.Start();
    if (options.Mode == PressMode::Hold)
        RunHold(options);
    else
        RunDelay(options);
    ReleaseModifiers();
    RestoreControls();
    Leave();
}

void PressEngine::OnHotKey(int id) {
    if (id == IDH_HOTKEY_START) {
        m_platform.PostStartCommand();
    } else if (id == IDH_HOTKEY_STOP) {
        m_stop = 1;
        int selection = m_controls.ComboGetCurSel(IDC_COMBO_KEY);
        if (selection != -1) {
            auto key = static_cast<std::uint32_t>(m_controls.ComboGetItemData(IDC_COMBO_KEY, selection));
            m_platform.SendKeyEvent(key, true);
            ReleaseModifiers();
        }
    }
}

void PressEngine::ReleaseModifiers() {
    m_platform.SendKeyEvent(kVkControl, true);
    m_platform.SendKeyEvent(kVkShift, true);
    m_platform.SendKeyEvent(kVkMenu, true);
}

void PressEngine::SetRunControls() {
    m_controls.Enable(IDC_START, false);
    m_controls.Enable(IDC_STOP, true);
    for (int id : {IDC_EDIT_DELAY, IDC_COMBO_UNIT, IDC_COMBO_KEY, IDC_CHECK_ALT, IDC_CHECK_CTRL,
                   IDC_CHECK_SHIFT, IDC_RADIO_HOLD, IDC_RADIO_DELAY})
        m_controls.Enable(id, false);
}

void PressEngine::RestoreControls() {
    m_controls.Enable(IDC_EDIT_DELAY, true);
    m_controls.Enable(IDC_STOP, false);
    m_controls.Enable(IDC_START, true);
    for (int id : {IDC_COMBO_KEY, IDC_CHECK_ALT, IDC_CHECK_CTRL, IDC_CHECK_SHIFT, IDC_RADIO_HOLD,
                   IDC_RADIO_DELAY})
        m_controls.Enable(id, true);
    UpdateDelayControls(m_controls);
}

void PressEngine::PressModifiers(const PressOptions& options, bool keyUp) {
    if (options.UseCtrl) m_platform.SendKeyEvent(kVkControl, keyUp);
    if (options.UseShift) m_platform.SendKeyEvent(kVkShift, keyUp);
    if (options.UseAlt) m_platform.SendKeyEvent(kVkMenu, keyUp);
}

bool PressEngine::IsStopChordDown() {
    return m_platform.IsKeyDown(kVkControl) && m_platform.IsKeyDown(kVkF2);
}

bool PressEngine::Step() {
    m_pacer.Step();
    if (IsStopChordDown()) {
        m_stop = 1;
        return false;
    }
    if (++m_pumpCounter >= kPumpEverySteps) {
        m_platform.PumpMessages();
        m_pumpCounter = 0;
    }
    return true;
}

void PressEngine::RunHold(const PressOptions& options) {
    while (m_stop == 0) {
        PressModifiers(options, false);
        m_platform.SendKeyEvent(options.VirtualKey, false);
        if (!Step()) break;
    }
    m_platform.SendKeyEvent(options.VirtualKey, true);
}

void PressEngine::RunDelay(const PressOptions& options) {
    while (m_stop == 0) {
        PressModifiers(options, false);
        m_platform.SendKeyEvent(options.VirtualKey, false);
        m_platform.SendKeyEvent(options.VirtualKey, true);
        PressModifiers(options, true);
        for (std::uint64_t waited = 0; waited < options.DelayMs; ++waited) {
            if (m_stop != 0 || !Step()) return;
        }
    }
}

#include "press/StepPacer.h"

void StepPacer::Start() {
    m_anchor = m_clock.NowMicros();
    m_steps = 0;
}

void StepPacer::Step() {
    ++m_steps;
    std::int64_t deadline = m_anchor + m_steps * kStepMicros;
    std::int64_t now = m_clock.NowMicros();
    if (now - deadline > kMaxLagMicros) {
        // Far behind: this step ends now, the following ones a millisecond apart.
        m_anchor = now - m_steps * kStepMicros;
        return;
    }
    while (now < deadline) {
        m_clock.SleepOneMs();
        now = m_clock.NowMicros();
    }
}

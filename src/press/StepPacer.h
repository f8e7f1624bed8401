// Paces the press loop in one-millisecond steps against a monotonic clock.
//
// Step k of a run ends k ms after the run began, so a run of N steps takes N ms
// whatever a single sleep really lasts (15.6 ms on a stock Windows timer). A loop
// that fell far behind - a modal dialog held it up - starts counting afresh from
// now rather than firing a burst of steps to catch up.
#pragma once

#include <cstdint>

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::int64_t NowMicros() = 0;
    virtual void SleepOneMs() = 0;  // yields the thread for about a millisecond
};

class StepPacer {
public:
    static constexpr std::int64_t kStepMicros = 1000;
    static constexpr std::int64_t kMaxLagMicros = 100 * kStepMicros;

    explicit StepPacer(MonotonicClock& clock) : m_clock(clock) {}

    void Start();
    // Returns once the current step's deadline has passed.
    void Step();

private:
    MonotonicClock& m_clock;
    std::int64_t m_anchor = 0;
    std::int64_t m_steps = 0;
};

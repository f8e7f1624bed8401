#include <gtest/gtest.h>

#include "press/StepPacer.h"

namespace {

// A clock whose sleeps last a configurable time.
class SteppedClock : public MonotonicClock {
public:
    explicit SteppedClock(std::int64_t sleepMicros) : sleepMicros(sleepMicros) {}
    std::int64_t NowMicros() override { return now; }
    void SleepOneMs() override {
        now += sleepMicros;
        ++sleeps;
    }
    std::int64_t now = 5000000;
    std::int64_t sleepMicros;
    int sleeps = 0;
};

}  // namespace

TEST(StepPacer, StepsTakeAMillisecondWhateverASleepLasts) {
    // 1.1 ms as under Wine, 15.6 ms as on a stock Windows timer, 1 ms exactly.
    for (std::int64_t sleep : {1000, 1100, 15625}) {
        SteppedClock clock(sleep);
        StepPacer pacer(clock);
        pacer.Start();
        std::int64_t start = clock.now;
        for (int i = 0; i < 10000; ++i) pacer.Step();
        std::int64_t elapsed = clock.now - start;
        EXPECT_GE(elapsed, 10000 * 1000) << sleep;
        EXPECT_LT(elapsed, 10000 * 1000 + sleep) << sleep;  // no drift: off by at most one sleep
    }
}

TEST(StepPacer, OneSleepPerStepWithAnExactClock) {
    SteppedClock clock(1000);
    StepPacer pacer(clock);
    pacer.Start();
    for (int i = 0; i < 50; ++i) pacer.Step();
    EXPECT_EQ(clock.sleeps, 50);
}

TEST(StepPacer, SmallLagIsCaughtUpButALongStallReanchors) {
    SteppedClock clock(1000);
    StepPacer pacer(clock);
    pacer.Start();
    pacer.Step();
    clock.now += 20000;  // a slow pump: the next 20 steps are already due
    int before = clock.sleeps;
    for (int i = 0; i < 20; ++i) pacer.Step();
    EXPECT_EQ(clock.sleeps, before + 0);
    pacer.Step();
    EXPECT_EQ(clock.sleeps, before + 1);

    clock.now += 30 * 1000000;  // a modal dialog held the loop for 30 s
    before = clock.sleeps;
    pacer.Step();  // no burst of 30000 steps: this one ends at once...
    for (int i = 0; i < 5; ++i) pacer.Step();
    EXPECT_EQ(clock.sleeps, before + 5);  // ...and the rest are paced again
}

// How closely the press loop keeps its pace: N one-millisecond steps paced by
// the monotonic clock, against N bare Sleep(1) calls (the pace a loop that only
// counts sleeps would have). Run under Wine or on Windows:
//   scripts/wine-run.sh build/windows/bench/keyvane_pacing_bench.exe [steps]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "press/StepPacer.h"
#include "press/Win32Press.h"

int main(int argc, char** argv) {
    int steps = argc > 1 ? std::atoi(argv[1]) : 3000;
    PerformanceClock clock;

    std::int64_t start = clock.NowMicros();
    for (int i = 0; i < steps; ++i) Sleep(1);
    double sleeps = (clock.NowMicros() - start) / 1000.0;

    StepPacer pacer(clock);
    start = clock.NowMicros();
    pacer.Start();
    for (int i = 0; i < steps; ++i) pacer.Step();
    double paced = (clock.NowMicros() - start) / 1000.0;

    std::printf("steps: %d (%d ms asked for)\n", steps, steps);
    std::printf("Sleep(1) x %d: %.1f ms (%.3f ms a step)\n", steps, sleeps, sleeps / steps);
    std::printf("paced steps:   %.1f ms (%.3f ms a step, %.2f%% off)\n", paced, paced / steps,
                (paced - steps) * 100.0 / steps);
    return 0;
}

// Timing helpers of the benchmarks: medians of repeated runs with the high-resolution counter,
// and one printed line per figure with the plain way's figure and the target beside it.
#pragma once
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench
{
inline double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs fn once per repetition (after setup, which is not timed) and returns the median in ms.
inline double MedianMs(int repetitions, const std::function<void()>& fn,
                       const std::function<void()>& setup = nullptr)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i)
    {
        if (setup)
            setup();
        const double start = NowMs();
        fn();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times.empty() ? 0.0 : times[times.size() / 2];
}

// "name: 3.2 ms (plain way 45.0 ms, x14.1) target <= 16 ms: met"
inline bool Report(const char* name, double ms, double plainMs, double targetMs)
{
    const bool met = ms <= targetMs;
    if (plainMs > 0)
        std::printf("%-60s %9.2f ms  (plain %9.2f ms, x%.1f)  target <= %.0f ms: %s\n", name, ms, plainMs,
                    ms > 0 ? plainMs / ms : 0.0, targetMs, met ? "met" : "MISSED");
    else
        std::printf("%-60s %9.2f ms  target <= %.0f ms: %s\n", name, ms, targetMs, met ? "met" : "MISSED");
    std::fflush(stdout);
    return met;
}

// "name: 62.0 MB  (note)  target <= 100 MB: met"
inline bool ReportMb(const char* name, double mb, const char* note, double targetMb)
{
    const bool met = mb <= targetMb;
    std::printf("%-60s %9.1f MB  (%s)  target <= %.0f MB: %s\n", name, mb, note, targetMb, met ? "met" : "MISSED");
    std::fflush(stdout);
    return met;
}
}

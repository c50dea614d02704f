#pragma once
#include <windows.h>

#include <algorithm>

// Seconds from the performance counter.
inline double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Processor time, kernel and user, the thread has used so far.
inline double ThreadCpuSeconds(HANDLE thread = GetCurrentThread())
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(thread, &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

// The best of several rounds: the first round of each also pays for touching fresh memory.
template <class F>
double Best(F run, int rounds = 5)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        const double start = Now();
        run();
        best = std::min(best, Now() - start);
    }
    return best;
}

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

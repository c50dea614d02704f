// Times the hot paths of the arrays beside the standard library on the same data.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/col/MergeSort.h"

using s::col::_array::ArrayP;
using s::col::_array::ArrayU32;

namespace {

double Now()
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

int32_t CompareValues(void* a, void* b, void*)
{
    const uintptr_t x = reinterpret_cast<uintptr_t>(a), y = reinterpret_cast<uintptr_t>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

const uint32_t kCount = 1000000;
volatile uint64_t sink;

} // namespace

int main()
{
    const double a0 = Now();
    ArrayU32* array = ArrayU32::New();
    for (uint32_t i = 0; i < kCount; ++i)
        array->Append(i);
    const double a1 = Now();
    sink = array->Get(kCount - 1);
    array->ReleaseToPool();

    const double v0 = Now();
    std::vector<uint32_t> vector;
    for (uint32_t i = 0; i < kCount; ++i)
        vector.push_back(i);
    const double v1 = Now();
    sink = vector.back();

    std::vector<void*> values(kCount);
    uint32_t seed = 12345;
    for (auto& v : values) {
        seed = seed * 1103515245u + 12345u;
        v = reinterpret_cast<void*>(static_cast<uintptr_t>(seed >> 8));
    }
    ArrayP* pointers = ArrayP::New();
    pointers->AppendRaw(values.data(), kCount, 0);
    const double s0 = Now();
    s::col::SortArray(pointers, &CompareValues, nullptr);
    const double s1 = Now();
    pointers->ReleaseToPool();

    const double t0 = Now();
    std::stable_sort(values.begin(), values.end(),
                     [](void* x, void* y) { return CompareValues(x, y, nullptr) < 0; });
    const double t1 = Now();

    std::printf("ArrayU32 append x%u: %.2f ms, std::vector push_back: %.2f ms, ratio %.2f\n", kCount,
                (a1 - a0) * 1e3, (v1 - v0) * 1e3, (a1 - a0) / (v1 - v0));
    std::printf("ArrayP merge sort x%u: %.2f ms, std::stable_sort: %.2f ms, ratio %.2f\n", kCount,
                (s1 - s0) * 1e3, (t1 - t0) * 1e3, (s1 - s0) / (t1 - t0));
    return 0;
}

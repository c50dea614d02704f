// Times the hot paths of the arrays beside the standard library on the same data.
#include "BenchClock.h"

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

int32_t CompareValues(void* a, void* b, void*)
{
    const uintptr_t x = reinterpret_cast<uintptr_t>(a), y = reinterpret_cast<uintptr_t>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

const uint32_t kCount = 1000000;
volatile uint64_t sink;
// Both sorts call through the same pointer, so the ratio compares the algorithms, not inlining.
int32_t (*volatile gCompare)(void*, void*, void*) = CompareValues;

} // namespace

int main()
{
    const double arrayAppend = Best([] {
        ArrayU32* array = ArrayU32::New();
        for (uint32_t i = 0; i < kCount; ++i)
            array->Append(i);
        sink = array->Get(kCount - 1);
        array->ReleaseToPool();
    });
    const double vectorAppend = Best([] {
        std::vector<uint32_t> vector;
        for (uint32_t i = 0; i < kCount; ++i)
            vector.push_back(i);
        sink = vector.back();
    });

    std::vector<void*> values(kCount);
    uint32_t seed = 12345;
    for (auto& v : values) {
        seed = seed * 1103515245u + 12345u;
        v = reinterpret_cast<void*>(static_cast<uintptr_t>(seed >> 8));
    }
    const double arraySort = Best([&values] {
        ArrayP* pointers = ArrayP::New();
        pointers->AppendRaw(values.data(), kCount, 0);
        s::col::SortArray(pointers, gCompare, nullptr);
        sink = reinterpret_cast<uintptr_t>(pointers->Get(0));
        pointers->ReleaseToPool();
    });
    const double stdSort = Best([&values] {
        std::vector<void*> copy = values;
        std::stable_sort(copy.begin(), copy.end(), [](void* x, void* y) { return gCompare(x, y, nullptr) < 0; });
        sink = reinterpret_cast<uintptr_t>(copy[0]);
    });

    std::printf("ArrayU32 append x%u: %.2f ms, std::vector push_back: %.2f ms, ratio %.2f\n", kCount,
                arrayAppend * 1e3, vectorAppend * 1e3, arrayAppend / vectorAppend);
    std::printf("ArrayP merge sort x%u: %.2f ms, std::stable_sort: %.2f ms, ratio %.2f\n", kCount, arraySort * 1e3,
                stdSort * 1e3, arraySort / stdSort);
    return 0;
}

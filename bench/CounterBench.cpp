// Times one collection pass of 40 counters through the stand-in Pdh.dll of the tests (built in
// tests/fakepdh), in processor time of the calling thread, and counts the allocations of a pass:
// the sampler runs all day and must not allocate on each pass.
#include "AllocCounter.h"
#include "BenchClock.h"
#include "BenchPaths.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "core/thread/ObjLocker.h"
#include "measurement/counter/Counter.h"

using s::system::counter::win::Counter;

namespace {

const int kCounters = 40;
const int kPasses = 2000;

} // namespace

int main()
{
    HMODULE fake = LoadLibraryW(FakePdhPath().c_str());
    if (!fake) {
        std::printf("the stand-in Pdh.dll is missing; build the tests first\n");
        return 1;
    }
    typedef void (*SetCounter)(const wchar_t*, LONGLONG, DWORD);
    SetCounter setCounter = reinterpret_cast<SetCounter>(reinterpret_cast<void*>(GetProcAddress(fake, "FakePdhSetCounter")));

    Counter* counter = Counter::New();
    for (int i = 0; i < kCounters; ++i) {
        const std::wstring path = L"\\Process(p" + std::to_wstring(i) + L")\\Working Set";
        setCounter(path.c_str(), i, 0);
        counter->AddCounter(path.c_str());
    }

    uint64_t allocations = 0;
    double cpu = 0;
    const double wall = Best([&] {
        s::thread::ScopedLock hold(counter->GetLocker());
        const uint64_t before = Allocations().blocks;
        const double start = ThreadCpuSeconds();
        for (int pass = 0; pass < kPasses; ++pass)
            counter->CollectAll();
        cpu = ThreadCpuSeconds() - start;
        allocations = Allocations().blocks - before;
    });

    std::printf("collection of %d counters: %.2f us wall, %.2f us processor time per pass; %llu allocations in %d passes\n",
                kCounters, wall / kPasses * 1e6, cpu / kPasses * 1e6, static_cast<unsigned long long>(allocations),
                kPasses);
    counter->ReleaseToPool();
    return 0;
}

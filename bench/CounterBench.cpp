// Times one collection pass of 40 counters through the stand-in Pdh.dll of the tests (built in
// tests/fakepdh), in processor time of the calling thread, and counts the allocations of a pass:
// the sampler runs all day and must not allocate on each pass.
#include "BenchClock.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "core/thread/ObjLocker.h"
#include "measurement/counter/Counter.h"

using s::system::counter::win::Counter;

namespace {

std::atomic<long> gAllocations{0};

const int kCounters = 40;
const int kPasses = 2000;

std::wstring FakePdhPath()
{
    wchar_t exe[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe, n);
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + L"..\\tests\\fakepdh\\pdh.dll";
}

double ThreadCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

} // namespace

void* operator new(size_t size)
{
    ++gAllocations;
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    return p;
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}

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

    long allocations = 0;
    double cpu = 0;
    const double wall = Best([&] {
        s::thread::ScopedLock hold(counter->GetLocker());
        const long before = gAllocations.load();
        const double start = ThreadCpuSeconds();
        for (int pass = 0; pass < kPasses; ++pass)
            counter->CollectAll();
        cpu = ThreadCpuSeconds() - start;
        allocations = gAllocations.load() - before;
    });

    std::printf("collection of %d counters: %.2f us wall, %.2f us processor time per pass; %ld allocations in %d passes\n",
                kCounters, wall / kPasses * 1e6, cpu / kPasses * 1e6, allocations, kPasses);
    counter->ReleaseToPool();
    return 0;
}

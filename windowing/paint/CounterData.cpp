#include "windowing/paint/CounterData.h"

#include <cstdlib>
#include <limits>

#include "windowing/paint/IRedrawable.h"

namespace s {
namespace gui {
namespace counter {

namespace {

// A sum that would pass the 64-bit range stops at its end instead of turning round.
int64_t SaturatingAdd(int64_t a, int64_t b)
{
    int64_t sum;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

} // namespace

CounterData::CounterData()
{
    SetDefaults();
}

CounterData::~CounterData() {}

thread::EasyPooler* CounterData::GetPool()
{
    return &thread::PoolOf<CounterData>();
}

CounterData* CounterData::New()
{
    return thread::TakeFromPool<CounterData>();
}

const wchar_t* CounterData::GetClassName()
{
    return kClassName;
}

base::IObject* CounterData::NewInstance()
{
    return New();
}

void CounterData::ReleaseToPool()
{
    GetPool()->Give(this);
}

void CounterData::Reset()
{
    thread::ScopedLock hold(Lock);
    SetDefaults();
    Points.FreeAll();
    Listeners.Clear();
}

void CounterData::SetDefaults()
{
    Unbounded = 0;
    MaximumFloor = 100;
    Maximum = 100;
    BaseValue = 0;
    SamplesPerPoint = 1;
    SampleCount = 0;
    Current = 0;
    DotMarks = 0;
    OwnColor = 0;
    OwnRed = 0;
    OwnGreen = 0;
    OwnBlue = 0;
}

void CounterData::AddSample(int64_t value)
{
    bool newPoint = false;
    {
        thread::ScopedLock hold(Lock);
        const uint32_t count = Points.GetCount();
        if (count == 0)
            return;
        // The index may have been left beyond a ring that has since shrunk.
        if (Current >= count)
            Current = 0;
        if (SampleCount < SamplesPerPoint) {
            ++SampleCount;
        } else {
            newPoint = true;
            if (++Current >= count)
                Current = 0;
            SampleCount = 1;
            Points.Set(Current, BaseValue);
        }
        int64_t point = SaturatingAdd(Points.Get(Current), value);
        if (!Unbounded && point > Maximum)
            point = Maximum;
        Points.Set(Current, point);
    }
    if (!newPoint)
        return;
    // Each listener is read under the lock and told outside it: a listener may paint from this
    // series on another thread, and the list may change while it does.
    for (uint32_t i = 0;; ++i) {
        IRedrawable* listener;
        {
            thread::ScopedLock hold(Lock);
            if (i >= Listeners.GetCount())
                break;
            listener = static_cast<IRedrawable*>(Listeners.Get(i));
        }
        if (listener)
            listener->Redraw();
    }
}

void CounterData::SetHistoryLength(uint32_t n)
{
    thread::ScopedLock hold(Lock);
    if (n > kMaxHistoryLength)
        return;
    if (Points.GetCapacity() < n) {
        // The array's own growth gives up the process when memory runs out; a length the user
        // chose must not, so the block is tried first.
        void* probe = std::malloc(static_cast<size_t>(n) * sizeof(int64_t));
        if (!probe)
            return;
        std::free(probe);
        Points.ReserveExact(n);
    }
    Points.SetCount(n);
    int64_t* points = static_cast<int64_t*>(Points.GetData());
    for (uint32_t i = 0; i < n; ++i)
        points[i] = BaseValue;
    if (Current >= n)
        Current = 0;
}

void CounterData::AddListener(IRedrawable* listener)
{
    if (!listener)
        return;
    thread::ScopedLock hold(Lock);
    Listeners.Append(listener);
}

void CounterData::RemoveListener(IRedrawable* listener)
{
    thread::ScopedLock hold(Lock);
    Listeners.RemoveValue(listener);
}

} // namespace counter
} // namespace gui
} // namespace s

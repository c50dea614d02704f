#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace gui {

class IRedrawable;

namespace counter {

// The value history behind one counter gauge: a ring of 64-bit points, each the sum of a set
// number of samples, capped at a maximum unless unbounded. The application adds samples, the
// counter drawer reads the ring; both under the series' own lock, which every reader and writer
// of the fields below takes (thread::ScopedLock over Lock).
class CounterData : public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_counter_CounterData";
    // Beyond this many points the ring's storage could not be addressed in bytes.
    static const uint32_t kMaxHistoryLength = 0x1FFFFFFF;

    CounterData();
    ~CounterData() override;

    static thread::EasyPooler* GetPool();
    // A series with its reset values from the pool; null when none could be made.
    static CounterData* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // Sums the value into the current point, or first starts the next point (at the base value)
    // when the current one already holds its samples; then caps it. Listeners are told of a new
    // point after the lock is left, so one that repaints from the series cannot deadlock.
    // Ignored while the ring is empty.
    void AddSample(int64_t value);
    // Makes the ring n points long, every point at the base value. A length the ring cannot be
    // given (out of range or out of memory) leaves the series as it was; 0 empties the ring.
    void SetHistoryLength(uint32_t n);

    // Components redrawn when a new point begins, in the order added; not owned.
    void AddListener(IRedrawable* listener);
    void RemoveListener(IRedrawable* listener);

    // Automatic maximum: when clear, every point is capped at Maximum.
    uint8_t Unbounded;
    // The smallest maximum of an automatic scale.
    int64_t MaximumFloor;
    int64_t Maximum;
    // The bottom of the scale and the value each new point starts from.
    int64_t BaseValue;
    uint32_t SamplesPerPoint;
    // Samples already summed into the current point.
    uint32_t SampleCount;
    // The ring; its count is the history length.
    col::_array::ArrayS64 Points;
    // The point being filled; older points lie at lower indices, wrapping round.
    uint32_t Current;
    thread::ObjLocker Lock;
    col::_array::ArrayP Listeners;
    // Drawn as marks instead of columns.
    uint8_t DotMarks;
    // Drawn in OwnRed, OwnGreen, OwnBlue (low bytes) instead of the drawer's series colour.
    uint8_t OwnColor;
    int32_t OwnRed;
    int32_t OwnGreen;
    int32_t OwnBlue;

private:
    CounterData(const CounterData&) = delete;
    CounterData& operator=(const CounterData&) = delete;

    void SetDefaults();
};

} // namespace counter
} // namespace gui
} // namespace s

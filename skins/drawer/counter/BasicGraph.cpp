// The graph of a counter's series: history columns, a level bar or a centred graph.
#include "skins/drawer/counter/Basic.h"

#include <algorithm>
#include <limits>

#include "core/thread/ObjLocker.h"
#include "mfc/DC.h"
#include "windowing/paint/CounterData.h"

namespace s {
namespace gui {
namespace drawer {
namespace counter {
namespace win {

namespace {

using gui::counter::CounterData;

const int32_t kHistoryColumns = 0;
const int32_t kLevelBar = 1;
const int32_t kCentredColumns = 2;
// Height of a dot mark.
const int32_t kMarkHeight = 5;

// The painter holds a series' lock from its scale to its last column.
class SeriesLock {
public:
    explicit SeriesLock(CounterData* data) : data_(data)
    {
        if (data_)
            EnterCriticalSection(&data_->Lock.lock);
    }
    ~SeriesLock() { Release(); }
    void Release()
    {
        if (data_)
            LeaveCriticalSection(&data_->Lock.lock);
        data_ = nullptr;
    }

private:
    SeriesLock(const SeriesLock&) = delete;
    SeriesLock& operator=(const SeriesLock&) = delete;
    CounterData* data_;
};

// One series as the painter walks it: its ring and scale, read under its lock.
struct Walk {
    CounterData* data;
    const int64_t* points;
    uint32_t count;
    // The current point, kept inside the ring whatever the series' users left in it.
    uint32_t current;
    int64_t max;
    COLORREF color;
    bool rounded;

    explicit Walk(CounterData* series)
        : data(series), points(static_cast<const int64_t*>(series->Points.GetData())),
          count(series->Points.GetCount()), current(count ? series->Current % count : 0), max(series->Maximum),
          color(0), rounded(false)
    {
    }

    // The ring index `back` points before the current one.
    uint32_t IndexBack(uint32_t back) const { return (current + count - back % count) % count; }
    bool Drawable() const { return count >= 2; }
};

// The automatic maximum: the floor, raised to the largest of the points in view. The level bar
// views the points before the current one, the column graphs the current one too.
int64_t AutomaticMaximum(const Walk& walk, int32_t mode, int32_t width)
{
    int64_t max = walk.data->MaximumFloor;
    if (!walk.Drawable())
        return max;
    const uint32_t start = mode == kLevelBar ? 1 : 0;
    const uint32_t inView = std::min<uint32_t>(static_cast<uint32_t>(width), walk.count - 1);
    for (uint32_t k = 0; k < inView; ++k)
        max = std::max(max, walk.points[walk.IndexBack(start + k)]);
    return max;
}

// (v - base) scaled from the range to the extent, as a 32-bit pixel count: truncated, or rounded
// half away from zero. Wide enough inside that no value of the series can overflow.
int32_t Scale(int64_t value, int64_t base, __int128 range, int32_t extent, bool rounded)
{
    const __int128 product = (static_cast<__int128>(value) - base) * extent;
    double q = static_cast<double>(product) / static_cast<double>(range);
    if (rounded)
        q = q >= 0 ? q + 0.5 : q - 0.5;
    if (q >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (q <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(q);
}

struct Area {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    int32_t width;
    int32_t height;
};

// Columns from the right edge leftwards; the first series from the point before the current
// one, the second from the current one. `under` is the first series, still locked, when this
// is the second: a second-series value below the first's at the same ring index gets no
// one-pixel minimum, so it does not show as a line over the first series' column.
void DrawColumns(CDC* dc, const Area& area, const Walk& walk, int32_t mode, __int128 range, uint32_t startBack,
                 const Walk* under)
{
    const int64_t base = walk.data->BaseValue;
    const bool marks = walk.data->DotMarks != 0;
    const uint32_t columns = std::min<uint32_t>(static_cast<uint32_t>(area.width), walk.count - 1);
    for (uint32_t i = 0; i < columns; ++i) {
        const int32_t x = area.right - 1 - static_cast<int32_t>(i);
        const uint32_t j = walk.IndexBack(startBack + i);
        const int64_t v = walk.points[j];
        int32_t h = Scale(v, base, range, area.height, walk.rounded);
        if (mode == kHistoryColumns) {
            if (h == 0 && area.height > 0 && v > base) {
                const bool hidden = under && under->count > 0 && j < under->count - 1 && v < under->points[j];
                if (!hidden)
                    h = 1;
            }
            if (h <= 0)
                continue;
            dc->FillSolidRect(x, area.bottom - h, 1, marks ? kMarkHeight : h, walk.color);
            continue;
        }
        if (h <= 0)
            continue;
        const int32_t u = (area.height - h) / 2;
        if (marks) {
            dc->FillSolidRect(x, area.top + u, 1, kMarkHeight, walk.color);
            dc->FillSolidRect(x, area.bottom - u - kMarkHeight, 1, kMarkHeight, walk.color);
        } else {
            dc->FillSolidRect(x, area.top + u, 1, h, walk.color);
        }
    }
}

void DrawSeries(CDC* dc, const Area& area, const Walk& walk, int32_t mode, uint32_t startBack, const Walk* under)
{
    if (!walk.Drawable())
        return;
    const __int128 range = static_cast<__int128>(walk.max) - walk.data->BaseValue;
    if (range <= 0)
        return;
    if (mode == kLevelBar) {
        const int32_t w = Scale(walk.points[walk.current], walk.data->BaseValue, range, area.width, false);
        if (w > 0)
            dc->FillSolidRect(area.left, area.top, w, area.height, walk.color);
        return;
    }
    DrawColumns(dc, area, walk, mode, range, startBack, under);
}

COLORREF SeriesColor(const CounterData* data, COLORREF drawerColor)
{
    return data->OwnColor ? ComposeColor(data->OwnRed, data->OwnGreen, data->OwnBlue) : drawerColor;
}

} // namespace

void Basic::DrawGraph(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t mode,
                      gui::counter::CounterData* first, gui::counter::CounterData* second, bool swap)
{
    if (right <= left || bottom <= top || !dc || !dc->GetSafeHdc())
        return;
    const int64_t width = static_cast<int64_t>(right) - left;
    const int64_t height = static_cast<int64_t>(bottom) - top;
    if (width > std::numeric_limits<int32_t>::max() || height > std::numeric_limits<int32_t>::max())
        return;
    const Area area = {left, top, right, bottom, static_cast<int32_t>(width), static_cast<int32_t>(height)};
    if (!backgroundTransparent_)
        dc->FillSolidRect(left, top, area.width, area.height, background_);
    if ((mode != kHistoryColumns && mode != kLevelBar && mode != kCentredColumns) || !first)
        return;
    // The swap exchanges the series colours of the columns and the bar, not of the centred graph.
    const bool swapped = swap && mode != kCentredColumns;

    SeriesLock firstLock(first);
    // The second series is scaled on the first one's automatic maximum.
    const bool automatic = first->Unbounded != 0;
    Walk one(first);
    if (automatic)
        one.max = AutomaticMaximum(one, mode, area.width);
    one.color = SeriesColor(first, swapped ? second_ : first_);
    one.rounded = mode == kCentredColumns;
    DrawSeries(dc, area, one, mode, 1, nullptr);
    if (!second)
        return;
    // Only the columns compare the second series with the first: its lock is kept for them.
    if (mode != kHistoryColumns)
        firstLock.Release();

    SeriesLock secondLock(second);
    Walk two(second);
    two.max = automatic ? one.max : second->Maximum;
    two.color = SeriesColor(second, swapped ? first_ : second_);
    DrawSeries(dc, area, two, mode, 0, mode == kHistoryColumns ? &one : nullptr);
}

} // namespace win
} // namespace counter
} // namespace drawer
} // namespace gui
} // namespace s

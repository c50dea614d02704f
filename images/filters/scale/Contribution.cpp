#include "images/filters/scale/Contribution.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "images/filters/scale/IScaleFilter.h"

namespace s {
namespace image {
namespace filters {
namespace scale {

namespace {
const int64_t kHeaderBytes = 8;
const int64_t kLargestList = 0xFFFFFFFFll;
} // namespace

Contribution::Contribution() : entryCount_(0), weightsPerEntry_(0), entrySize_(0) {}

thread::EasyPooler* Contribution::GetPool()
{
    return &thread::PoolOf<Contribution>();
}

Contribution* Contribution::New()
{
    return thread::TakeFromPool<Contribution>();
}

const wchar_t* Contribution::GetClassName()
{
    return kClassName;
}

base::IObject* Contribution::NewInstance()
{
    return New();
}

void Contribution::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Contribution::Reset()
{
    entryCount_ = 0;
    weightsPerEntry_ = 0;
    entrySize_ = 0;
    entries_.FreeAll();
}

bool Contribution::Configure(int32_t n, int32_t weightsPerEntry)
{
    entryCount_ = 0;
    weightsPerEntry_ = 0;
    entrySize_ = 0;
    entries_.SetCount(0);
    if (n < 0 || weightsPerEntry < 0)
        return false;
    const int64_t entrySize = kHeaderBytes + 4 * int64_t(weightsPerEntry);
    const int64_t bytes = entrySize * n;
    if (entrySize > INT32_MAX || bytes > kLargestList)
        return false;
    const uint32_t needed = static_cast<uint32_t>(bytes);
    if (entries_.GetCapacity() < needed) {
        // The old entries are not wanted: nothing is carried into the grown storage.
        entries_.FreeAll();
        entries_.EnsureCapacity(needed);
    }
    entries_.SetCount(needed);
    entryCount_ = n;
    weightsPerEntry_ = weightsPerEntry;
    entrySize_ = static_cast<int32_t>(entrySize);
    return true;
}

bool Contribution::Build(IScaleFilter* filter, int32_t n, int32_t m, double scale)
{
    if (!filter || n <= 0 || m <= 0 || !(scale > 0.0)) {
        Configure(0, 0);
        return false;
    }
    double support = filter->GetSupport();
    double factor = 1.0;
    if (scale < 1.0) {
        // Shrinking widens the kernel over the source, flattened to keep its area.
        support /= scale;
        factor = scale;
    }
    const double widest = 2.0 * std::ceil(support) + 1.0;
    if (!(widest <= INT32_MAX) || !Configure(n, static_cast<int32_t>(widest)))
        return false;
    std::vector<double> weights(static_cast<size_t>(weightsPerEntry_));

    for (int32_t i = 0; i < n; ++i) {
        const double centre = i / scale;
        const int64_t left = std::max<int64_t>(0, static_cast<int64_t>(std::floor(centre - support)));
        const int64_t right = std::min<int64_t>(m - 1, static_cast<int64_t>(std::ceil(centre + support)));
        int64_t first = left;
        int64_t last = left - 1;
        int32_t count = 0;
        double sum = 0.0;
        for (int64_t j = left; j <= right; ++j) {
            const double weight = filter->GetWeight((centre - static_cast<double>(j)) * factor);
            if (weight > 0.0) {
                if (count == weightsPerEntry_)
                    break;
                weights[static_cast<size_t>(count++)] = weight * factor;
                sum += weight * factor;
                last = j;
            } else if (count == 0) {
                first = j + 1;
            } else {
                break;
            }
        }
        int32_t* entry = EntryAt(i);
        if (count == 0) {
            // Nothing reaches this output: the last source pixel past the end, else a copy of the
            // leftmost one (weight 0, which the passes treat as a copy).
            const bool atEnd = right == m - 1 || left > right;
            entry[0] = entry[1] = static_cast<int32_t>(atEnd ? m - 1 : left);
            entry[2] = atEnd ? kOne : 0;
            continue;
        }
        entry[0] = static_cast<int32_t>(first);
        entry[1] = static_cast<int32_t>(last);
        for (int32_t k = 0; k < count; ++k) {
            const double normal = sum > 0.0 ? weights[static_cast<size_t>(k)] / sum : weights[static_cast<size_t>(k)];
            entry[2 + k] = static_cast<int32_t>(normal * kOne);
        }
    }
    return true;
}

} // namespace scale
} // namespace filters
} // namespace image
} // namespace s

#pragma once
#include <cstdint>

#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace image {
namespace filters {
namespace scale {

class IScaleFilter;

// The contribution list of one resampling direction: per output pixel the first and last source
// index and one 16.16 weight per source index between them, entries of a fixed size back to back.
class Contribution : public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_filters_scale_Contribution";
    // 1.0 in the stored weights.
    static const int32_t kOne = 65536;

    Contribution();

    static thread::EasyPooler* GetPool();
    static Contribution* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // Room for n entries of weightsPerEntry weights, contents undefined; storage only grows (by the
    // array growth rule). False, and the list empty, when the size cannot be addressed.
    bool Configure(int32_t n, int32_t weightsPerEntry);
    // The entries for n outputs over m inputs at the given scale (n / m), with no half-pixel
    // offset: output i is centred on input i / scale. False, and the list empty, for n or m not
    // positive.
    bool Build(IScaleFilter* filter, int32_t n, int32_t m, double scale);

    int32_t GetEntryCount() const { return entryCount_; }
    int32_t GetWeightsPerEntry() const { return weightsPerEntry_; }
    int32_t GetEntrySize() const { return entrySize_; }
    // Entry i: first index, last index, then the weights from first to last.
    const int32_t* GetEntry(int32_t i) const
    {
        return reinterpret_cast<const int32_t*>(static_cast<const uint8_t*>(entries_.GetData()) +
                                                static_cast<size_t>(i) * static_cast<size_t>(entrySize_));
    }

private:
    Contribution(const Contribution&) = delete;
    Contribution& operator=(const Contribution&) = delete;

    int32_t* EntryAt(int32_t i)
    {
        return reinterpret_cast<int32_t*>(static_cast<uint8_t*>(entries_.GetData()) +
                                          static_cast<size_t>(i) * static_cast<size_t>(entrySize_));
    }

    int32_t entryCount_;
    int32_t weightsPerEntry_;
    int32_t entrySize_;
    col::_array::ArrayU08 entries_;
};

} // namespace scale
} // namespace filters
} // namespace image
} // namespace s

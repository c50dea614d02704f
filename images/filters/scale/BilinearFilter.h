#pragma once
#include "core/thread/EasyPooler.h"
#include "images/filters/scale/IScaleFilter.h"

namespace s {
namespace image {
namespace filters {
namespace scale {

// The tent kernel: support - |x| inside the support, 0 beyond. Support 1.0 when fresh.
class BilinearFilter : public IScaleFilter {
public:
    static constexpr const wchar_t* kClassName = L"s_image_filters_scale_BilinearFilter";

    BilinearFilter();

    static thread::EasyPooler* GetPool();
    static BilinearFilter* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    double GetWeight(double x) override;
    double GetSupport() override { return support_; }
    void SetSupport(double support) override { support_ = support; }

private:
    double support_;
};

} // namespace scale
} // namespace filters
} // namespace image
} // namespace s

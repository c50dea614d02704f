#pragma once
#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace image {
namespace filters {
namespace convolution {

// A 3 x 3 kernel, weights row by row from the upper left, and its divisor. The identity when fresh.
class Convolution : public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_filters_convolution_Convolution";
    static const int32_t kCentre = 4;

    Convolution();

    static thread::EasyPooler* GetPool();
    static Convolution* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    int32_t weights[9];
    int32_t divisor;
};

} // namespace convolution
} // namespace filters
} // namespace image
} // namespace s

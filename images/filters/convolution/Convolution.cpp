#include "images/filters/convolution/Convolution.h"

namespace s {
namespace image {
namespace filters {
namespace convolution {

Convolution::Convolution()
{
    Reset();
}

thread::EasyPooler* Convolution::GetPool()
{
    return &thread::PoolOf<Convolution>();
}

Convolution* Convolution::New()
{
    return thread::TakeFromPool<Convolution>();
}

const wchar_t* Convolution::GetClassName()
{
    return kClassName;
}

base::IObject* Convolution::NewInstance()
{
    return New();
}

void Convolution::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Convolution::Reset()
{
    for (int32_t& weight : weights)
        weight = 0;
    weights[kCentre] = 1;
    divisor = 1;
}

} // namespace convolution
} // namespace filters
} // namespace image
} // namespace s

#include "images/filters/scale/BilinearFilter.h"

#include <cmath>

namespace s {
namespace image {
namespace filters {
namespace scale {

namespace {
const double kDefaultSupport = 1.0;
}

BilinearFilter::BilinearFilter() : support_(kDefaultSupport) {}

thread::EasyPooler* BilinearFilter::GetPool()
{
    return &thread::PoolOf<BilinearFilter>();
}

BilinearFilter* BilinearFilter::New()
{
    return thread::TakeFromPool<BilinearFilter>();
}

const wchar_t* BilinearFilter::GetClassName()
{
    return kClassName;
}

base::IObject* BilinearFilter::NewInstance()
{
    return New();
}

void BilinearFilter::ReleaseToPool()
{
    GetPool()->Give(this);
}

void BilinearFilter::Reset()
{
    support_ = kDefaultSupport;
}

double BilinearFilter::GetWeight(double x)
{
    const double distance = std::fabs(x);
    return support_ > distance ? support_ - distance : 0.0;
}

} // namespace scale
} // namespace filters
} // namespace image
} // namespace s

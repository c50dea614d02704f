#pragma once
#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace image {
namespace filters {
namespace scale {

// The kernel of the resampler: a weight for each distance from an output pixel's centre.
class IScaleFilter : public base::IObject, public thread::IPoolable {
public:
    virtual double GetWeight(double x) = 0;
    // Half-width of the kernel: weights beyond it are 0.
    virtual double GetSupport() = 0;
    virtual void SetSupport(double support) = 0;
};

} // namespace scale
} // namespace filters
} // namespace image
} // namespace s

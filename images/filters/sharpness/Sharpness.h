#pragma once
#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/ObjLocker.h"
#include "images/filters/IFilter.h"

namespace s {
namespace image {
namespace filters {
namespace convolution {
class Convolution;
}

namespace sharpness {

// Blurs (negative levels) or sharpens (positive levels) an image with a 3 x 3 kernel; level 0
// only copies. Fresh: level 0, auto-release.
class Sharpness : public IFilter {
public:
    static constexpr const wchar_t* kClassName = L"s_image_filters_sharpness_Sharpness";
    static const wchar_t kName[];

    Sharpness();
    ~Sharpness() override;

    static thread::EasyPooler* GetPool();
    static Sharpness* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    const wchar_t* GetName() override;
    bool IsAutoRelease() override { return autoRelease_; }
    void SetAutoRelease(bool autoRelease) override { autoRelease_ = autoRelease; }
    // Copies the source into the target (a new image when null), then filters the copy in place.
    IBufferedImage* Apply(IBufferedImage* source, IBufferedImage* target) override;

    // Blur: centre 400, edges trunc(x * 200), corners trunc(x * 100) with x = -level / 100.
    // Sharpen: centre 1100, edges trunc(x * -180) with x = level / 100, corners 0. The divisor is
    // the weights' sum.
    void SetLevel(int32_t level);
    int32_t GetLevel() const { return level_; }
    // The kernel in use, null at level 0; read it under GetLock.
    const convolution::Convolution* GetKernel() const { return kernel_; }
    thread::ObjLocker& GetLock() { return lock_; }

private:
    Sharpness(const Sharpness&) = delete;
    Sharpness& operator=(const Sharpness&) = delete;

    // Puts the kernel in place under the lock and gives the old one back after it.
    void SwapKernel(convolution::Convolution* kernel);

    bool autoRelease_;
    thread::ObjLocker lock_;
    int32_t level_;
    convolution::Convolution* kernel_;
};

// A filter from the pool at that level.
Sharpness* NewSharpness(int32_t level);

} // namespace sharpness
} // namespace filters
} // namespace image
} // namespace s

#include "images/filters/sharpness/Sharpness.h"

#include <vector>

#include "images/filters/Convolve3x3.h"
#include "images/filters/convolution/Convolution.h"
#include "images/win/BufferedImage.h"

namespace s {
namespace image {
namespace filters {
namespace sharpness {

namespace {

using convolution::Convolution;

const int32_t kBlurCentre = 400;
const float kBlurEdge = 200.0f;
const float kBlurCorner = 100.0f;
const int32_t kSharpenCentre = 1100;
const float kSharpenEdge = -180.0f;
const float kPercent = 100.0f;

// Upper, left, right and lower; then the four corners.
const int kEdges[] = {1, 3, 5, 7};
const int kCorners[] = {0, 2, 6, 8};

Convolution* KernelOf(int32_t edge, int32_t corner, int32_t centre)
{
    Convolution* kernel = Convolution::New();
    if (!kernel)
        return nullptr;
    for (int i : kEdges)
        kernel->weights[i] = edge;
    for (int i : kCorners)
        kernel->weights[i] = corner;
    kernel->weights[Convolution::kCentre] = centre;
    kernel->divisor = centre + 4 * (edge + corner);
    return kernel;
}

} // namespace

const wchar_t Sharpness::kName[] = L"Sharpness";

Sharpness::Sharpness() : autoRelease_(true), level_(0), kernel_(nullptr) {}

Sharpness::~Sharpness()
{
    delete kernel_;
}

thread::EasyPooler* Sharpness::GetPool()
{
    return &thread::PoolOf<Sharpness>();
}

Sharpness* Sharpness::New()
{
    return thread::TakeFromPool<Sharpness>();
}

const wchar_t* Sharpness::GetClassName()
{
    return kClassName;
}

base::IObject* Sharpness::NewInstance()
{
    return New();
}

void Sharpness::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Sharpness::Reset()
{
    autoRelease_ = true;
    level_ = 0;
    SwapKernel(nullptr);
}

const wchar_t* Sharpness::GetName()
{
    return kName;
}

void Sharpness::SwapKernel(Convolution* kernel)
{
    Convolution* previous = nullptr;
    {
        thread::ScopedLock lock(lock_);
        previous = kernel_;
        kernel_ = kernel;
    }
    if (previous)
        previous->ReleaseToPool();
}

void Sharpness::SetLevel(int32_t level)
{
    level_ = level;
    Convolution* kernel = nullptr;
    if (level < 0) {
        const float x = static_cast<float>(-level) / kPercent;
        kernel = KernelOf(static_cast<int32_t>(x * kBlurEdge), static_cast<int32_t>(x * kBlurCorner), kBlurCentre);
    } else if (level > 0) {
        const float x = static_cast<float>(level) / kPercent;
        kernel = KernelOf(static_cast<int32_t>(x * kSharpenEdge), 0, kSharpenCentre);
    }
    SwapKernel(kernel);
}

IBufferedImage* Sharpness::Apply(IBufferedImage* source, IBufferedImage* target)
{
    if (!source || source == target)
        return nullptr;
    win::BufferedImage* made = nullptr;
    if (!target) {
        made = win::BufferedImage::New();
        target = made;
    }
    if (!target || !source->CopyTo(target)) {
        if (made)
            made->ReleaseToPool();
        return nullptr;
    }
    {
        thread::ScopedLock lock(lock_);
        if (kernel_) {
            const int32_t height = target->GetHeight();
            std::vector<uint32_t*> rows(static_cast<size_t>(height));
            for (int32_t y = 0; y < height; ++y)
                rows[static_cast<size_t>(y)] = target->GetRow(y);
            Convolve3x3(kernel_, rows.data(), target->GetWidth(), height);
        }
    }
    target->SetHasAlpha(source->HasAlpha());
    return target;
}

Sharpness* NewSharpness(int32_t level)
{
    Sharpness* filter = Sharpness::New();
    if (filter)
        filter->SetLevel(level);
    return filter;
}

} // namespace sharpness
} // namespace filters
} // namespace image
} // namespace s

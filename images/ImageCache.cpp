#include "images/ImageCache.h"

#include <algorithm>
#include <cstring>

namespace s {
namespace image {

namespace {

const int64_t kBytesPerPixel = 4;
// Rows and strides are addressed in 32 bits.
const int64_t kLargestSide = INT32_MAX / kBytesPerPixel;

uint8_t* HeapBlock(int64_t bytes)
{
    if (bytes <= 0 || static_cast<uint64_t>(bytes) > SIZE_MAX)
        return nullptr;
    return static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(bytes)));
}

void FreeHeapBlock(uint8_t* block)
{
    if (block)
        HeapFree(GetProcessHeap(), 0, block);
}

} // namespace

ImageCache::ImageCache()
    : memory_(nullptr), width_(0), height_(0), rowBytes_(0), capacityWidth_(0), capacityHeight_(0), stride_(0),
      hasAlpha_(true), scaledCopy_(nullptr)
{
}

ImageCache::~ImageCache()
{
    FreeMemory();
    delete scaledCopy_;
}

thread::EasyPooler* ImageCache::GetPool()
{
    return &thread::PoolOf<ImageCache>();
}

ImageCache* ImageCache::New()
{
    return thread::TakeFromPool<ImageCache>();
}

const wchar_t* ImageCache::GetClassName()
{
    return kClassName;
}

base::IObject* ImageCache::NewInstance()
{
    return New();
}

void ImageCache::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ImageCache::Reset()
{
    FreeMemory();
    hasAlpha_ = true;
    SetScaledCache(nullptr);
}

void ImageCache::FreeMemory()
{
    FreeHeapBlock(memory_);
    memory_ = nullptr;
    width_ = height_ = rowBytes_ = 0;
    capacityWidth_ = capacityHeight_ = stride_ = 0;
}

bool ImageCache::SetSize(int32_t width, int32_t height)
{
    if (width < 0 || height < 0 || width > capacityWidth_ || height > capacityHeight_)
        return false;
    width_ = width;
    height_ = height;
    rowBytes_ = width * static_cast<int32_t>(kBytesPerPixel);
    return true;
}

bool ImageCache::Create(int32_t width, int32_t height)
{
    FreeMemory();
    if (width <= 0 || height <= 0 || width > kLargestSide)
        return false;
    uint8_t* memory = HeapBlock(int64_t(width) * height * kBytesPerPixel);
    if (!memory)
        return false;
    memory_ = memory;
    capacityWidth_ = width;
    capacityHeight_ = height;
    stride_ = width * static_cast<int32_t>(kBytesPerPixel);
    return SetSize(width, height);
}

bool ImageCache::Reserve(int32_t width, int32_t height)
{
    if (capacityWidth_ >= width && capacityHeight_ >= height)
        return true;
    // No side shrinks: the old rows need their room in the new memory.
    width = std::max(width, capacityWidth_);
    height = std::max(height, capacityHeight_);
    if (width <= 0 || height <= 0 || width > kLargestSide)
        return false;
    uint8_t* memory = HeapBlock(int64_t(width) * height * kBytesPerPixel);
    if (!memory)
        return false;
    const int32_t oldWidth = width_;
    const int32_t oldHeight = height_;
    const int32_t oldRowBytes = rowBytes_;
    const int32_t oldStride = stride_;
    const int32_t oldCapacityHeight = capacityHeight_;
    uint8_t* const oldMemory = memory_;
    for (int32_t y = 0; y < oldHeight; ++y) {
        std::memcpy(memory + static_cast<size_t>(height - 1 - y) * static_cast<size_t>(width) * kBytesPerPixel,
                    oldMemory + static_cast<size_t>(oldCapacityHeight - 1 - y) * static_cast<size_t>(oldStride),
                    static_cast<size_t>(oldRowBytes));
    }
    FreeHeapBlock(oldMemory);
    memory_ = memory;
    capacityWidth_ = width;
    capacityHeight_ = height;
    stride_ = width * static_cast<int32_t>(kBytesPerPixel);
    return SetSize(oldWidth, oldHeight);
}

IImageBuffer* ImageCache::NewImage(int32_t width, int32_t height)
{
    ImageCache* image = New();
    if (!image)
        return nullptr;
    if (!image->Create(width, height)) {
        image->ReleaseToPool();
        return nullptr;
    }
    image->SetHasAlpha(true);
    return image;
}

uint32_t* ImageCache::GetRow(int32_t y)
{
    if (!memory_ || y < 0 || y >= height_)
        return nullptr;
    return reinterpret_cast<uint32_t*>(memory_ + static_cast<size_t>(capacityHeight_ - 1 - y) * stride_);
}

const uint32_t* ImageCache::GetRow(int32_t y) const
{
    return const_cast<ImageCache*>(this)->GetRow(y);
}

void ImageCache::SetScaledCache(IImageBuffer* image)
{
    if (scaledCopy_ && scaledCopy_ != image)
        ReleaseImage(scaledCopy_);
    scaledCopy_ = image;
}

ImageCache* CopyToImageCache(IImageBuffer* image)
{
    if (!image)
        return nullptr;
    ImageCache* cache = ImageCache::New();
    if (!cache)
        return nullptr;
    const int32_t width = image->GetWidth();
    const int32_t height = image->GetHeight();
    // An empty picture gives an empty cache; one whose memory cannot be had gives none.
    if (!cache->Create(width, height) && width > 0 && height > 0) {
        cache->ReleaseToPool();
        return nullptr;
    }
    cache->SetHasAlpha(true);
    const size_t rowBytes = static_cast<size_t>(image->GetRowBytes());
    for (int32_t y = 0; y < cache->GetHeight(); ++y)
        std::memcpy(cache->GetRow(y), image->GetRow(y), rowBytes);
    cache->SetHasAlpha(image->HasAlpha());
    return cache;
}

} // namespace image
} // namespace s

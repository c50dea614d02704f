#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "images/IImageBuffer.h"

namespace s {
namespace image {

// A 32-bit image in plain heap memory, without any GDI object, for pictures that are kept many
// at a time (the lists' icons). Rows lie as in the buffered image: logical row y at
// memory + (capacity height - y - 1) x stride, so every pixel routine treats both alike. Fresh and
// after a reset it is empty and has the has-alpha flag.
class ImageCache : public IImageBuffer, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_ImageCache";

    ImageCache();
    ~ImageCache() override;

    static thread::EasyPooler* GetPool();
    static ImageCache* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    int32_t GetWidth() override { return width_; }
    int32_t GetHeight() override { return height_; }

    bool HasBitmapHandle() override { return false; }
    HBITMAP GetBitmapHandle() override { return nullptr; }
    bool SetSize(int32_t width, int32_t height) override;
    bool Reserve(int32_t width, int32_t height) override;
    // False, and the image empty (0 x 0), when the memory cannot be had.
    bool Create(int32_t width, int32_t height) override;
    IImageBuffer* NewImage(int32_t width, int32_t height) override;
    int32_t GetRowBytes() override { return rowBytes_; }
    int32_t GetCapacityWidth() override { return capacityWidth_; }
    int32_t GetCapacityHeight() override { return capacityHeight_; }
    int32_t GetStride() override { return stride_; }
    uint32_t* GetRow(int32_t y) override;
    const uint32_t* GetRow(int32_t y) const override;
    uint8_t* GetBits() override { return memory_; }
    const uint8_t* GetBits() const override { return memory_; }
    bool HasAlpha() override { return hasAlpha_; }
    void SetHasAlpha(bool hasAlpha) override { hasAlpha_ = hasAlpha; }
    IImageBuffer* GetScaledCache() override { return scaledCopy_; }
    void SetScaledCache(IImageBuffer* image) override;

private:
    ImageCache(const ImageCache&) = delete;
    ImageCache& operator=(const ImageCache&) = delete;

    void FreeMemory();

    uint8_t* memory_;
    int32_t width_;
    int32_t height_;
    int32_t rowBytes_;
    int32_t capacityWidth_;
    int32_t capacityHeight_;
    int32_t stride_;
    bool hasAlpha_;
    IImageBuffer* scaledCopy_;
};

// A cache from the pool holding a copy of the image's pixels and its has-alpha flag; null when the
// image is null or the memory cannot be had.
ImageCache* CopyToImageCache(IImageBuffer* image);

} // namespace image
} // namespace s

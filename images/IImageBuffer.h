#pragma once
#include <windows.h>

#include <cstdint>

#include "images/IImage.h"

namespace s {
namespace image {

// Directly addressable 32-bit pixels, one 0xAARRGGBB word each: a logical size inside a capacity
// that only grows, rows addressed top row first.
class IImageBuffer : public IImage {
public:
    virtual bool HasBitmapHandle() = 0;
    virtual HBITMAP GetBitmapHandle() = 0;
    // Sets the logical size; false, and nothing changed, outside 0 .. capacity.
    virtual bool SetSize(int32_t width, int32_t height) = 0;
    // Grows the capacity to cover width x height, every logical row kept in place; a side never
    // shrinks. False, and nothing changed, when the pixels cannot be made.
    virtual bool Reserve(int32_t width, int32_t height) = 0;
    // New pixels of exactly width x height (contents undefined); false leaves the image empty.
    virtual bool Create(int32_t width, int32_t height) = 0;
    // A new image of this one's class, created at that size; null when it cannot be made.
    virtual IImageBuffer* NewImage(int32_t width, int32_t height) = 0;
    virtual int32_t GetRowBytes() = 0;
    virtual int32_t GetCapacityWidth() = 0;
    virtual int32_t GetCapacityHeight() = 0;
    virtual int32_t GetStride() = 0;
    // Logical row y counted from the top; null outside the logical height.
    virtual uint32_t* GetRow(int32_t y) = 0;
    virtual const uint32_t* GetRow(int32_t y) const = 0;
    virtual uint8_t* GetBits() = 0;
    virtual const uint8_t* GetBits() const = 0;
    // Whether the alpha bytes carry meaning; without it the image counts as opaque.
    virtual bool HasAlpha() = 0;
    virtual void SetHasAlpha(bool hasAlpha) = 0;
    // The cached result of the last scaling, owned by this image; callers never give it back.
    virtual IImageBuffer* GetScaledCache() = 0;
    // Gives the previous scaled copy back to its pool and keeps the new one.
    virtual void SetScaledCache(IImageBuffer* image) = 0;
};

// Gives an image back to its class's pool; null is left alone.
void ReleaseImage(IImage* image);

} // namespace image
} // namespace s

#pragma once
#include <cstdint>

#include "images/IImage.h"

namespace s {
namespace image {
namespace win {
class BufferedImage;
class BufferedImageSet;
} // namespace win

// An ordered set of images with a depth, a delay and a combine mode each: the frames of an
// animation or the sizes of an icon. Its size is the primary image's. Images put into a set belong
// to it; those it hands out stay its own.
class IBufferedImageSet : public IImage {
public:
    virtual int32_t GetCount() = 0;
    // Appends; a null image, or one the set already holds, changes nothing.
    virtual void AddImage(win::BufferedImage* image, int32_t bitsPerPixel, int32_t delay, int32_t combineMode) = 0;
    // The primary size anew from the images (their filtered images where they have filters);
    // returns the count.
    virtual int32_t UpdatePrimaryImage() = 0;
    virtual bool IsAnimated() = 0;
    virtual int32_t GetLoopCount() = 0;
    virtual void SetAnimation(bool animated, int32_t loopCount) = 0;
    // Milliseconds; 1000 past the count.
    virtual int32_t GetDelay(int32_t index) = 0;
    // 1 drawn over the previous frame, 2 complete; 1000 past the count.
    virtual int32_t GetCombineMode(int32_t index) = 0;
    // New sets from the pool: copies of the images, their scaled copies, their filtered images,
    // and the frames composed into complete ones. Null when no set can be had.
    virtual win::BufferedImageSet* Copy() = 0;
    virtual win::BufferedImageSet* ComposeFrames() = 0;
    virtual win::BufferedImageSet* ScaledCopy(int32_t width, int32_t height, bool keepAspect) = 0;
    virtual win::BufferedImageSet* FilteredCopy() = 0;
    virtual int32_t GetPrimaryIndex() = 0;
    // Null for an empty set.
    virtual win::BufferedImage* GetPrimaryImage() = 0;
    // The searches: true with the index, else false with index 0.
    virtual bool FindExactImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) = 0;
    // Nearest depth first, nearest area on a tie.
    virtual bool FindNearestDepthImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) = 0;
    // Nearest area first, nearest depth on a tie.
    virtual bool FindNearestSizeImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) = 0;
    // Empties the set; the images are left to whoever holds them.
    virtual void DetachAll() = 0;
    // Empties the set, giving the images back to their pool; the loop count becomes 1.
    virtual void RemoveAll() = 0;
    // Null past the count.
    virtual win::BufferedImage* GetImage(int32_t index) = 0;
    // A 32-bit image without delay or combine mode.
    virtual void AddImage(win::BufferedImage* image) = 0;
};

} // namespace image
} // namespace s

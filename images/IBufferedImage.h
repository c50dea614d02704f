#pragma once
#include <cstdint>

#include "images/IImageBuffer.h"

class CDC;

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col
namespace io {
class IOutputStream;
}

namespace image {
namespace filters {
class IFilter;
}

// The drawing, saving, filter and printing operations of the GDI image.
class IBufferedImage : public IImageBuffer {
public:
    // Copies the image (with scale first, its copy scaled to width x height) to the device
    // context at (x, y), no more than the image's own size; false when nothing was drawn.
    virtual bool Draw(CDC* dc, int32_t x, int32_t y, int32_t width, int32_t height, bool scaleFirst) = 0;
    virtual bool DrawAtOrigin(CDC* dc, int32_t width, int32_t height, bool scaleFirst) = 0;
    // Draws the source into this image at (x, y): copied when opaque, blended over when it has alpha.
    virtual void DrawImage(int32_t x, int32_t y, int32_t width, int32_t height, IImageBuffer* source, int32_t sourceX,
                           int32_t sourceY, bool scaleFirst) = 0;
    // This image, or its scaled copy (owned by this image); null for an empty size.
    virtual IBufferedImage* Scale(int32_t width, int32_t height, bool keepAspect) = 0;

    virtual void SaveAsBmp(io::IOutputStream* out, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                           int32_t green, int32_t blue) = 0;
    virtual void SaveAsBmp(const wchar_t* path, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                           int32_t green, int32_t blue) = 0;
    virtual void SaveAsGif(io::IOutputStream* out, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                           int32_t green, int32_t blue) = 0;
    virtual void SaveAsGif(const wchar_t* path, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                           int32_t green, int32_t blue) = 0;
    virtual void SaveAsJpeg(io::IOutputStream* out, int32_t quality, int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SaveAsJpeg(const wchar_t* path, int32_t quality, int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SaveAsPng(io::IOutputStream* out, bool interlace, bool keepTransparency, int32_t red,
                           int32_t green, int32_t blue) = 0;
    virtual void SaveAsPng(const wchar_t* path, bool interlace, bool keepTransparency, int32_t red, int32_t green,
                           int32_t blue) = 0;

    // Copies and quarter turns into the target (its old pixels not kept) or, with null, into a new
    // image from the pool; the image filled, or null when the pixels cannot be made or the target
    // is this image.
    virtual IBufferedImage* CopyTo(IBufferedImage* target) = 0;
    virtual IBufferedImage* RotateRight(IBufferedImage* target) = 0;
    virtual IBufferedImage* Rotate180(IBufferedImage* target) = 0;
    virtual IBufferedImage* RotateLeft(IBufferedImage* target) = 0;
    virtual IBufferedImage* MirrorHorizontal(IBufferedImage* target) = 0;
    virtual IBufferedImage* FlipVertical(IBufferedImage* target) = 0;

    virtual bool HasFilters() = 0;
    // The first filter whose name is this very text (by address): true with its index.
    virtual bool FindFilter(const wchar_t* name, int32_t* index) = 0;
    virtual col::_array::ArrayP* GetFilterList() = 0;
    // Null outside the list.
    virtual filters::IFilter* GetFilter(int32_t index) = 0;
    virtual void AddFilter(filters::IFilter* filter) = 0;
    // Inserts at index, appends when index equals the count; false outside.
    virtual bool InsertFilter(int32_t index, filters::IFilter* filter) = 0;
    virtual void RemoveFilter(int32_t index) = 0;
    virtual void RemoveAllFilters() = 0;
    virtual void DetachAllFilters() = 0;
    // Runs the chain anew; the filtered image (owned by this image) or null.
    virtual IBufferedImage* ApplyFilters() = 0;
    virtual IBufferedImage* GetFilteredImage() = 0;

    // Prints the image on the default printer after the print dialog.
    virtual void Print(bool rotateLandscape, bool sharpen, bool fitToPage) = 0;
};

} // namespace image
} // namespace s

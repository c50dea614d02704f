#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "images/IBufferedImage.h"

namespace s {
namespace image {
namespace bmp {
namespace win {
class Bitmap;
}
} // namespace bmp
namespace gif {
namespace win {
class Gif;
}
} // namespace gif
namespace jpg {
namespace win {
class Jpeg;
}
} // namespace jpg
namespace png {
namespace win {
class Png;
}
} // namespace png

namespace win {

// The one in-memory picture of the system: 32-bit pixels (0xAARRGGBB) in a bottom-up DIB section,
// addressed top row first, so that the image code writes them directly and GDI copies them to a
// screen or printer unchanged. The logical image lies in the top-left corner of a capacity that
// only grows.
class BufferedImage : public IBufferedImage, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_win_BufferedImage";

    BufferedImage();
    ~BufferedImage() override;

    static thread::EasyPooler* GetPool();
    // An image without pixels from the pool.
    static BufferedImage* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    int32_t GetWidth() override { return width_; }
    int32_t GetHeight() override { return height_; }

    bool HasBitmapHandle() override { return true; }
    HBITMAP GetBitmapHandle() override;
    bool SetSize(int32_t width, int32_t height) override;
    bool Reserve(int32_t width, int32_t height) override;
    bool Create(int32_t width, int32_t height) override;
    IImageBuffer* NewImage(int32_t width, int32_t height) override;
    int32_t GetRowBytes() override { return rowBytes_; }
    int32_t GetCapacityWidth() override { return capacityWidth_; }
    int32_t GetCapacityHeight() override { return capacityHeight_; }
    int32_t GetStride() override { return stride_; }
    uint32_t* GetRow(int32_t y) override;
    const uint32_t* GetRow(int32_t y) const override;
    uint8_t* GetBits() override { return bits_; }
    const uint8_t* GetBits() const override { return bits_; }
    bool HasAlpha() override { return hasAlpha_; }
    void SetHasAlpha(bool hasAlpha) override { hasAlpha_ = hasAlpha; }
    IImageBuffer* GetScaledCache() override { return scaledCopy_; }
    void SetScaledCache(IImageBuffer* image) override;

    bool Draw(CDC* dc, int32_t x, int32_t y, int32_t width, int32_t height, bool scaleFirst) override;
    bool DrawAtOrigin(CDC* dc, int32_t width, int32_t height, bool scaleFirst) override;
    void DrawImage(int32_t x, int32_t y, int32_t width, int32_t height, IImageBuffer* source, int32_t sourceX,
                   int32_t sourceY, bool scaleFirst) override;
    IBufferedImage* Scale(int32_t width, int32_t height, bool keepAspect) override;

    // The saves write nothing, and a path form leaves a file of that name as it was, when the
    // picture cannot be converted.
    void SaveAsBmp(io::IOutputStream* out, int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green,
                   int32_t blue) override;
    void SaveAsBmp(const wchar_t* path, int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green,
                   int32_t blue) override;
    void SaveAsGif(io::IOutputStream* out, int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green,
                   int32_t blue) override;
    void SaveAsGif(const wchar_t* path, int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green,
                   int32_t blue) override;
    void SaveAsJpeg(io::IOutputStream* out, int32_t quality, int32_t red, int32_t green, int32_t blue) override;
    void SaveAsJpeg(const wchar_t* path, int32_t quality, int32_t red, int32_t green, int32_t blue) override;
    void SaveAsPng(io::IOutputStream* out, bool interlace, bool keepTransparency, int32_t red, int32_t green,
                   int32_t blue) override;
    void SaveAsPng(const wchar_t* path, bool interlace, bool keepTransparency, int32_t red, int32_t green,
                   int32_t blue) override;

    IBufferedImage* CopyTo(IBufferedImage* target) override;
    IBufferedImage* RotateRight(IBufferedImage* target) override;
    IBufferedImage* Rotate180(IBufferedImage* target) override;
    IBufferedImage* RotateLeft(IBufferedImage* target) override;
    IBufferedImage* MirrorHorizontal(IBufferedImage* target) override;
    IBufferedImage* FlipVertical(IBufferedImage* target) override;

    bool HasFilters() override;
    bool FindFilter(const wchar_t* name, int32_t* index) override;
    col::_array::ArrayP* GetFilterList() override { return &filters_; }
    filters::IFilter* GetFilter(int32_t index) override;
    void AddFilter(filters::IFilter* filter) override;
    bool InsertFilter(int32_t index, filters::IFilter* filter) override;
    void RemoveFilter(int32_t index) override;
    void RemoveAllFilters() override;
    void DetachAllFilters() override;
    IBufferedImage* ApplyFilters() override;
    IBufferedImage* GetFilteredImage() override;

    void Print(bool rotateLandscape, bool sharpen, bool fitToPage) override;

private:
    BufferedImage(const BufferedImage&) = delete;
    BufferedImage& operator=(const BufferedImage&) = delete;

    void ForgetPixels();
    // This picture in a codec from its pool, for the saves; null when it cannot be converted.
    bmp::win::Bitmap* NewBmp(int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green, int32_t blue);
    gif::win::Gif* NewGif(int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green, int32_t blue);
    jpg::win::Jpeg* NewJpeg(int32_t quality, int32_t red, int32_t green, int32_t blue);
    png::win::Png* NewPng(bool interlace, bool keepTransparency, int32_t red, int32_t green, int32_t blue);
    void DropFilteredImage();

    bmp::win::Bitmap* bitmap_;
    uint8_t* bits_;
    int32_t width_;
    int32_t height_;
    int64_t pixelCount_;
    int64_t byteSize_;
    int32_t rowBytes_;
    int32_t capacityWidth_;
    int32_t capacityHeight_;
    int64_t capacityPixelCount_;
    int64_t capacityByteSize_;
    int32_t stride_;
    IImageBuffer* scaledCopy_;
    bool hasAlpha_;
    col::_array::ArrayP filters_;
    IBufferedImage* filteredImage_;
};

// A new image from the pool with pixels of width x height; null when they cannot be made.
BufferedImage* NewBufferedImage(int32_t width, int32_t height);

} // namespace win
} // namespace image
} // namespace s

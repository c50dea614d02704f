#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "images/IImage.h"

namespace s {
namespace image {
class IBufferedImage;
}
} // namespace s

namespace s {
namespace image {
namespace bmp {
namespace win {

// One Windows DIB section with its file header, info header and colour table: the holder of
// the pixels of every GDI image of the library.
class Bitmap : public IImage, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_bmp_win_Bitmap";

    Bitmap();
    ~Bitmap() override;

    static thread::EasyPooler* GetPool();
    static Bitmap* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    int32_t GetWidth() override;
    int32_t GetHeight() override;

    // An empty bottom-up DIB section replacing the previous one; null (and no pixels) when the
    // size is not positive, too large to address, or the system refuses it.
    HBITMAP CreateDib(int32_t width, int32_t height, int32_t bitsPerPixel);
    HBITMAP GetHandle() const { return handle_; }
    int32_t GetBitCount() const { return info_.header.biBitCount; }
    int32_t GetStride() const { return stride_; }
    int32_t GetColorCount() const { return colorCount_; }
    // Row y counted from the top; null outside the bitmap.
    uint8_t* GetRow(int32_t y);
    uint8_t* GetBits() { return bits_; }
    // The picture in the target, or in a new pooled image when target is null, 32-bit pixels with
    // this bitmap's alpha when it has 32 bits and opaque at 24; null for an empty bitmap or another
    // depth, which would leave pixels unset.
    IBufferedImage* ToBufferedImage(int32_t index, IBufferedImage* target);

private:
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    void DeleteDib();

    struct Info {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    };

    HBITMAP handle_;
    BITMAPFILEHEADER fileHeader_;
    Info info_;
    uint8_t* bits_;
    int32_t stride_;
    int32_t colorCount_;
    int32_t colorTableSize_;
    BITMAP record_;
    int32_t transparentColor_;
};

} // namespace win
} // namespace bmp
} // namespace image
} // namespace s

#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "images/codecs/IEncodedImage.h"

namespace s {
namespace image {
class IBufferedImage;
class IImageBuffer;
} // namespace image
} // namespace s

namespace s {
namespace image {
namespace bmp {
namespace win {

// One Windows DIB section with its file header, info header and colour table: the holder of
// the pixels of every GDI image of the library, and the BMP file codec.
class Bitmap : public IEncodedImage, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_bmp_win_Bitmap";
    static constexpr int32_t kNoTransparentColor = -1;

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
    const wchar_t* GetDefaultExtension() override { return L".bmp"; }
    // The picture in the target, or in a new pooled image when target is null: 32-bit pixels with
    // this bitmap's alpha at 32 bits, the transparent colour keyed out, otherwise opaque; null for
    // an empty bitmap.
    IBufferedImage* ToBufferedImage(int32_t index, IBufferedImage* target) override;
    // The file header and the packed DIB; false for an empty bitmap or a refused write.
    bool Encode(io::IOutputStream* out) override;
    // A BMP file at the stream's position; false, with the bitmap emptied, for headers under 40
    // bytes, heights that are not positive, compressions and depths a DIB cannot hold, colour
    // tables above 256 entries, pixels placed inside the headers, pictures past the decode cap and
    // files that end before their last pixel row.
    bool Decode(io::IInputStream* in) override;
    // A new bitmap at this bitmap's depth, transparency kept, background white.
    IEncodedImage* FromImage(IBufferedImage* image) override;

    // An empty bottom-up DIB section replacing the previous one; null (and no pixels) when the
    // size is not positive, too large to address, or the system refuses it.
    HBITMAP CreateDib(int32_t width, int32_t height, int32_t bitsPerPixel);
    // A copy of any bitmap at its own size and depth (32 bits for depths a DIB cannot hold).
    HBITMAP FromBitmapHandle(HBITMAP source);
    // The icon drawn into a 32-bit section when it has alpha, else into a 24-bit one whose
    // transparent parts keep the marker colour, which becomes the transparent colour.
    HBITMAP FromIcon(HICON icon);
    // The whole picture block-transferred into the target, converted to its depth by GDI.
    bool CopyTo(HBITMAP target);
    HBITMAP GetHandle() const { return handle_; }
    int32_t GetBitCount() const { return info_.header.biBitCount; }
    int32_t GetStride() const { return stride_; }
    bool IsAlpha32() const { return info_.header.biBitCount == 32 && info_.header.biCompression != BI_BITFIELDS; }
    bool HasColorTable() const { return colorCount_ != 0; }
    int32_t GetColorCount() const { return colorCount_; }
    int32_t GetColorTableSize() const { return colorTableSize_; }
    RGBQUAD* GetColorTable() { return info_.colors; }
    // Row y counted from the top; null outside the bitmap.
    uint8_t* GetRow(int32_t y);
    uint8_t* GetBits() { return bits_; }
    bool HasTransparentColor() const { return transparentColor_ != kNoTransparentColor; }
    int32_t GetTransparentColor() const { return transparentColor_; }
    void SetTransparentColor(int32_t red, int32_t green, int32_t blue);
    // Info header, colour table and pixel rows; false for an empty bitmap or a refused write.
    bool WritePackedDib(io::IOutputStream* out);
    // What WritePackedDib writes, refused as Decode refuses; the file header is derived.
    bool ReadPackedDib(io::IInputStream* in);
    // The image at 4, 8, 24 or 32 bits; false, with the bitmap emptied, at any other depth. At 32
    // bits with keepTransparency the alpha is kept and the image's fully transparent pixels take
    // the background colour; every other result is flattened onto the background.
    bool ConvertFrom(IBufferedImage* image, int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green,
                     int32_t blue);

protected:
    int32_t GetEncodedBitCount() override { return GetBitCount(); }

private:
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    void DeleteDib();
    void ForgetSize();
    // The held table set on the section itself, so that GDI reads the colours it shows.
    void ApplyColorTable();
    // The info header (and the table) read, checked and made into a DIB whose pixels follow;
    // pixelOffset is the pixels' place from start when a file header gave one, else 0.
    bool ReadDib(io::IInputStream* in, uint64_t start, uint32_t pixelOffset);
    bool MakeDibFromHeader();
    void DeriveFileHeader();
    void CopyPixelsTo(IImageBuffer* image);
    void QuantizeFrom(IImageBuffer* source, int32_t bitsPerPixel);

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

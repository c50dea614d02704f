#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "images/codecs/IEncodedImage.h"

namespace s {
namespace image {
namespace bmp {
namespace win {
class Bitmap;
}
} // namespace bmp

namespace ico {
namespace win {

// One image of an icon file as stored: a colour picture with a one-bit AND mask (set bits are
// transparent), or a whole PNG file, which decodes to a 32-bit picture.
class IconImage : public IEncodedImage, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_ico_win_IconImage";
    // Larger pictures are written as PNG entries.
    static constexpr int32_t kMaxDibSide = 255;

    IconImage();
    ~IconImage() override;

    static thread::EasyPooler* GetPool();
    static IconImage* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    int32_t GetWidth() override;
    int32_t GetHeight() override;
    const wchar_t* GetDefaultExtension() override { return L".ico"; }
    // The colour picture with its alpha: a 32-bit picture's own alpha when it has any, else the
    // mask's. Null for an empty image.
    IBufferedImage* ToBufferedImage(int32_t index, IBufferedImage* target) override;
    // The entry's bytes: a PNG file above 255 pixels a side, else the DIB entry.
    bool Encode(io::IOutputStream* out) override;
    // The rest of the stream as one entry; false, with the image emptied, for headers under 40
    // bytes, heights that are not positive, compressions and depths not stored in icons, colour
    // tables above 256 entries, pictures past the decode cap and entries whose pixels break off.
    bool Decode(io::IInputStream* in) override;
    bool IsMultiImage() override { return true; }
    IEncodedImage* FromImage(IBufferedImage*) override { return nullptr; }

    // An empty picture and a clear mask of that size and depth.
    bool CreateDib(int32_t width, int32_t height, int32_t bitsPerPixel);
    bool CopyTo(HBITMAP target);
    // The entry as a Windows icon; null when the system refuses it. The caller destroys it.
    HICON CreateIcon();
    int32_t GetBitCount();
    bool Is32Bit() { return GetBitCount() == 32; }
    bool HasColorTable();
    int32_t GetColorCount();
    int32_t GetColorTableSize();
    uint8_t* GetXorRow(int32_t y);
    uint8_t* GetXorBits();
    int32_t GetXorStride();
    // Row y of the mask counted from the top; null outside it.
    uint8_t* GetAndRow(int32_t y);
    uint8_t* GetAndBits() { return mask_.empty() ? nullptr : mask_.data(); }
    int32_t GetAndStride() const { return andStride_; }
    col::_array::ArrayU08* RawBytes() { return &raw_; }
    // The image at 4, 8 or 32 bits; false, with the image emptied, at any other depth. Palette
    // pictures keep one index free for the pixels the mask makes transparent.
    bool ConvertFrom(IBufferedImage* image, int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green,
                     int32_t blue);

protected:
    int32_t GetEncodedBitCount() override { return GetBitCount(); }

private:
    IconImage(const IconImage&) = delete;
    IconImage& operator=(const IconImage&) = delete;

    bool DecodePng();
    bool DecodeDib();
    bool EncodePng(io::IOutputStream* out);
    bool EncodeDib(io::IOutputStream* out);
    void ApplyMask(IBufferedImage* image);

    bmp::win::Bitmap* picture_;
    col::_array::ArrayU08 raw_;
    std::vector<uint8_t> mask_;
    int32_t andStride_;
};

} // namespace win
} // namespace ico
} // namespace image
} // namespace s

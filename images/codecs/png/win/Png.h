#pragma once
#include <cstdint>

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

namespace png {
namespace win {

// A PNG picture, read and written through libpng; the pixels live in an inner 32-bit bitmap, four
// bytes blue, green, red, alpha each.
class Png : public IEncodedImage, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_png_win_Png";

    Png();
    ~Png() override;

    static thread::EasyPooler* GetPool();
    static Png* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    int32_t GetWidth() override;
    int32_t GetHeight() override;
    const wchar_t* GetDefaultExtension() override { return L".png"; }
    IBufferedImage* ToBufferedImage(int32_t index, IBufferedImage* target) override;
    bool Encode(io::IOutputStream* out) override;
    // False, with the codec emptied, for anything but a whole PNG file; false with the previous
    // picture kept when the stream does not even start like one.
    bool Decode(io::IInputStream* in) override;
    IEncodedImage* FromImage(IBufferedImage* image) override;

    bool CreateDib(int32_t width, int32_t height);
    bmp::win::Bitmap* GetBitmap() { return bitmap_; }
    void SetInterlace(bool interlace) { interlace_ = interlace; }
    bool IsInterlaced() const { return interlace_; }
    // The picture of the source; with keepTransparency off a source with alpha is flattened onto
    // the background colour. A source without the alpha flag is written opaque.
    bool ConvertFrom(IBufferedImage* source, bool interlace, bool keepTransparency, int32_t red, int32_t green,
                     int32_t blue);

private:
    Png(const Png&) = delete;
    Png& operator=(const Png&) = delete;

    bool interlace_;
    bmp::win::Bitmap* bitmap_;
};

} // namespace win
} // namespace png
} // namespace image
} // namespace s

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

namespace jpg {
namespace win {

// A JPEG picture, read and written through libjpeg; the pixels live in an inner 24-bit bitmap.
class Jpeg : public IEncodedImage, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_jpg_win_Jpeg";
    static const int32_t kDefaultQuality = 75;

    Jpeg();
    ~Jpeg() override;

    static thread::EasyPooler* GetPool();
    static Jpeg* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    int32_t GetWidth() override;
    int32_t GetHeight() override;
    const wchar_t* GetDefaultExtension() override { return L".jpg"; }
    IBufferedImage* ToBufferedImage(int32_t index, IBufferedImage* target) override;
    bool Encode(io::IOutputStream* out) override;
    // False, with the codec emptied, when the library gives up on the data. A file cut inside its
    // scan data still decodes: the rows that arrived and the rest as the library fills them.
    bool Decode(io::IInputStream* in) override;
    IEncodedImage* FromImage(IBufferedImage* image) override;

    bool CreateDib(int32_t width, int32_t height);
    bmp::win::Bitmap* GetBitmap() { return bitmap_; }
    void SetQuality(int32_t quality) { quality_ = quality; }
    int32_t GetQuality() const { return quality_; }
    // The picture of the source, a source with alpha flattened onto the background colour.
    bool ConvertFrom(IBufferedImage* source, int32_t quality, int32_t red, int32_t green, int32_t blue);

    // The stream adapters' transfers: bytes delivered (0 at the end or on failure), and 1 when all
    // length bytes were written, else 0.
    static size_t FillFromStream(io::IInputStream* in, uint8_t* buffer, size_t length);
    static int WriteAllToStream(io::IOutputStream* out, const uint8_t* buffer, size_t length);

protected:
    int32_t GetEncodedBitCount() override { return 24; }

private:
    Jpeg(const Jpeg&) = delete;
    Jpeg& operator=(const Jpeg&) = delete;

    int32_t quality_;
    bmp::win::Bitmap* bitmap_;
};

} // namespace win
} // namespace jpg
} // namespace image
} // namespace s

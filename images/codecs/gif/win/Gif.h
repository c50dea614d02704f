#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "images/codecs/IEncodedImage.h"
#include "images/codecs/ImageSearch.h"
#include "images/codecs/gif/win/GifLzw.h"

namespace s {
namespace col {
namespace _array {
class ArrayU08;
}
} // namespace col

namespace image {
namespace bmp {
namespace win {
class Bitmap;
}
} // namespace bmp

namespace gif {
namespace win {

// A GIF picture or animation: frames of 8-bit bitmaps, each with its transparent index (-1 for
// none), delay in milliseconds and disposal method, and the loop count.
class Gif : public IEncodedImage, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gif_win_Gif";
    static constexpr int32_t kNoTransparentIndex = -1;
    // Alpha below it is transparent in a frame made from an image that keeps transparency.
    static constexpr int32_t kAlphaThreshold = 96;

    Gif();
    ~Gif() override;

    static thread::EasyPooler* GetPool();
    static Gif* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // The first frame's size.
    int32_t GetWidth() override;
    int32_t GetHeight() override;
    const wchar_t* GetDefaultExtension() override { return L".gif"; }
    // The frame, its transparent index keyed out; null past the frame count.
    IBufferedImage* ToBufferedImage(int32_t index, IBufferedImage* target) override;
    // Every frame at the largest frame's size, smaller ones centred on white; an animation.
    image::win::BufferedImageSet* ToBufferedImageSet() override;
    // Writes nothing and fails without frames or with a frame not of 8 bits.
    bool Encode(io::IOutputStream* out) override;
    // False, with no frames, for a file that ends before its trailer, a frame of no pixels or past
    // the decode cap, or image data that break off or use codes the table does not hold.
    bool Decode(io::IInputStream* in) override;
    bool IsMultiImage() override { return !frames_.empty(); }
    int32_t GetImageCount() override { return static_cast<int32_t>(frames_.size()); }
    IEncodedImage* FromImageSet(image::win::BufferedImageSet* set) override;
    IEncodedImage* FromImage(IBufferedImage* image) override;
    bool FindExactImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) override;
    bool FindNearestDepthImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) override;
    bool FindNearestSizeImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) override;

    // Replaces the frames by one empty bitmap.
    HBITMAP CreateDib(int32_t width, int32_t height, int32_t bitsPerPixel);
    HBITMAP FromBitmapHandle(HBITMAP source);
    bool CopyTo(HBITMAP target);
    bool HasTransparency();
    // Appends a frame of the image in at most 2^bits - 1 colours (bits 1 to 8), the last index left
    // for transparency: with keepTransparency alpha below the threshold becomes transparent,
    // otherwise the image is flattened onto the background. False, appending nothing, when the
    // bits are out of range or the frame cannot be made.
    bool AddFrame(IBufferedImage* image, int32_t bits, bool keepTransparency, int32_t red, int32_t green, int32_t blue,
                  int32_t alphaThreshold);
    // The frames of an animation, each at the size of the set's first image, later frames holding
    // only the pixels that changed; a single picture for a set that is not animated.
    bool ConvertFromImageSet(image::win::BufferedImageSet* set, int32_t bits, bool keepTransparency, int32_t red,
                             int32_t green, int32_t blue);

    bmp::win::Bitmap* GetFrame(int32_t index);
    int32_t GetTransparentIndex(int32_t index);
    int32_t GetDelay(int32_t index);
    int32_t GetDisposal(int32_t index);
    void SetDelay(int32_t index, int32_t milliseconds);
    int32_t GetLoopCount() const { return loopCount_; }
    void SetLoopCount(int32_t loopCount) { loopCount_ = static_cast<uint16_t>(loopCount); }

protected:
    int32_t GetEncodedBitCount() override { return 8; }

private:
    Gif(const Gif&) = delete;
    Gif& operator=(const Gif&) = delete;

    struct Frame {
        bmp::win::Bitmap* bitmap;
        int32_t transparentIndex;
        int32_t delay;
        int32_t disposal;
    };

    void FreeFrames();
    // The frames replaced by one bitmap that make fills; null, with no frames, when it fails.
    template <class Make>
    HBITMAP ReplaceFrames(Make make);
    bool AppendFrame(bmp::win::Bitmap* bitmap, int32_t transparentIndex, int32_t delay, int32_t disposal);
    bool ReadColorTable(io::IInputStream* in, uint8_t packed, uint8_t* table, int32_t* count);
    bool SkipSubBlocks(io::IInputStream* in);
    bool ReadApplicationExtension(io::IInputStream* in);
    bool ReadImage(io::IInputStream* in, int64_t* pixelsLeft);
    bool WriteFrame(io::IOutputStream* out, const Frame& frame);
    ImageShape ShapeOf(int32_t index);

    GifLzw lzw_;
    // The global table, and the graphic control values that hold for the next image only.
    int32_t globalCount_;
    uint8_t globalTable_[768];
    bool hasControl_;
    uint8_t controlPacked_;
    uint16_t controlDelay_;
    uint8_t controlIndex_;
    int32_t tableBits_;
    col::_array::ArrayU08* data_;
    std::vector<Frame> frames_;
    uint16_t loopCount_;
};

} // namespace win
} // namespace gif
} // namespace image
} // namespace s

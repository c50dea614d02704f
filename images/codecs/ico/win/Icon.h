#pragma once
#include <cstdint>
#include <vector>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "images/codecs/IEncodedImage.h"
#include "images/codecs/ImageSearch.h"

namespace s {
namespace image {
class IEncodeSetting;

namespace ico {
namespace win {

class IconImage;

// A whole icon file: its images in order, the best 32 x 32 candidate first once decoded, with the
// searches for the image that fits a wanted size and depth.
class Icon : public IEncodedImage, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_ico_win_Icon";

    Icon();
    ~Icon() override;

    static thread::EasyPooler* GetPool();
    static Icon* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // The first image's size; 0 without images.
    int32_t GetWidth() override;
    int32_t GetHeight() override;
    const wchar_t* GetDefaultExtension() override { return L".ico"; }
    // Null past the image count.
    IBufferedImage* ToBufferedImage(int32_t index, IBufferedImage* target) override;
    image::win::BufferedImageSet* ToBufferedImageSet() override;
    // The icon file of every image; false without images or when an image cannot be written.
    bool Encode(io::IOutputStream* out) override;
    // False, with no images, when the directory does not fit the data or no image decodes;
    // images that do not decode are left out. All images together stay under the decode cap.
    bool Decode(io::IInputStream* in) override;
    bool IsMultiImage() override { return images_.size() > 1; }
    int32_t GetImageCount() override { return static_cast<int32_t>(images_.size()); }
    // A new icon in the entry formats (size and depth) of this icon's images: one entry per image
    // of a set that has as many images as this icon, else every format of the primary image. An
    // icon without images makes the sizes and depths a new encoder setting starts from.
    IEncodedImage* FromImageSet(image::win::BufferedImageSet* set) override;
    IEncodedImage* FromImage(IBufferedImage* image) override;
    bool FindExactImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) override;
    bool FindNearestDepthImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) override;
    bool FindNearestSizeImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) override;

    // The icon owns the image from now on.
    void AddImage(IconImage* image);
    // Null past the image count.
    IconImage* GetImage(int32_t index);

private:
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    void FreeImages();
    // The encoder setting of this icon's entry formats; null without the settings layer.
    IEncodeSetting* TakeSetting();
    ImageShape ShapeOf(int32_t index);

    std::vector<IconImage*> images_;
};

} // namespace win
} // namespace ico
} // namespace image
} // namespace s

#pragma once

namespace s {
namespace base {
class IObject;
}
namespace image {
class IBufferedImage;
namespace win {
class BufferedImageSet;
}
} // namespace image
namespace gui {

// Whoever IImage::RenderImage hands the shown picture to: a whole animated set, or one image.
// What it returns comes back from RenderImage unchanged. The set or image is lent for the call.
class IImageReceiver {
public:
    virtual ~IImageReceiver() = default;
    virtual base::IObject* TakeImageSet(image::win::BufferedImageSet* set) = 0;
    virtual base::IObject* TakeImage(image::IBufferedImage* image) = 0;
};

} // namespace gui
} // namespace s

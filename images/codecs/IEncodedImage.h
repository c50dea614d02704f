#pragma once
#include <cstdint>

#include "images/IImage.h"

namespace s {
namespace io {
class IInputStream;
class IOutputStream;
} // namespace io
namespace file {
class IPath;
}

namespace image {
class IBufferedImage;
namespace win {
class BufferedImage;
class BufferedImageSet;
} // namespace win

// A picture in one file format's own form: filled by decoding a stream or by converting from
// buffered images, encoded into a stream and rendered into buffered images. The file operations
// and the single-image answers are shared here; each codec fills the rest.
class IEncodedImage : public IImage {
public:
    virtual const wchar_t* GetDefaultExtension() = 0;
    // Sub-image index into the target, or into a new pooled image when target is null; null when
    // there is no picture to render.
    virtual IBufferedImage* ToBufferedImage(int32_t index, IBufferedImage* target) = 0;
    // Every sub-image in a new pooled set; the single-image form adds index 0 at the codec's depth.
    virtual win::BufferedImageSet* ToBufferedImageSet();
    virtual bool Encode(io::IOutputStream* out) = 0;
    // Replaces the content with the file read at the stream's position; false when the bytes do
    // not hold a picture this codec can make whole.
    virtual bool Decode(io::IInputStream* in) = 0;
    virtual bool IsMultiImage() { return false; }
    virtual int32_t GetImageCount() { return 1; }
    virtual bool SaveToPath(const wchar_t* path);
    // False, with the file left as it was, when it exists already; otherwise the encoding's result.
    virtual bool SaveToFile(file::IPath* file);
    virtual bool LoadFromPath(const wchar_t* path);
    // False for a missing path or one that is not a file; otherwise the decoding's result.
    virtual bool LoadFromFile(file::IPath* file);
    virtual IEncodedImage* FromImageSet(win::BufferedImageSet* set);
    // A new codec object of this format made from the image, which the caller releases; null when
    // it cannot be made. This object stays as it is.
    virtual IEncodedImage* FromImage(IBufferedImage* image) = 0;
    virtual bool FindExactImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index);
    virtual bool FindNearestDepthImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index);
    virtual bool FindNearestSizeImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index);

protected:
    // The depth the single-image set records for the picture.
    virtual int32_t GetEncodedBitCount() { return 32; }
};

} // namespace image
} // namespace s

#include "images/win/BufferedImage.h"

#include <algorithm>
#include <cstring>

#include "core/base/Cleaner.h"
#include "images/Composition.h"
#include "images/ScaleImage.h"
#include "images/Transforms.h"
#include "images/bmp/win/Bitmap.h"
#include "images/codecs/gif/win/Gif.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "images/codecs/png/win/Png.h"
#include "images/filters/IFilter.h"
#include "images/win/BitmapDc.h"
#include "storage/file/FileOutputStream.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {
namespace win {

namespace {

const int32_t kBitsPerPixel = 32;
const int32_t kBytesPerPixel = 4;
const uint32_t kOpaque = 0xFF000000u;

// Disposes of the filters still listed when an image itself is destroyed.
base::IDestructor* FilterCleaner()
{
    static cleaner::CleanerIObject cleaner;
    return &cleaner;
}

filters::IFilter* FilterAt(col::_array::ArrayP& list, uint32_t index)
{
    return static_cast<filters::IFilter*>(static_cast<base::IObject*>(list.Get(index)));
}

// The path forms of the saves: the codec is made first, so that a picture that cannot be
// converted leaves a file of that name as it was; then the file is created or truncated.
template <class Codec>
void WriteFile(const wchar_t* path, Codec* codec)
{
    file::Pooled<Codec> held(codec);
    if (!codec)
        return;
    file::Pooled<file::win::PathWin> file(file::win::PathWin::CreateFromText(path));
    if (!file)
        return;
    file::win::FileOutputStream* out = file->OpenOutputStream(false);
    if (!out)
        return;
    codec->Encode(out);
    out->Dispose();
}

template <class Codec>
void EncodeInto(io::IOutputStream* out, Codec* codec)
{
    file::Pooled<Codec> held(codec);
    if (codec && out)
        codec->Encode(out);
}

// A codec from its pool holding the converted picture; null when the conversion failed.
template <class Codec, class Convert>
Codec* NewConverted(Convert convert)
{
    Codec* codec = Codec::New();
    if (codec && !convert(codec)) {
        codec->ReleaseToPool();
        return nullptr;
    }
    return codec;
}

void* SlotValue(filters::IFilter* filter)
{
    return static_cast<base::IObject*>(filter);
}

// Whether any logical pixel is less than opaque.
bool AnyTranslucentPixel(IImageBuffer* image)
{
    const int32_t width = image->GetWidth();
    const int32_t height = image->GetHeight();
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = image->GetRow(y);
        if (!row)
            continue;
        for (int32_t x = 0; x < width; ++x) {
            if (row[x] < kOpaque)
                return true;
        }
    }
    return false;
}

} // namespace

BufferedImage::BufferedImage()
    : bitmap_(nullptr), bits_(nullptr), width_(0), height_(0), pixelCount_(0), byteSize_(0), rowBytes_(0),
      capacityWidth_(0), capacityHeight_(0), capacityPixelCount_(0), capacityByteSize_(0), stride_(0),
      scaledCopy_(nullptr), hasAlpha_(false), filteredImage_(nullptr)
{
    filters_.SetCleaner(FilterCleaner());
}

BufferedImage::~BufferedImage()
{
    // Destroyed with the pool at exit, or when its pool is full: the caches and the pixels go
    // with it, as do the filters the image was left to release. A filter without the
    // auto-release flag belongs to whoever added it and is only forgotten.
    const uint32_t count = filters_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        filters::IFilter* filter = FilterAt(filters_, i);
        if (filter && !filter->IsAutoRelease())
            filters_.Set(i, nullptr);
    }
    delete scaledCopy_;
    delete filteredImage_;
    delete bitmap_;
}

thread::EasyPooler* BufferedImage::GetPool()
{
    return &thread::PoolOf<BufferedImage>();
}

BufferedImage* BufferedImage::New()
{
    return thread::TakeFromPool<BufferedImage>();
}

const wchar_t* BufferedImage::GetClassName()
{
    return kClassName;
}

base::IObject* BufferedImage::NewInstance()
{
    return New();
}

void BufferedImage::ReleaseToPool()
{
    GetPool()->Give(this);
}

void BufferedImage::Reset()
{
    if (bitmap_)
        bitmap_->ReleaseToPool();
    bitmap_ = nullptr;
    ForgetPixels();
    hasAlpha_ = false;
    SetScaledCache(nullptr);
    RemoveAllFilters();
}

void BufferedImage::ForgetPixels()
{
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
    pixelCount_ = 0;
    byteSize_ = 0;
    rowBytes_ = 0;
    capacityWidth_ = 0;
    capacityHeight_ = 0;
    capacityPixelCount_ = 0;
    capacityByteSize_ = 0;
    stride_ = 0;
}

HBITMAP BufferedImage::GetBitmapHandle()
{
    return bitmap_ ? bitmap_->GetHandle() : nullptr;
}

bool BufferedImage::SetSize(int32_t width, int32_t height)
{
    if (width < 0 || height < 0 || width > capacityWidth_ || height > capacityHeight_)
        return false;
    width_ = width;
    height_ = height;
    pixelCount_ = int64_t(width) * height;
    byteSize_ = pixelCount_ * kBytesPerPixel;
    rowBytes_ = width * kBytesPerPixel;
    return true;
}

bool BufferedImage::Create(int32_t width, int32_t height)
{
    if (bitmap_)
        bitmap_->ReleaseToPool();
    bitmap_ = nullptr;
    ForgetPixels();
    bmp::win::Bitmap* bitmap = bmp::win::Bitmap::New();
    if (!bitmap)
        return false;
    if (!bitmap->CreateDib(width, height, kBitsPerPixel)) {
        bitmap->ReleaseToPool();
        return false;
    }
    bitmap_ = bitmap;
    bits_ = bitmap->GetBits();
    capacityWidth_ = width;
    capacityHeight_ = height;
    capacityPixelCount_ = int64_t(width) * height;
    capacityByteSize_ = capacityPixelCount_ * kBytesPerPixel;
    stride_ = bitmap->GetStride();
    return SetSize(width, height);
}

bool BufferedImage::Reserve(int32_t width, int32_t height)
{
    if (capacityWidth_ >= width && capacityHeight_ >= height)
        return true;
    // A side below the capacity would leave the old rows no room in the new section: no side
    // ever shrinks.
    const int32_t newWidth = std::max(width, capacityWidth_);
    const int32_t newHeight = std::max(height, capacityHeight_);

    bmp::win::Bitmap* const oldBitmap = bitmap_;
    uint8_t* const oldBits = bits_;
    const int32_t oldWidth = width_;
    const int32_t oldHeight = height_;
    const int32_t oldCapacityWidth = capacityWidth_;
    const int32_t oldCapacityHeight = capacityHeight_;
    const int32_t oldStride = stride_;
    const int32_t oldRowBytes = rowBytes_;

    bitmap_ = nullptr;
    if (!Create(newWidth, newHeight)) {
        // The old pixels stay, untouched.
        bitmap_ = oldBitmap;
        bits_ = oldBits;
        capacityWidth_ = oldCapacityWidth;
        capacityHeight_ = oldCapacityHeight;
        capacityPixelCount_ = int64_t(oldCapacityWidth) * oldCapacityHeight;
        capacityByteSize_ = capacityPixelCount_ * kBytesPerPixel;
        stride_ = oldStride;
        SetSize(oldWidth, oldHeight);
        return false;
    }
    for (int32_t y = 0; y < oldHeight; ++y) {
        const uint8_t* from = oldBits + static_cast<size_t>(oldCapacityHeight - 1 - y) * oldStride;
        std::memcpy(GetRow(y), from, static_cast<size_t>(oldRowBytes));
    }
    if (oldBitmap)
        oldBitmap->ReleaseToPool();
    SetSize(oldWidth, oldHeight);
    return true;
}

IImageBuffer* BufferedImage::NewImage(int32_t width, int32_t height)
{
    return NewBufferedImage(width, height);
}

uint32_t* BufferedImage::GetRow(int32_t y)
{
    if (!bits_ || y < 0 || y >= height_)
        return nullptr;
    return reinterpret_cast<uint32_t*>(bits_ + static_cast<size_t>(capacityHeight_ - 1 - y) * stride_);
}

const uint32_t* BufferedImage::GetRow(int32_t y) const
{
    return const_cast<BufferedImage*>(this)->GetRow(y);
}

void BufferedImage::SetScaledCache(IImageBuffer* image)
{
    if (scaledCopy_ && scaledCopy_ != image)
        ReleaseImage(scaledCopy_);
    scaledCopy_ = image;
}

bool BufferedImage::Draw(CDC* dc, int32_t x, int32_t y, int32_t width, int32_t height, bool scaleFirst)
{
    if (!dc || !dc->GetSafeHdc() || !bitmap_ || width_ <= 0 || height_ <= 0)
        return false;
    IImageBuffer* drawn = this;
    if (scaleFirst) {
        drawn = ScaleImage(this, width, height, false);
        if (!drawn)
            return false;
    }
    BitmapDc memory(drawn->GetBitmapHandle());
    if (!memory.IsReady())
        return false;
    // Never more than the image: the section beyond its logical size holds stale pixels.
    width = std::min(width, drawn->GetWidth());
    height = std::min(height, drawn->GetHeight());
    if (width <= 0 || height <= 0)
        return false;
    return dc->BitBlt(x, y, width, height, &memory, 0, 0, SRCCOPY) != FALSE;
}

bool BufferedImage::DrawAtOrigin(CDC* dc, int32_t width, int32_t height, bool scaleFirst)
{
    return Draw(dc, 0, 0, width, height, scaleFirst);
}

void BufferedImage::DrawImage(int32_t x, int32_t y, int32_t width, int32_t height, IImageBuffer* source,
                              int32_t sourceX, int32_t sourceY, bool scaleFirst)
{
    DrawImageOver(this, x, y, width, height, source, sourceX, sourceY, scaleFirst);
}

IBufferedImage* BufferedImage::Scale(int32_t width, int32_t height, bool keepAspect)
{
    return dynamic_cast<IBufferedImage*>(ScaleImage(this, width, height, keepAspect));
}

bmp::win::Bitmap* BufferedImage::NewBmp(int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green,
                                         int32_t blue)
{
    return NewConverted<bmp::win::Bitmap>([&](bmp::win::Bitmap* bitmap) {
        return bitmap->ConvertFrom(this, bitsPerPixel, keepTransparency, red, green, blue);
    });
}

void BufferedImage::SaveAsBmp(io::IOutputStream* out, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                              int32_t green, int32_t blue)
{
    EncodeInto(out, NewBmp(bitsPerPixel, keepTransparency, red, green, blue));
}

void BufferedImage::SaveAsBmp(const wchar_t* path, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                              int32_t green, int32_t blue)
{
    WriteFile(path, NewBmp(bitsPerPixel, keepTransparency, red, green, blue));
}

gif::win::Gif* BufferedImage::NewGif(int32_t bitsPerPixel, bool keepTransparency, int32_t red, int32_t green,
                                     int32_t blue)
{
    return NewConverted<gif::win::Gif>([&](gif::win::Gif* gif) {
        return gif->AddFrame(this, bitsPerPixel, keepTransparency, red, green, blue, gif::win::Gif::kAlphaThreshold);
    });
}

void BufferedImage::SaveAsGif(io::IOutputStream* out, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                              int32_t green, int32_t blue)
{
    EncodeInto(out, NewGif(bitsPerPixel, keepTransparency, red, green, blue));
}

void BufferedImage::SaveAsGif(const wchar_t* path, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                              int32_t green, int32_t blue)
{
    WriteFile(path, NewGif(bitsPerPixel, keepTransparency, red, green, blue));
}

jpg::win::Jpeg* BufferedImage::NewJpeg(int32_t quality, int32_t red, int32_t green, int32_t blue)
{
    return NewConverted<jpg::win::Jpeg>(
        [&](jpg::win::Jpeg* jpeg) { return jpeg->ConvertFrom(this, quality, red, green, blue); });
}

void BufferedImage::SaveAsJpeg(io::IOutputStream* out, int32_t quality, int32_t red, int32_t green, int32_t blue)
{
    EncodeInto(out, NewJpeg(quality, red, green, blue));
}

void BufferedImage::SaveAsJpeg(const wchar_t* path, int32_t quality, int32_t red, int32_t green, int32_t blue)
{
    WriteFile(path, NewJpeg(quality, red, green, blue));
}

png::win::Png* BufferedImage::NewPng(bool interlace, bool keepTransparency, int32_t red, int32_t green, int32_t blue)
{
    return NewConverted<png::win::Png>([&](png::win::Png* png) {
        return png->ConvertFrom(this, interlace, keepTransparency, red, green, blue);
    });
}

void BufferedImage::SaveAsPng(io::IOutputStream* out, bool interlace, bool keepTransparency, int32_t red,
                              int32_t green, int32_t blue)
{
    EncodeInto(out, NewPng(interlace, keepTransparency, red, green, blue));
}

void BufferedImage::SaveAsPng(const wchar_t* path, bool interlace, bool keepTransparency, int32_t red, int32_t green,
                              int32_t blue)
{
    WriteFile(path, NewPng(interlace, keepTransparency, red, green, blue));
}

IBufferedImage* BufferedImage::CopyTo(IBufferedImage* target)
{
    return dynamic_cast<IBufferedImage*>(CopyImage(this, target));
}

IBufferedImage* BufferedImage::RotateRight(IBufferedImage* target)
{
    return dynamic_cast<IBufferedImage*>(image::RotateRight(this, target));
}

IBufferedImage* BufferedImage::Rotate180(IBufferedImage* target)
{
    return dynamic_cast<IBufferedImage*>(image::Rotate180(this, target));
}

IBufferedImage* BufferedImage::RotateLeft(IBufferedImage* target)
{
    return dynamic_cast<IBufferedImage*>(image::RotateLeft(this, target));
}

IBufferedImage* BufferedImage::MirrorHorizontal(IBufferedImage* target)
{
    return dynamic_cast<IBufferedImage*>(image::MirrorHorizontal(this, target));
}

IBufferedImage* BufferedImage::FlipVertical(IBufferedImage* target)
{
    return dynamic_cast<IBufferedImage*>(image::FlipVertical(this, target));
}

bool BufferedImage::HasFilters()
{
    return filters_.GetCount() > 0;
}

bool BufferedImage::FindFilter(const wchar_t* name, int32_t* index)
{
    const uint32_t count = filters_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        filters::IFilter* filter = FilterAt(filters_, i);
        // By address: two filters may share the characters of a name and still differ.
        if (filter && filter->GetName() == name) {
            if (index)
                *index = static_cast<int32_t>(i);
            return true;
        }
    }
    return false;
}

filters::IFilter* BufferedImage::GetFilter(int32_t index)
{
    if (index < 0 || static_cast<uint32_t>(index) >= filters_.GetCount())
        return nullptr;
    return FilterAt(filters_, static_cast<uint32_t>(index));
}

void BufferedImage::AddFilter(filters::IFilter* filter)
{
    if (!filter)
        return;
    filters_.Append(SlotValue(filter));
    DropFilteredImage();
}

bool BufferedImage::InsertFilter(int32_t index, filters::IFilter* filter)
{
    if (!filter || index < 0 || static_cast<uint32_t>(index) > filters_.GetCount())
        return false;
    filters_.InsertAt(static_cast<uint32_t>(index), SlotValue(filter));
    DropFilteredImage();
    return true;
}

void BufferedImage::RemoveFilter(int32_t index)
{
    if (index < 0 || static_cast<uint32_t>(index) >= filters_.GetCount())
        return;
    filters::IFilter* filter = FilterAt(filters_, static_cast<uint32_t>(index));
    filters_.RemoveAt(static_cast<uint32_t>(index));
    if (filter && filter->IsAutoRelease())
        filter->ReleaseToPool();
    DropFilteredImage();
}

void BufferedImage::RemoveAllFilters()
{
    const uint32_t count = filters_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        filters::IFilter* filter = FilterAt(filters_, i);
        filters_.Set(i, nullptr);
        if (filter && filter->IsAutoRelease())
            filter->ReleaseToPool();
    }
    filters_.FreeAll();
    DropFilteredImage();
}

void BufferedImage::DetachAllFilters()
{
    const uint32_t count = filters_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        filters_.Set(i, nullptr);
    filters_.FreeAll();
    DropFilteredImage();
}

void BufferedImage::DropFilteredImage()
{
    ReleaseImage(filteredImage_);
    filteredImage_ = nullptr;
}

IBufferedImage* BufferedImage::ApplyFilters()
{
    DropFilteredImage();
    const uint32_t count = filters_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        filters::IFilter* filter = FilterAt(filters_, i);
        IBufferedImage* source = i == 0 ? static_cast<IBufferedImage*>(this) : filteredImage_;
        BufferedImage* target = New();
        IBufferedImage* result = filter && target ? filter->Apply(source, target) : nullptr;
        // A filter that answers with this image itself has made no image of its own to keep.
        if (result == this)
            result = nullptr;
        if (target && result != target)
            target->ReleaseToPool();
        IBufferedImage* previous = filteredImage_;
        filteredImage_ = result;
        if (previous && previous != result)
            ReleaseImage(previous);
        if (!result)
            break;
    }
    if (!filteredImage_)
        return nullptr;
    filteredImage_->SetHasAlpha(AnyTranslucentPixel(filteredImage_));
    return filteredImage_;
}

IBufferedImage* BufferedImage::GetFilteredImage()
{
    if (!filteredImage_)
        ApplyFilters();
    return filteredImage_;
}

BufferedImage* NewBufferedImage(int32_t width, int32_t height)
{
    BufferedImage* image = BufferedImage::New();
    if (!image)
        return nullptr;
    if (!image->Create(width, height)) {
        image->ReleaseToPool();
        return nullptr;
    }
    return image;
}

} // namespace win
} // namespace image
} // namespace s

#include "images/codecs/gif/win/Gif.h"

#include <algorithm>
#include <cstring>

#include "core/col/Arrays.h"
#include "images/AlphaOperations.h"
#include "images/IBufferedImage.h"
#include "images/ImageCapacity.h"
#include "images/Transforms.h"
#include "images/bmp/win/Bitmap.h"
#include "images/codecs/EncodeSettingSource.h"
#include "images/codecs/FlattenedImage.h"
#include "images/codecs/ImageSearch.h"
#include "images/filters/reduction/Quantizer.h"
#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {
namespace gif {
namespace win {

namespace {

using image::win::BufferedImage;
using image::win::BufferedImageSet;

const int32_t kFrameBits = 8;
const uint32_t kOpaqueWhite = 0xFFFFFFFFu;
// Later frames of an animation are drawn over the ones before.
const int32_t kLeaveInPlace = 1;

BufferedImage* CopyOf(IImageBuffer* image)
{
    return dynamic_cast<BufferedImage*>(CopyImage(image, nullptr));
}

} // namespace

Gif::Gif()
    : globalCount_(0), hasControl_(false), controlPacked_(0), controlDelay_(0), controlIndex_(0), tableBits_(0),
      data_(col::_array::ArrayU08::New()), loopCount_(1)
{
    std::memset(globalTable_, 0, sizeof(globalTable_));
}

// The pools of the frames and the array may be gone when this one's pool goes at exit: what the
// object owns goes with it directly.
Gif::~Gif()
{
    for (Frame& frame : frames_)
        delete frame.bitmap;
    delete data_;
}

thread::EasyPooler* Gif::GetPool()
{
    return &thread::PoolOf<Gif>();
}

Gif* Gif::New()
{
    return thread::TakeFromPool<Gif>();
}

const wchar_t* Gif::GetClassName()
{
    return kClassName;
}

base::IObject* Gif::NewInstance()
{
    return New();
}

void Gif::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Gif::Reset()
{
    globalCount_ = 0;
    hasControl_ = false;
    tableBits_ = 0;
    if (data_)
        data_->FreeAll();
    loopCount_ = 1;
    FreeFrames();
    lzw_.Reset();
}

void Gif::FreeFrames()
{
    for (Frame& frame : frames_)
        frame.bitmap->ReleaseToPool();
    frames_.clear();
}

bool Gif::AppendFrame(bmp::win::Bitmap* bitmap, int32_t transparentIndex, int32_t delay, int32_t disposal)
{
    frames_.push_back(Frame{bitmap, transparentIndex, delay, disposal});
    return true;
}

int32_t Gif::GetWidth()
{
    return frames_.empty() ? 0 : frames_[0].bitmap->GetWidth();
}

int32_t Gif::GetHeight()
{
    return frames_.empty() ? 0 : frames_[0].bitmap->GetHeight();
}

bmp::win::Bitmap* Gif::GetFrame(int32_t index)
{
    return index >= 0 && index < GetImageCount() ? frames_[index].bitmap : nullptr;
}

int32_t Gif::GetTransparentIndex(int32_t index)
{
    return index >= 0 && index < GetImageCount() ? frames_[index].transparentIndex : kNoTransparentIndex;
}

int32_t Gif::GetDelay(int32_t index)
{
    return index >= 0 && index < GetImageCount() ? frames_[index].delay : 0;
}

int32_t Gif::GetDisposal(int32_t index)
{
    return index >= 0 && index < GetImageCount() ? frames_[index].disposal : 0;
}

void Gif::SetDelay(int32_t index, int32_t milliseconds)
{
    if (index >= 0 && index < GetImageCount())
        frames_[index].delay = milliseconds;
}

HBITMAP Gif::CreateDib(int32_t width, int32_t height, int32_t bitsPerPixel)
{
    return ReplaceFrames([&](bmp::win::Bitmap* bitmap) { return bitmap->CreateDib(width, height, bitsPerPixel); });
}

HBITMAP Gif::FromBitmapHandle(HBITMAP source)
{
    if (frames_.size() == 1)
        return frames_[0].bitmap->FromBitmapHandle(source);
    return ReplaceFrames([&](bmp::win::Bitmap* bitmap) { return bitmap->FromBitmapHandle(source); });
}

template <class Make>
HBITMAP Gif::ReplaceFrames(Make make)
{
    FreeFrames();
    bmp::win::Bitmap* bitmap = bmp::win::Bitmap::New();
    HBITMAP handle = bitmap ? make(bitmap) : nullptr;
    if (!handle) {
        if (bitmap)
            bitmap->ReleaseToPool();
        return nullptr;
    }
    AppendFrame(bitmap, kNoTransparentIndex, 0, 0);
    return handle;
}

bool Gif::CopyTo(HBITMAP target)
{
    return !frames_.empty() && frames_[0].bitmap->CopyTo(target);
}

bool Gif::HasTransparency()
{
    for (const Frame& frame : frames_) {
        if (frame.transparentIndex != kNoTransparentIndex)
            return true;
    }
    return false;
}

IBufferedImage* Gif::ToBufferedImage(int32_t index, IBufferedImage* target)
{
    bmp::win::Bitmap* bitmap = GetFrame(index);
    if (!bitmap || !bitmap->GetBits() || bitmap->GetBitCount() != kFrameBits)
        return bitmap ? bitmap->ToBufferedImage(0, target) : nullptr;
    BufferedImage* made = target ? nullptr : BufferedImage::New();
    IBufferedImage* image = target ? target : made;
    const int32_t width = bitmap->GetWidth();
    const int32_t height = bitmap->GetHeight();
    if (!image || !FitImageSize(image, width, height, false)) {
        if (made)
            made->ReleaseToPool();
        return nullptr;
    }
    const RGBQUAD* table = bitmap->GetColorTable();
    const int32_t transparent = frames_[index].transparentIndex;
    bool anyTransparent = false;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* from = bitmap->GetRow(y);
        uint32_t* to = image->GetRow(y);
        for (int32_t x = 0; x < width; ++x) {
            const RGBQUAD& color = table[from[x]];
            const uint32_t rgb = uint32_t{color.rgbRed} << 16 | uint32_t{color.rgbGreen} << 8 | color.rgbBlue;
            const bool clear = from[x] == transparent;
            anyTransparent = anyTransparent || clear;
            to[x] = clear ? rgb : 0xFF000000u | rgb;
        }
    }
    image->SetHasAlpha(anyTransparent);
    return image;
}

BufferedImageSet* Gif::ToBufferedImageSet()
{
    BufferedImageSet* set = BufferedImageSet::New();
    if (!set)
        return nullptr;
    int32_t width = 0;
    int32_t height = 0;
    for (const Frame& frame : frames_) {
        width = std::max(width, frame.bitmap->GetWidth());
        height = std::max(height, frame.bitmap->GetHeight());
    }
    for (int32_t i = 0; i < GetImageCount(); ++i) {
        auto* image = dynamic_cast<BufferedImage*>(ToBufferedImage(i, nullptr));
        if (!image)
            continue;
        if (image->GetWidth() != width || image->GetHeight() != height) {
            // A smaller frame is shown centred on white.
            BufferedImage* screen = image::win::NewBufferedImage(width, height);
            if (!screen) {
                image->ReleaseToPool();
                continue;
            }
            for (int32_t y = 0; y < height; ++y)
                std::fill_n(screen->GetRow(y), width, kOpaqueWhite);
            const int32_t top = (height - image->GetHeight()) / 2;
            const int32_t left = (width - image->GetWidth()) / 2;
            for (int32_t y = 0; y < image->GetHeight(); ++y)
                std::memcpy(screen->GetRow(top + y) + left, image->GetRow(y), static_cast<size_t>(image->GetWidth()) * 4);
            screen->SetHasAlpha(image->HasAlpha());
            image->ReleaseToPool();
            image = screen;
        }
        set->AddImage(image, frames_[i].bitmap->GetBitCount(), frames_[i].delay, frames_[i].disposal);
    }
    if (!frames_.empty())
        set->SetAnimation(true, loopCount_);
    return set;
}

bool Gif::AddFrame(IBufferedImage* image, int32_t bits, bool keepTransparency, int32_t red, int32_t green,
                   int32_t blue, int32_t alphaThreshold)
{
    if (!image || bits < 1 || bits > kFrameBits || image->GetWidth() <= 0 || image->GetHeight() <= 0)
        return false;
    // One index stays free for the transparent pixels.
    const int32_t colors = (1 << bits) - 1;
    int32_t transparent = kNoTransparentIndex;
    BufferedImage* source = nullptr;
    if (image->HasAlpha() && keepTransparency) {
        source = CopyOf(image);
        if (source)
            ApplyAlphaThreshold(source, alphaThreshold);
        transparent = colors;
    } else {
        source = NewFlattenedImage(image, red, green, blue);
    }
    file::Pooled<BufferedImage> held(source);
    if (!source)
        return false;
    bmp::win::Bitmap* bitmap = bmp::win::Bitmap::New();
    if (!bitmap || !bitmap->CreateDib(source->GetWidth(), source->GetHeight(), kFrameBits)) {
        if (bitmap)
            bitmap->ReleaseToPool();
        return false;
    }
    file::Pooled<filters::reduction::Quantizer> quantizer;
    quantizer->Reduce(source, colors, 8);
    std::memcpy(bitmap->GetColorTable(), quantizer->GetPalette(), static_cast<size_t>(colors) * 4);
    for (int32_t y = 0; y < source->GetHeight(); ++y)
        quantizer->MapToPalette(source->GetRow(y), source->GetWidth(), bitmap->GetRow(y), kFrameBits);
    return AppendFrame(bitmap, transparent, 0, 0);
}

bool Gif::ConvertFromImageSet(BufferedImageSet* set, int32_t bits, bool keepTransparency, int32_t red, int32_t green,
                              int32_t blue)
{
    if (!set || set->GetCount() <= 0)
        return false;
    if (set->GetCount() == 1 || !set->IsAnimated())
        return AddFrame(set->GetPrimaryImage(), bits, keepTransparency, red, green, blue, kAlphaThreshold);
    loopCount_ = static_cast<uint16_t>(set->GetLoopCount());
    BufferedImage* first = set->GetImage(0);
    if (!first || !AddFrame(first, bits, keepTransparency, red, green, blue, kAlphaThreshold))
        return false;
    frames_.back().disposal = set->GetCombineMode(0);
    frames_.back().delay = set->GetDelay(0);
    BufferedImage* composite = CopyOf(first);
    if (!composite)
        return false;
    bool made = true;
    for (int32_t i = 1; i < set->GetCount() && made; ++i) {
        BufferedImage* image = set->GetImage(i);
        BufferedImage* next = CopyOf(composite);
        if (!image || !next) {
            if (next)
                next->ReleaseToPool();
            made = false;
            break;
        }
        next->DrawImage(0, 0, std::min(next->GetWidth(), image->GetWidth()),
                        std::min(next->GetHeight(), image->GetHeight()), image, 0, 0, false);
        // Only what changed is drawn: pixels equal to the picture before are transparent.
        file::Pooled<BufferedImage> changed(CopyOf(next));
        made = static_cast<bool>(changed);
        if (made) {
            ApplyMaskImage(changed.get(), composite);
            made = AddFrame(changed.get(), bits, true, red, green, blue, kAlphaThreshold);
        }
        if (made) {
            frames_.back().disposal = kLeaveInPlace;
            frames_.back().delay = set->GetDelay(i);
        }
        composite->ReleaseToPool();
        composite = next;
    }
    composite->ReleaseToPool();
    return made;
}

IEncodedImage* Gif::FromImage(IBufferedImage* image)
{
    IEncodeSettingSource* settings = GetEncodeSettingSource();
    // A picture that has read no colour table yet converts at 8 bits.
    return settings ? EncodeWithSetting(settings->TakeGifSetting(true, tableBits_ ? tableBits_ : kFrameBits), image)
                    : nullptr;
}

IEncodedImage* Gif::FromImageSet(BufferedImageSet* set)
{
    if (!set)
        return nullptr;
    if (set->GetCount() <= 1 || !set->IsAnimated())
        return FromImage(set->GetPrimaryImage());
    IEncodeSettingSource* settings = GetEncodeSettingSource();
    return settings ? EncodeSetWithSetting(settings->TakeGifSetting(true, tableBits_ ? tableBits_ : kFrameBits), set)
                    : nullptr;
}

ImageShape Gif::ShapeOf(int32_t index)
{
    bmp::win::Bitmap* frame = frames_[index].bitmap;
    return ImageShape{frame->GetWidth(), frame->GetHeight(), frame->GetBitCount()};
}

bool Gif::FindExactImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index)
{
    return FindImage(GetImageCount(), [this](int32_t i) { return ShapeOf(i); }, width, height, bitsPerPixel,
                     ImageSearch::kExact, index);
}

bool Gif::FindNearestDepthImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index)
{
    return FindImage(GetImageCount(), [this](int32_t i) { return ShapeOf(i); }, width, height, bitsPerPixel,
                     ImageSearch::kNearestDepth, index);
}

bool Gif::FindNearestSizeImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index)
{
    return FindImage(GetImageCount(), [this](int32_t i) { return ShapeOf(i); }, width, height, bitsPerPixel,
                     ImageSearch::kNearestSize, index);
}

} // namespace win
} // namespace gif
} // namespace image
} // namespace s

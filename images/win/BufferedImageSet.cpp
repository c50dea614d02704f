#include "images/win/BufferedImageSet.h"

#include <cstdlib>

#include "images/win/BufferedImage.h"

namespace s {
namespace image {
namespace win {

namespace {

const int32_t kDefaultBitsPerPixel = 32;
const uint16_t kDefaultLoopCount = 1;
// Before the first image of a search: farther from every wanted value than any image.
const int64_t kNoneYet = -16777215;
// Mode 1 draws a frame over the previous one; a composed frame is complete, mode 2.
const int32_t kDrawnOver = 1;
const int32_t kComplete = 2;

int64_t AreaOf(int32_t width, int32_t height)
{
    return int64_t(width) * height;
}

int64_t Distance(int64_t a, int64_t b)
{
    return a > b ? a - b : b - a;
}

} // namespace

BufferedImageSet::BufferedImageSet()
    : animated_(false), loopCount_(kDefaultLoopCount), primaryWidth_(0), primaryHeight_(0), primaryBitsPerPixel_(0),
      primaryIndex_(0)
{
    // Disposing of an image gives it back to its pool.
    images_.SetCleaner(BufferedImage::GetPool());
}

BufferedImageSet::~BufferedImageSet()
{
    // Destroyed with its pool at exit or when the pool is full: the images go with it, destroyed
    // rather than handed to a pool that may already be gone.
    const uint32_t count = images_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        delete static_cast<BufferedImage*>(images_.Get(i));
        images_.Set(i, nullptr);
    }
    images_.SetCleaner(nullptr);
}

thread::EasyPooler* BufferedImageSet::GetPool()
{
    return &thread::PoolOf<BufferedImageSet>();
}

BufferedImageSet* BufferedImageSet::New()
{
    return thread::TakeFromPool<BufferedImageSet>();
}

const wchar_t* BufferedImageSet::GetClassName()
{
    return kClassName;
}

base::IObject* BufferedImageSet::NewInstance()
{
    return New();
}

void BufferedImageSet::ReleaseToPool()
{
    GetPool()->Give(this);
}

void BufferedImageSet::Reset()
{
    RemoveAll();
}

int32_t BufferedImageSet::GetCount()
{
    return static_cast<int32_t>(images_.GetCount());
}

void BufferedImageSet::AddImage(BufferedImage* image, int32_t bitsPerPixel, int32_t delay, int32_t combineMode)
{
    // An image twice would be given back to its pool twice.
    if (!image || images_.IndexOf(image, nullptr))
        return;
    const int64_t area = AreaOf(image->GetWidth(), image->GetHeight());
    const int64_t primaryArea = AreaOf(primaryWidth_, primaryHeight_);
    if (primaryArea < area || (primaryArea == area && bitsPerPixel > primaryBitsPerPixel_)) {
        primaryWidth_ = image->GetWidth();
        primaryHeight_ = image->GetHeight();
        primaryBitsPerPixel_ = bitsPerPixel;
        primaryIndex_ = GetCount();
    }
    images_.Append(image);
    bitsPerPixel_.Append(bitsPerPixel);
    delay_.Append(delay);
    combineMode_.Append(combineMode);
}

void BufferedImageSet::AddImage(BufferedImage* image)
{
    AddImage(image, kDefaultBitsPerPixel, 0, 0);
}

int32_t BufferedImageSet::UpdatePrimaryImage()
{
    primaryWidth_ = 0;
    primaryHeight_ = 0;
    const int32_t count = GetCount();
    for (int32_t i = 0; i < count; ++i) {
        BufferedImage* image = GetImage(i);
        IBufferedImage* shown = image;
        if (image->HasFilters()) {
            IBufferedImage* filtered = image->GetFilteredImage();
            if (filtered)
                shown = filtered;
        }
        if (AreaOf(primaryWidth_, primaryHeight_) < AreaOf(shown->GetWidth(), shown->GetHeight())) {
            primaryWidth_ = shown->GetWidth();
            primaryHeight_ = shown->GetHeight();
        }
    }
    return count;
}

void BufferedImageSet::SetAnimation(bool animated, int32_t loopCount)
{
    animated_ = animated;
    loopCount_ = static_cast<uint16_t>(loopCount);
}

int32_t BufferedImageSet::GetDelay(int32_t index)
{
    if (index < 0 || index >= GetCount())
        return kPastTheCount;
    return delay_.Get(static_cast<uint32_t>(index));
}

int32_t BufferedImageSet::GetCombineMode(int32_t index)
{
    if (index < 0 || index >= GetCount())
        return kPastTheCount;
    return combineMode_.Get(static_cast<uint32_t>(index));
}

int32_t BufferedImageSet::GetBitsPerPixel(int32_t index)
{
    if (index < 0 || index >= GetCount())
        return 0;
    return bitsPerPixel_.Get(static_cast<uint32_t>(index));
}

BufferedImage* BufferedImageSet::GetImage(int32_t index)
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return static_cast<BufferedImage*>(images_.Get(static_cast<uint32_t>(index)));
}

BufferedImage* BufferedImageSet::GetPrimaryImage()
{
    return GetImage(primaryIndex_);
}

BufferedImageSet* BufferedImageSet::CopyImages(CopyKind kind, int32_t width, int32_t height, bool keepAspect)
{
    BufferedImageSet* copy = New();
    if (!copy)
        return nullptr;
    const int32_t count = GetCount();
    for (int32_t i = 0; i < count; ++i) {
        BufferedImage* image = GetImage(i);
        IBufferedImage* from = image;
        if (kind == CopyKind::kScaled) {
            from = image->Scale(width, height, keepAspect);
        } else if (kind == CopyKind::kFiltered && image->HasFilters()) {
            IBufferedImage* filtered = image->GetFilteredImage();
            if (filtered)
                from = filtered;
        }
        BufferedImage* made = from ? dynamic_cast<BufferedImage*>(from->CopyTo(nullptr)) : nullptr;
        if (made)
            copy->AddImage(made, GetBitsPerPixel(i), GetDelay(i), GetCombineMode(i));
    }
    copy->SetAnimation(animated_, loopCount_);
    return copy;
}

BufferedImageSet* BufferedImageSet::Copy()
{
    return CopyImages(CopyKind::kPlain, 0, 0, false);
}

BufferedImageSet* BufferedImageSet::ScaledCopy(int32_t width, int32_t height, bool keepAspect)
{
    return CopyImages(CopyKind::kScaled, width, height, keepAspect);
}

BufferedImageSet* BufferedImageSet::FilteredCopy()
{
    return CopyImages(CopyKind::kFiltered, 0, 0, false);
}

BufferedImageSet* BufferedImageSet::ComposeFrames()
{
    BufferedImageSet* frames = New();
    if (!frames)
        return nullptr;
    BufferedImage* previous = nullptr;
    const int32_t count = GetCount();
    for (int32_t i = 0; i < count; ++i) {
        BufferedImage* frame = dynamic_cast<BufferedImage*>(GetImage(i)->CopyTo(nullptr));
        if (!frame)
            continue;
        int32_t mode = GetCombineMode(i);
        if (i > 0 && mode == kDrawnOver && previous) {
            BufferedImage* composed = dynamic_cast<BufferedImage*>(previous->CopyTo(nullptr));
            if (composed) {
                composed->DrawImage(0, 0, 0, 0, frame, 0, 0, false);
                frame->ReleaseToPool();
                frame = composed;
                mode = kComplete;
            }
        }
        frames->AddImage(frame, GetBitsPerPixel(i), GetDelay(i), mode);
        previous = frame;
    }
    frames->SetAnimation(true, loopCount_);
    return frames;
}

bool BufferedImageSet::FindExactImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index)
{
    const int32_t count = GetCount();
    for (int32_t i = 0; i < count; ++i) {
        BufferedImage* image = GetImage(i);
        if (image->GetWidth() == width && image->GetHeight() == height && GetBitsPerPixel(i) == bitsPerPixel) {
            if (index)
                *index = i;
            return true;
        }
    }
    if (index)
        *index = 0;
    return false;
}

bool BufferedImageSet::FindNearest(int32_t width, int32_t height, int32_t bitsPerPixel, bool depthFirst,
                                   int32_t* index)
{
    const int32_t count = GetCount();
    if (count == 0) {
        if (index)
            *index = 0;
        return false;
    }
    const int64_t area = AreaOf(width, height);
    int64_t bestDepth = kNoneYet;
    int64_t bestArea = kNoneYet;
    int32_t best = 0;
    for (int32_t i = 0; i < count; ++i) {
        BufferedImage* image = GetImage(i);
        const int64_t depth = GetBitsPerPixel(i);
        const int64_t imageArea = AreaOf(image->GetWidth(), image->GetHeight());
        if (image->GetWidth() == width && image->GetHeight() == height && depth == bitsPerPixel) {
            best = i;
            break;
        }
        const int64_t depthNow = Distance(bitsPerPixel, depth), depthBest = Distance(bitsPerPixel, bestDepth);
        const int64_t areaNow = Distance(area, imageArea), areaBest = Distance(area, bestArea);
        const int64_t firstNow = depthFirst ? depthNow : areaNow, firstBest = depthFirst ? depthBest : areaBest;
        const int64_t thenNow = depthFirst ? areaNow : depthNow, thenBest = depthFirst ? areaBest : depthBest;
        // Strictly nearer only: the earlier image wins a full tie.
        if (firstNow < firstBest || (firstNow == firstBest && thenNow < thenBest)) {
            best = i;
            bestDepth = depth;
            bestArea = imageArea;
        }
    }
    if (index)
        *index = best;
    return true;
}

bool BufferedImageSet::FindNearestDepthImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index)
{
    return FindNearest(width, height, bitsPerPixel, true, index);
}

bool BufferedImageSet::FindNearestSizeImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index)
{
    return FindNearest(width, height, bitsPerPixel, false, index);
}

void BufferedImageSet::DetachAll()
{
    animated_ = false;
    primaryWidth_ = 0;
    primaryHeight_ = 0;
    primaryBitsPerPixel_ = 0;
    primaryIndex_ = 0;
    images_.SetCount(0);
    bitsPerPixel_.SetCount(0);
    delay_.SetCount(0);
    combineMode_.SetCount(0);
}

void BufferedImageSet::RemoveAll()
{
    images_.FreeAll();
    DetachAll();
    loopCount_ = kDefaultLoopCount;
}

} // namespace win
} // namespace image
} // namespace s

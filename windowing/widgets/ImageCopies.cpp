// What the image widget gives out of its shown picture: the filters of its images, copies, prints
// and renderings for a receiver.
#include "core/col/ArrayP.h"
#include "images/IImageBuffer.h"
#include "images/filters/IFilter.h"
#include "images/filters/sharpness/Sharpness.h"
#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "windowing/widgets/IImageReceiver.h"
#include "windowing/widgets/Image.h"

namespace s {
namespace gui {
namespace win {

namespace {

using image::IBufferedImage;
using image::filters::IFilter;
using image::win::BufferedImageSet;

const int32_t kSharpening = 70;

IBufferedImage* FilteredOrSelf(IBufferedImage* picture)
{
    if (picture && picture->HasFilters()) {
        if (IBufferedImage* filtered = picture->GetFilteredImage())
            return filtered;
    }
    return picture;
}

// A filter lent to an image for one call: never given back to its pool when taken off again.
class LentFilter {
public:
    explicit LentFilter(IFilter* filter) : filter_(filter), autoRelease_(filter && filter->IsAutoRelease())
    {
        if (filter_)
            filter_->SetAutoRelease(false);
    }
    ~LentFilter()
    {
        if (filter_)
            filter_->SetAutoRelease(autoRelease_);
    }
    void AddTo(IBufferedImage* picture)
    {
        if (filter_ && picture)
            picture->AddFilter(filter_);
    }
    void TakeFrom(IBufferedImage* picture)
    {
        if (!filter_ || !picture)
            return;
        col::_array::ArrayP* list = picture->GetFilterList();
        for (uint32_t i = list ? list->GetCount() : 0; i > 0; --i) {
            if (list->Get(i - 1) == filter_) {
                picture->RemoveFilter(static_cast<int32_t>(i - 1));
                return;
            }
        }
    }

private:
    LentFilter(const LentFilter&) = delete;
    LentFilter& operator=(const LentFilter&) = delete;
    IFilter* filter_;
    bool autoRelease_;
};

} // namespace

bool Image::HasFilters(int32_t index)
{
    IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr;
    return picture && picture->HasFilters();
}

bool Image::FindFilter(int32_t index, const wchar_t* name, int32_t* position)
{
    IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr;
    return picture && picture->FindFilter(name, position);
}

col::_array::ArrayP* Image::GetFilterList(int32_t index)
{
    IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr;
    return picture ? picture->GetFilterList() : nullptr;
}

IFilter* Image::GetFilter(int32_t index, int32_t position)
{
    IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr;
    return picture ? picture->GetFilter(position) : nullptr;
}

bool Image::InsertFilter(int32_t index, int32_t position, IFilter* filter)
{
    IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr;
    return picture && picture->InsertFilter(position, filter);
}

void Image::AddFilter(int32_t index, IFilter* filter)
{
    if (IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr)
        picture->AddFilter(filter);
}

void Image::RemoveFilter(int32_t index, int32_t position)
{
    if (IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr)
        picture->RemoveFilter(position);
}

void Image::RemoveAllFilters(int32_t index)
{
    if (IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr)
        picture->RemoveAllFilters();
}

IBufferedImage* Image::ApplyFilters(int32_t index)
{
    IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr;
    return picture ? picture->ApplyFilters() : nullptr;
}

IBufferedImage* Image::GetFilteredImage(int32_t index)
{
    IBufferedImage* picture = set_ ? set_->GetImage(index) : nullptr;
    return picture ? picture->GetFilteredImage() : nullptr;
}

IBufferedImage* Image::ShownFrame(bool scaleToClient)
{
    IBufferedImage* frame = FilteredOrSelf(set_ ? set_->GetImage(currentFrame_) : nullptr);
    if (!frame || !scaleToClient)
        return frame;
    return frame->Scale(GetClientWidth(), GetClientHeight(), false);
}

IBufferedImage* Image::CopyCurrentImage(bool scaleToClient, IBufferedImage* target)
{
    thread::ScopedLock hold(lock_);
    IBufferedImage* frame = ShownFrame(scaleToClient);
    return frame ? frame->CopyTo(target) : nullptr;
}

void Image::PrintCurrentImage(bool scaleToClient, bool rotateLandscape, bool sharpen, bool fitToPage)
{
    IBufferedImage* copy = CopyCurrentImage(scaleToClient, nullptr);
    if (!copy)
        return;
    // Printed outside the lock: the print dialog may stay open for long.
    copy->Print(rotateLandscape, sharpen, fitToPage);
    image::ReleaseImage(copy);
}

base::IObject* Image::RenderImage(IImageReceiver* receiver, bool scaleToClient, bool sharpen, IFilter* extraFilter)
{
    thread::ScopedLock hold(lock_);
    if (!receiver || !set_)
        return nullptr;
    LentFilter extra(extraFilter);
    if (set_->IsAnimated() && set_->GetCount() > 1) {
        BufferedImageSet* copy = nullptr;
        if (scaleToClient)
            copy = set_->ScaledCopy(GetClientWidth(), GetClientHeight(), false);
        else if (sharpen)
            copy = set_->Copy();
        BufferedImageSet* shown = copy ? copy : set_;
        image::filters::sharpness::Sharpness* sharpness =
            copy && sharpen ? image::filters::sharpness::NewSharpness(kSharpening) : nullptr;
        if (sharpness)
            sharpness->SetAutoRelease(false);
        for (int32_t i = 0; copy && i < copy->GetCount(); ++i) {
            col::_array::ArrayP* filters = set_->GetImage(i) ? set_->GetImage(i)->GetFilterList() : nullptr;
            for (uint32_t f = 0; filters && f < filters->GetCount(); ++f)
                copy->GetImage(i)->AddFilter(static_cast<IFilter*>(filters->Get(f)));
            if (sharpness)
                copy->GetImage(i)->AddFilter(sharpness);
        }
        for (int32_t i = 0; i < shown->GetCount(); ++i)
            extra.AddTo(shown->GetImage(i));
        base::IObject* result = receiver->TakeImageSet(shown);
        for (int32_t i = 0; i < shown->GetCount(); ++i)
            extra.TakeFrom(shown->GetImage(i));
        if (copy) {
            // The filters are the shown set's: only the copy goes.
            for (int32_t i = 0; i < copy->GetCount(); ++i)
                copy->GetImage(i)->DetachAllFilters();
            copy->ReleaseToPool();
        }
        if (sharpness)
            sharpness->ReleaseToPool();
        return result;
    }
    IBufferedImage* frame = ShownFrame(scaleToClient);
    if (!frame)
        return nullptr;
    if (!sharpen) {
        extra.AddTo(frame);
        base::IObject* result = receiver->TakeImage(FilteredOrSelf(frame));
        extra.TakeFrom(frame);
        return result;
    }
    IBufferedImage* copy = frame->CopyTo(nullptr);
    if (!copy)
        return nullptr;
    // Auto-release: it goes with the copy.
    if (IFilter* sharpness = image::filters::sharpness::NewSharpness(kSharpening))
        copy->AddFilter(sharpness);
    extra.AddTo(copy);
    base::IObject* result = receiver->TakeImage(FilteredOrSelf(copy));
    extra.TakeFrom(copy);
    image::ReleaseImage(copy);
    return result;
}

} // namespace win
} // namespace gui
} // namespace s

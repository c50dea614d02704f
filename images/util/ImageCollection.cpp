#include "images/util/ImageCollection.h"

namespace s {
namespace gui {
namespace win {

ImageCollection::ImageCollection() : ownsList_(false)
{
    Reset();
}

ImageCollection::~ImageCollection()
{
    // A borrowed list leaves before the list holder's own destructor could destroy it.
    Reset();
}

thread::EasyPooler* ImageCollection::GetPool()
{
    return &thread::PoolOf<ImageCollection>();
}

ImageCollection* ImageCollection::New()
{
    return thread::TakeFromPool<ImageCollection>();
}

const wchar_t* ImageCollection::GetClassName()
{
    return kClassName;
}

base::IObject* ImageCollection::NewInstance()
{
    return New();
}

void ImageCollection::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ImageCollection::Reset()
{
    if (GetSafeHandle()) {
        if (ownsList_)
            DeleteImageList();
        Detach();
    }
    ownsList_ = true;
}

} // namespace win
} // namespace gui
} // namespace s

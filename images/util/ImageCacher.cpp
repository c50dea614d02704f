#include "images/util/ImageCacher.h"

#include "core/map/MapTable.h"
#include "core/str/StrBuffer.h"
#include "images/ImageCache.h"
#include "images/util/ImageCollection.h"

namespace s {
namespace image {
namespace util {

namespace {

// SHGFI_SYSICONINDEX | SHGFI_ICON | SHGFI_SMALLICON: the system's small-icon list, and an icon
// the shell makes along with it.
const UINT kSystemListFlags = 0x4101;

// Keys are stored as objects; the text pool wants the text itself back.
class KeyToPool : public base::IDestructor {
public:
    void Destroy(void** slot) override
    {
        base::IObject* key = static_cast<base::IObject*>(*slot);
        *slot = nullptr;
        str::strbuffer::StrBuffer* text = dynamic_cast<str::strbuffer::StrBuffer*>(key);
        if (text)
            text->ReleaseToPool();
        else
            delete key;
    }
};

ImageCacher::FileInfoFunction fileInfoFunction = &SHGetFileInfoW;

HIMAGELIST SystemSmallIconList()
{
    SHFILEINFOW info = {};
    const HIMAGELIST list =
        reinterpret_cast<HIMAGELIST>(ImageCacher::QueryFileInfo(L"", 0, &info, sizeof(info), kSystemListFlags));
    // The flags ask for an icon as well: without this every cacher would leak one.
    if (info.hIcon)
        DestroyIcon(info.hIcon);
    return list;
}

} // namespace

ImageCacher::ImageCacher() : map_(map::MapTable::New()), systemList_(gui::win::ImageCollection::New())
{
    if (map_)
        map_->SetIgnoreCase(true);
    if (systemList_) {
        systemList_->Reset();
        const HIMAGELIST list = SystemSmallIconList();
        if (list)
            systemList_->Attach(list);
        systemList_->SetOwnsList(false);
    }
    Reset();
}

ImageCacher::~ImageCacher()
{
    if (map_) {
        map_->Clear(KeyCleaner(), ValueCleaner());
        delete map_;
    }
    // The collection lets go of the borrowed list when it goes.
    delete systemList_;
}

thread::EasyPooler* ImageCacher::GetPool()
{
    return &thread::PoolOf<ImageCacher>();
}

ImageCacher* ImageCacher::New()
{
    return thread::TakeFromPool<ImageCacher>();
}

const wchar_t* ImageCacher::GetClassName()
{
    return kClassName;
}

base::IObject* ImageCacher::NewInstance()
{
    return New();
}

void ImageCacher::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ImageCacher::Reset()
{
    if (!map_)
        return;
    thread::ScopedLock lock(lock_);
    map_->Clear(KeyCleaner(), ValueCleaner());
}

base::IDestructor* ImageCacher::KeyCleaner()
{
    static KeyToPool cleaner;
    return &cleaner;
}

ImageCacher::FileInfoFunction ImageCacher::SetFileInfoFunction(FileInfoFunction function)
{
    FileInfoFunction previous = fileInfoFunction;
    fileInfoFunction = function ? function : &SHGetFileInfoW;
    return previous;
}

DWORD_PTR ImageCacher::QueryFileInfo(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags)
{
    return fileInfoFunction(path, attributes, info, size, flags);
}

base::IDestructor* ImageCacher::ValueCleaner()
{
    return ImageCache::GetPool();
}

} // namespace util
} // namespace image
} // namespace s

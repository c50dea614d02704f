// Filling the lists' picture cache: shell icons shared by file type, and pictures of image files
// and module icons by their path.
#include <commctrl.h>

#include "core/map/MapTable.h"
#include "core/str/StrBuffer.h"
#include "images/ImageCache.h"
#include "images/SmallIconImage.h"
#include "images/bmp/win/Bitmap.h"
#include "images/util/ImageCacher.h"
#include "images/util/ImageCollection.h"
#include "images/win/BufferedImage.h"

using s::str::strbuffer::StrBuffer;

namespace s {
namespace image {
namespace util {

namespace {

// Only the index is asked for: no icon is extracted to find the key.
const UINT kIndexFlags = SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES;
const UINT kSmallIndexFlags = kIndexFlags | SHGFI_SMALLICON;

// The decimal text of the file type's system-list index in a pooled string; null when the shell
// knows no icon for the name.
StrBuffer* IconIndexKey(const wchar_t* path, UINT flags)
{
    if (!path || !*path)
        return nullptr;
    SHFILEINFOW info = {};
    if (!ImageCacher::QueryFileInfo(path, 0, &info, sizeof(info), flags))
        return nullptr;
    StrBuffer* key = StrBuffer::New();
    if (key)
        key->AppendInt64(info.iIcon);
    return key;
}

// A 32-bit copy of the icon for the cache; null when it cannot be converted.
ImageCache* CacheIcon(HICON icon)
{
    bmp::win::Bitmap* bitmap = bmp::win::Bitmap::New();
    if (!bitmap)
        return nullptr;
    ImageCache* cached = nullptr;
    win::BufferedImage* converted = win::BufferedImage::New();
    if (converted && bitmap->FromIcon(icon) && bitmap->ToBufferedImage(0, converted))
        cached = CopyToImageCache(converted);
    if (converted)
        converted->ReleaseToPool();
    bitmap->ReleaseToPool();
    return cached;
}

} // namespace

void ImageCacher::AddShellIcon(const wchar_t* path)
{
    StrBuffer* key = IconIndexKey(path, kSmallIndexFlags);
    if (!key)
        return;
    thread::ScopedLock lock(lock_);
    if (!map_ || map_->Contains(key)) {
        key->ReleaseToPool();
        return;
    }
    HICON icon = systemList_ && systemList_->GetSafeHandle()
                     ? ImageList_GetIcon(systemList_->GetSafeHandle(), static_cast<int>(key->ToInt64()), ILD_NORMAL)
                     : nullptr;
    // A type without an icon is kept without a picture as well, so that it is not asked again.
    ImageCache* cached = icon ? CacheIcon(icon) : nullptr;
    if (icon)
        DestroyIcon(icon);
    if (!map_->Put(key->HashCodeIgnoreCase(), key, reinterpret_cast<uint64_t>(cached))) {
        key->ReleaseToPool();
        if (cached)
            cached->ReleaseToPool();
    }
}

ImageCache* ImageCacher::GetShellIcon(const wchar_t* path)
{
    StrBuffer* key = IconIndexKey(path, kIndexFlags);
    if (!key)
        return nullptr;
    ImageCache* image = Lookup(key);
    key->ReleaseToPool();
    return image;
}

void ImageCacher::AddImageFile(const wchar_t* path)
{
    if (!path || !*path || !map_)
        return;
    {
        thread::ScopedLock lock(lock_);
        StrBuffer* key = StrBuffer::New();
        if (!key)
            return;
        key->Assign(path);
        const bool known = map_->Contains(key);
        key->ReleaseToPool();
        if (known)
            return;
    }
    LoadImageFile(path);
}

void ImageCacher::LoadImageFile(const wchar_t* path)
{
    if (!map_)
        return;
    thread::ScopedLock lock(lock_);
    StrBuffer* key = StrBuffer::New();
    if (!key)
        return;
    key->Assign(path ? path : L"");
    // Another thread may have loaded it meanwhile.
    if (key->GetLength() == 0 || map_->Contains(key)) {
        key->ReleaseToPool();
        return;
    }
    win::BufferedImage* loaded = LoadSmallIconImage(key->GetText());
    ImageCache* cached = loaded ? CopyToImageCache(loaded) : nullptr;
    if (loaded)
        loaded->ReleaseToPool();
    if (!map_->Put(key->HashCodeIgnoreCase(), key, reinterpret_cast<uint64_t>(cached))) {
        key->ReleaseToPool();
        if (cached)
            cached->ReleaseToPool();
    }
}

ImageCache* ImageCacher::Lookup(StrBuffer* key)
{
    if (!key || !map_ || map_->GetCount() == 0)
        return nullptr;
    return reinterpret_cast<ImageCache*>(map_->Get(key));
}

} // namespace util
} // namespace image
} // namespace s

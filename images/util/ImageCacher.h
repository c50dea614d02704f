#pragma once
#include <windows.h>
#include <shellapi.h>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace map {
class MapTable;
}
namespace gui {
namespace win {
class ImageCollection;
}
} // namespace gui
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace image {
class ImageCache;

namespace util {

// The lists' picture cache: text keys, case ignored, to cached images (a value may be null, for a
// key that had no picture), guarded by one lock, beside the borrowed system small-icon list. The
// lists fill and read it under GetLock: keys are pooled StrBuffers put with HashCodeIgnoreCase,
// values ImageCache pointers; clearing gives both back to their pools.
class ImageCacher : public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_util_ImageCacher";

    ImageCacher();
    ~ImageCacher() override;

    static thread::EasyPooler* GetPool();
    static ImageCacher* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Empties the map under the lock; the system list stays.
    void Reset() override;

    map::MapTable* GetMap() { return map_; }
    thread::ObjLocker& GetLock() { return lock_; }
    gui::win::ImageCollection* GetSystemList() { return systemList_; }

    // The fills: a key whose picture fails is kept without one, so it is never tried again.
    // The shell's small icon of the path's file type (only the name counts, the file need not
    // exist), under the decimal text of its system-list index: one entry per type.
    void AddShellIcon(const wchar_t* path);
    // The cached icon of the path's file type, or null; the caller holds the lock.
    image::ImageCache* GetShellIcon(const wchar_t* path);
    // The 16 x 16 picture of an image file or module icon ("C:\x\y.dll,3"), under its path.
    void AddImageFile(const wchar_t* path);
    void LoadImageFile(const wchar_t* path);
    // The image stored under a key, case ignored, or null; the caller holds the lock.
    image::ImageCache* Lookup(str::strbuffer::StrBuffer* key);

    // The map's key and value cleaners: keys are pooled text, values pooled caches.
    static base::IDestructor* KeyCleaner();
    static base::IDestructor* ValueCleaner();

    // The shell's file information call a cacher asks for the system list (SHGetFileInfoW unless
    // replaced, as tests do); returns the previous one. Null restores the shell's own.
    typedef DWORD_PTR(WINAPI* FileInfoFunction)(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size,
                                                UINT flags);
    static FileInfoFunction SetFileInfoFunction(FileInfoFunction function);
    static DWORD_PTR QueryFileInfo(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags);

private:
    ImageCacher(const ImageCacher&) = delete;
    ImageCacher& operator=(const ImageCacher&) = delete;

    map::MapTable* map_;
    thread::ObjLocker lock_;
    gui::win::ImageCollection* systemList_;
};

} // namespace util
} // namespace image
} // namespace s

// The lists' picture cache: one entry per key whatever its case, keys and values back to their
// pools on reset, and the borrowed system list left alone.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "core/map/MapTable.h"
#include "core/str/StrBuffer.h"
#include "images/ImageCache.h"
#include "images/util/ImageCacher.h"
#include "images/util/ImageCollection.h"

namespace {

using s::image::ImageCache;
using s::image::util::ImageCacher;
using s::str::strbuffer::StrBuffer;

// What the list controls do: put a key, unless one equal to it ignoring case is there.
bool PutOnce(ImageCacher* cacher, const wchar_t* text, ImageCache* value)
{
    s::thread::ScopedLock lock(cacher->GetLock());
    StrBuffer* key = StrBuffer::New();
    key->Assign(text);
    if (cacher->GetMap()->Get(key) != 0 ||
        !cacher->GetMap()->Put(key->HashCodeIgnoreCase(), key, reinterpret_cast<uintptr_t>(value))) {
        key->ReleaseToPool();
        return false;
    }
    return true;
}

uint64_t Find(ImageCacher* cacher, const wchar_t* text)
{
    s::thread::ScopedLock lock(cacher->GetLock());
    StrBuffer* key = StrBuffer::New();
    key->Assign(text);
    const uint64_t value = cacher->GetMap()->Get(key);
    key->ReleaseToPool();
    return value;
}

TEST(ImageCacher, KeysDifferingOnlyInCaseAreOne)
{
    ImageCacher* cacher = ImageCacher::New();
    ASSERT_TRUE(cacher);
    ASSERT_NE(nullptr, cacher->GetMap());
    EXPECT_TRUE(cacher->GetMap()->IsIgnoreCase());
    ImageCache* picture = ImageCache::New();
    ASSERT_TRUE(PutOnce(cacher, L"C:\\Tools\\App.exe,0", picture));
    EXPECT_FALSE(PutOnce(cacher, L"c:\\tools\\APP.EXE,0", nullptr));
    EXPECT_EQ(1u, cacher->GetMap()->GetCount());
    EXPECT_EQ(reinterpret_cast<uintptr_t>(picture), Find(cacher, L"C:\\TOOLS\\app.exe,0"));
    cacher->ReleaseToPool();
}

TEST(ImageCacher, ResetGivesValuesBackAndKeepsTheSystemList)
{
    ImageCacher* cacher = ImageCacher::New();
    ASSERT_TRUE(cacher);
    ImageCache* picture = ImageCache::New();
    ASSERT_TRUE(picture->Create(16, 16));
    ASSERT_TRUE(PutOnce(cacher, L"a", picture));
    // A key without a picture holds null.
    ASSERT_TRUE(PutOnce(cacher, L"b", nullptr));
    HIMAGELIST system = cacher->GetSystemList() ? cacher->GetSystemList()->GetSafeHandle() : nullptr;
    cacher->Reset();
    EXPECT_EQ(0u, cacher->GetMap()->GetCount());
    // The picture went back to its pool, reset: the next cache taken is that one, empty.
    ImageCache* next = ImageCache::New();
    EXPECT_EQ(picture, next);
    EXPECT_EQ(0, next->GetWidth());
    next->ReleaseToPool();
    ASSERT_NE(nullptr, cacher->GetSystemList());
    EXPECT_EQ(system, cacher->GetSystemList()->GetSafeHandle());
    EXPECT_FALSE(cacher->GetSystemList()->OwnsList());
    cacher->ReleaseToPool();
}

TEST(ImageCacher, TheSystemSmallIconListIsBorrowed)
{
    ImageCacher* cacher = ImageCacher::New();
    ASSERT_TRUE(cacher && cacher->GetSystemList());
    HIMAGELIST system = cacher->GetSystemList()->GetSafeHandle();
    ASSERT_NE(nullptr, system);
    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(system, &width, &height));
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), width);
    // A cacher destroyed (not pooled) leaves the system list alive.
    delete cacher;
    EXPECT_TRUE(ImageList_GetIconSize(system, &width, &height));
}

// What the stand-in shell was asked and gave.
struct ShellRecord {
    UINT flags = 0;
    HICON icon = nullptr;
    HIMAGELIST list = nullptr;
};
ShellRecord* shell = nullptr;

DWORD_PTR WINAPI StandInFileInfo(LPCWSTR, DWORD, SHFILEINFOW* info, UINT, UINT flags)
{
    shell->flags = flags;
    // As the shell does for SHGFI_ICON: a fresh icon the caller must destroy.
    const BYTE mask[32 * 4] = {};
    shell->icon = CreateIcon(nullptr, 32, 32, 1, 1, mask, mask);
    info->hIcon = shell->icon;
    return reinterpret_cast<DWORD_PTR>(shell->list);
}

TEST(ImageCacher, TheIconTheShellMakesWithTheListIsDestroyed)
{
    ShellRecord record;
    record.list = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    shell = &record;
    ImageCacher::FileInfoFunction previous = ImageCacher::SetFileInfoFunction(&StandInFileInfo);
    ImageCacher* cacher = new ImageCacher();
    ImageCacher::SetFileInfoFunction(previous);
    shell = nullptr;
    EXPECT_EQ(0x4101u, record.flags);
    ASSERT_NE(nullptr, record.icon);
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(record.icon, &info));
    EXPECT_EQ(record.list, cacher->GetSystemList()->GetSafeHandle());
    delete cacher;
    // Borrowed: still a list after its cacher went.
    EXPECT_TRUE(ImageList_Destroy(record.list));
}

} // namespace

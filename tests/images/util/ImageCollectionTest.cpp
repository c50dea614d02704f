// The image list that owns its list or borrows one.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "images/util/ImageCollection.h"

namespace {

using s::gui::win::ImageCollection;

HIMAGELIST SystemList()
{
    SHFILEINFOW info = {};
    HIMAGELIST list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    return list;
}

TEST(ImageCollection, ResettingABorrowedListLeavesItUsable)
{
    HIMAGELIST system = SystemList();
    ASSERT_NE(nullptr, system);
    const int count = ImageList_GetImageCount(system);
    ImageCollection* collection = ImageCollection::New();
    ASSERT_TRUE(collection);
    EXPECT_TRUE(collection->OwnsList());
    ASSERT_TRUE(collection->Attach(system));
    collection->SetOwnsList(false);
    collection->Reset();
    EXPECT_EQ(nullptr, collection->GetSafeHandle());
    EXPECT_TRUE(collection->OwnsList());
    int width = 0, height = 0;
    EXPECT_TRUE(ImageList_GetIconSize(system, &width, &height));
    EXPECT_EQ(count, ImageList_GetImageCount(system));
    collection->ReleaseToPool();
}

TEST(ImageCollection, ResettingAnOwnedListDestroysIt)
{
    HIMAGELIST own = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    ASSERT_NE(nullptr, own);
    ImageCollection* collection = ImageCollection::New();
    ASSERT_TRUE(collection->Attach(own));
    collection->Reset();
    EXPECT_EQ(nullptr, collection->GetSafeHandle());
    // A destroyed list is no list any more.
    EXPECT_FALSE(ImageList_Destroy(own));
    collection->ReleaseToPool();
}

TEST(ImageCollection, TheListHolderAttachesOnceAndDetaches)
{
    HIMAGELIST own = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    CImageList holder;
    EXPECT_FALSE(holder.DeleteImageList());
    EXPECT_FALSE(holder.Attach(nullptr));
    ASSERT_TRUE(holder.Attach(own));
    EXPECT_FALSE(holder.Attach(own));
    EXPECT_EQ(own, static_cast<HIMAGELIST>(holder));
    EXPECT_EQ(own, holder.Detach());
    EXPECT_EQ(nullptr, holder.GetSafeHandle());
    EXPECT_TRUE(ImageList_Destroy(own));
}

} // namespace

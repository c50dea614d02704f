// Filling the lists' picture cache: one entry per file type whatever the name's case, one per
// image path, failures kept without a picture and never tried again, empty sources not kept.
#include <windows.h>
#include <commctrl.h>

#include <cwctype>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/map/MapTable.h"
#include "core/str/StrBuffer.h"
#include "images/ImageCache.h"
#include "images/util/ImageCacher.h"
#include "images/util/ImageCollection.h"
#include "tests/images/ImageFixtures.h"
#include "tests/images/codecs/CodecFixtures.h"

namespace {

using s::image::ImageCache;
using s::image::util::ImageCacher;
using s::str::strbuffer::StrBuffer;

// A shell of two known types: ".txt" at index 0 of its list (which holds one icon) and ".odd" at
// index 7, past the list's end.
struct StandInShell {
    HIMAGELIST list = nullptr;
    std::vector<UINT> flags;
};
StandInShell* shell = nullptr;

DWORD_PTR WINAPI StandInFileInfo(LPCWSTR path, DWORD, SHFILEINFOW* info, UINT, UINT flags)
{
    shell->flags.push_back(flags);
    std::wstring name = path;
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(std::towlower(c));
    const auto endsWith = [&](const wchar_t* tail) {
        const std::wstring end = tail;
        return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
    };
    if (name.empty())
        return reinterpret_cast<DWORD_PTR>(shell->list);
    if (endsWith(L".txt"))
        info->iIcon = 0;
    else if (endsWith(L".odd"))
        info->iIcon = 7;
    else
        return 0;
    return reinterpret_cast<DWORD_PTR>(shell->list);
}

// A picture file the image loader takes (it reads files of more than 100 bytes only).
void SavePicture(const wchar_t* path)
{
    images_test::ImagePtr source = images_test::MakeImage(24, 20);
    images_test::FillMarkers(source.get());
    source->SaveAsPng(path, false, true, 0, 0, 0);
}

class CacherFill : public testing::Test {
protected:
    void TearDown() override
    {
        // One over the stand-in goes for good: its borrowed list dies with the test.
        if (cacher_ && standIn_.list)
            delete cacher_;
        else if (cacher_)
            cacher_->ReleaseToPool();
        if (previous_)
            ImageCacher::SetFileInfoFunction(previous_);
        shell = nullptr;
        if (standIn_.list)
            ImageList_Destroy(standIn_.list);
    }

    // A cacher over the stand-in shell, whose list is then its system list.
    void UseStandInShell()
    {
        standIn_.list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
        ASSERT_NE(nullptr, standIn_.list);
        HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
        ASSERT_EQ(0, ImageList_AddIcon(standIn_.list, icon));
        shell = &standIn_;
        previous_ = ImageCacher::SetFileInfoFunction(&StandInFileInfo);
        cacher_ = new ImageCacher();
        standIn_.flags.clear();
    }
    void UseSystemShell()
    {
        cacher_ = ImageCacher::New();
        ASSERT_NE(nullptr, cacher_);
    }

    uint32_t Count() { return cacher_->GetMap()->GetCount(); }
    bool Has(const wchar_t* key)
    {
        StrBuffer* text = StrBuffer::New();
        text->Assign(key);
        const bool has = cacher_->GetMap()->Contains(text);
        text->ReleaseToPool();
        return has;
    }
    ImageCache* Lookup(const wchar_t* key)
    {
        s::thread::ScopedLock lock(cacher_->GetLock());
        StrBuffer* text = StrBuffer::New();
        text->Assign(key);
        ImageCache* image = cacher_->Lookup(text);
        text->ReleaseToPool();
        return image;
    }
    ImageCache* ShellIcon(const wchar_t* path)
    {
        s::thread::ScopedLock lock(cacher_->GetLock());
        cacher_->AddShellIcon(path);
        return cacher_->GetShellIcon(path);
    }
    ImageCache* ImageFile(const wchar_t* path)
    {
        s::thread::ScopedLock lock(cacher_->GetLock());
        cacher_->AddImageFile(path);
        StrBuffer* text = StrBuffer::New();
        text->Assign(path);
        ImageCache* image = cacher_->Lookup(text);
        text->ReleaseToPool();
        return image;
    }

    ImageCacher* cacher_ = nullptr;
    ImageCacher::FileInfoFunction previous_ = nullptr;
    StandInShell standIn_;
};

TEST_F(CacherFill, FilesOfOneTypeShareOneEntryUnderTheirIconIndex)
{
    UseStandInShell();
    ImageCache* first = ShellIcon(L"C:\\notes\\Shopping.txt");
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(16, first->GetWidth());
    EXPECT_EQ(16, first->GetHeight());
    EXPECT_EQ(first, ShellIcon(L"D:\\OTHER\\README.TXT"));
    EXPECT_EQ(1u, Count());
    EXPECT_TRUE(Has(L"0"));
    // The shell was asked only for indexes, never for an icon: small for the fill, any for the
    // lookup.
    for (UINT flags : standIn_.flags)
        EXPECT_TRUE(flags == 0x4011u || flags == 0x4010u) << std::hex << flags;
}

TEST_F(CacherFill, ATypeWithoutAnIconIsKeptWithoutAPicture)
{
    UseStandInShell();
    EXPECT_EQ(nullptr, ShellIcon(L"C:\\x.odd"));
    EXPECT_TRUE(Has(L"7"));
    EXPECT_EQ(nullptr, ShellIcon(L"C:\\y.ODD"));
    EXPECT_EQ(1u, Count());
    // A name the shell knows no type for and an empty name keep nothing.
    EXPECT_EQ(nullptr, ShellIcon(L"C:\\unknown.zzz"));
    EXPECT_EQ(nullptr, ShellIcon(L""));
    EXPECT_EQ(nullptr, ShellIcon(nullptr));
    EXPECT_EQ(1u, Count());
}

TEST_F(CacherFill, TheSystemShellGivesNamesDifferingInCaseOneEntry)
{
    UseSystemShell();
    ImageCache* lower = ShellIcon(L"C:\\a\\letter.txt");
    ImageCache* upper = ShellIcon(L"C:\\B\\MEMO.TXT");
    EXPECT_EQ(lower, upper);
    EXPECT_EQ(1u, Count());
    // The file need not exist: only its name counts.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(L"C:\\B\\MEMO.TXT"));
}

TEST_F(CacherFill, AnImagePathIsOneEntryWhateverItsCase)
{
    UseSystemShell();
    codecs_test::TempFile file(L"cacher-icon.png");
    SavePicture(file.c_str());
    ImageCache* image = ImageFile(file.c_str());
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(24, image->GetWidth());
    std::wstring upper = file.c_str();
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(std::towupper(c));
    EXPECT_EQ(image, ImageFile(upper.c_str()));
    EXPECT_EQ(1u, Count());
}

TEST_F(CacherFill, AnUnreadableImageIsKeptWithoutAPictureAndNotLoadedAgain)
{
    UseSystemShell();
    codecs_test::TempFile file(L"cacher-late.png");
    EXPECT_EQ(nullptr, ImageFile(file.c_str()));
    EXPECT_EQ(1u, Count());
    // The file appears afterwards: the failure stands for the life of the cache.
    SavePicture(file.c_str());
    EXPECT_EQ(nullptr, ImageFile(file.c_str()));
    {
        s::thread::ScopedLock lock(cacher_->GetLock());
        cacher_->LoadImageFile(file.c_str());
    }
    EXPECT_EQ(nullptr, Lookup(file.c_str()));
    EXPECT_EQ(1u, Count());
    // A reset cache tries again.
    cacher_->Reset();
    EXPECT_NE(nullptr, ImageFile(file.c_str()));
}

TEST_F(CacherFill, AnEmptySourceCachesNothing)
{
    UseSystemShell();
    EXPECT_EQ(nullptr, ImageFile(L""));
    EXPECT_EQ(nullptr, ImageFile(nullptr));
    {
        s::thread::ScopedLock lock(cacher_->GetLock());
        cacher_->LoadImageFile(L"");
    }
    EXPECT_EQ(0u, Count());
    EXPECT_EQ(nullptr, Lookup(L"anything"));
    EXPECT_EQ(nullptr, cacher_->Lookup(nullptr));
}

} // namespace

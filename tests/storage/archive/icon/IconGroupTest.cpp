// Icon groups of a module: found by id, name or place, their images read from the module's
// icon resources, groups that lie about their contents loaded as far as they hold.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "core/col/Arrays.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/archive/icon/Archive.h"
#include "storage/archive/icon/Entry.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "storage/TestFiles.h"

namespace {

using s::archive::icon::Archive;
using s::archive::icon::DirectoryRecord;
using s::file::Pooled;
using Bytes = std::vector<uint8_t>;

// The fixture's images: their sides, depths, ids and resource sizes.
struct Image {
    uint8_t side;
    uint16_t bits;
    uint32_t id;
    uint32_t bytes;
};
const Image k16x4 = {16, 4, 201, 296};
const Image k16x32 = {16, 32, 202, 1128};
const Image k32x8 = {32, 8, 203, 2216};
const Image k32x32 = {32, 32, 204, 4264};
const Image k48x32 = {48, 32, 205, 9640};

class Module {
public:
    explicit Module(const std::wstring& path)
        : path_(s::file::win::PathWin::CreateFromText(path.c_str())),
          archive_(s::archive::dll::win::Archive::OpenModule(path_.get()))
    {
    }
    s::archive::dll::win::Archive* get() { return archive_.get(); }

private:
    Pooled<s::file::win::PathWin> path_;
    Pooled<s::archive::dll::win::Archive> archive_;
};

std::wstring FixturePath()
{
    return testfiles::BesideTestProgram(L"IconFixture.dll");
}

void ExpectImages(Archive* archive, const std::vector<Image>& images, const char* what)
{
    ASSERT_EQ(images.size(), archive->GetEntryCount()) << what;
    for (uint32_t i = 0; i < images.size(); ++i) {
        s::archive::icon::Entry* entry = archive->GetIconEntry(i);
        const DirectoryRecord& record = entry->Record();
        EXPECT_EQ(images[i].side, record.width) << what << " " << i;
        EXPECT_EQ(images[i].side, record.height) << what << " " << i;
        EXPECT_EQ(images[i].bits, record.bitCount) << what << " " << i;
        EXPECT_EQ(1, record.planes) << what << " " << i;
        // The resource's own size replaces the group's figure, and the offset keeps the image id.
        EXPECT_EQ(images[i].bytes, record.bytesInEntry) << what << " " << i;
        EXPECT_EQ(images[i].id, record.offset) << what << " " << i;
        EXPECT_TRUE(entry->IsLoaded()) << what << " " << i;
        EXPECT_EQ(images[i].bytes, entry->Bytes()->GetCount()) << what << " " << i;
    }
}

TEST(IconGroupTest, GroupsByIdCarryEveryImageTheyName)
{
    Module module(FixturePath());
    ASSERT_TRUE(module.get()->IsOpen());
    struct Case {
        uint32_t id;
        std::vector<Image> images;
    };
    const Case cases[] = {
        {128, {k16x4, k16x32, k32x8, k32x32, k48x32}},
        {129, {k16x4, k32x8}},
        // Image 999 is missing and 206 empty: only 202 is there.
        {131, {k16x32}},
        {132, {}},
    };
    for (const Case& c : cases) {
        Pooled<Archive> archive;
        EXPECT_TRUE(archive->LoadGroupById(module.get(), c.id)) << c.id;
        ExpectImages(archive.get(), c.images, "by id");
    }
}

TEST(IconGroupTest, MissingGroupsLeaveTheArchiveAsItWas)
{
    Module module(FixturePath());
    Pooled<Archive> archive;
    ASSERT_TRUE(archive->LoadGroupById(module.get(), 129));
    EXPECT_FALSE(archive->LoadGroupById(module.get(), 127));
    EXPECT_FALSE(archive->LoadGroupById(module.get(), 201)) << "an icon image is no group";
    EXPECT_FALSE(archive->LoadGroupByName(module.get(), L"Unnamed"));
    EXPECT_FALSE(archive->LoadGroupByName(module.get(), nullptr));
    EXPECT_FALSE(archive->LoadNthGroup(module.get(), 5));
    EXPECT_FALSE(archive->LoadGroupById(nullptr, 128));
    ExpectImages(archive.get(), {k16x4, k32x8}, "after misses");
}

TEST(IconGroupTest, GroupsByNameAndPlaceAndAppending)
{
    Module module(FixturePath());
    Pooled<Archive> archive;
    // The resource compiler writes names in capitals; names match case and all.
    EXPECT_FALSE(archive->LoadGroupByName(module.get(), L"Named"));
    EXPECT_TRUE(archive->LoadGroupByName(module.get(), L"NAMED"));
    ExpectImages(archive.get(), {k32x32}, "by name");
    // A second group is appended to the first.
    EXPECT_TRUE(archive->LoadGroupById(module.get(), 129));
    ExpectImages(archive.get(), {k32x32, k16x4, k32x8}, "appended");

    // Named groups come before numbered ones in a module's resource directory.
    const size_t counts[] = {1, 5, 2, 1, 0};
    for (uint32_t n = 0; n < 5; ++n) {
        Pooled<Archive> nth;
        EXPECT_TRUE(nth->LoadNthGroup(module.get(), n)) << n;
        EXPECT_EQ(counts[n], nth->GetEntryCount()) << n;
    }
}

TEST(IconGroupTest, LoadedGroupsWriteIconFilesThatReadBack)
{
    Module module(FixturePath());
    Pooled<Archive> archive;
    ASSERT_TRUE(archive->LoadGroupById(module.get(), 128));
    Pooled<s::col::_array::ArrayU08> file;
    ASSERT_TRUE(archive->WriteIco(file.get()));
    EXPECT_EQ(6u + 16 * 5 + 296 + 1128 + 2216 + 4264 + 9640, file->GetCount());

    Pooled<Archive> back;
    file->SeekToStart();
    back->SetSource(file.get(), 0, file->GetCount());
    ASSERT_TRUE(back->ReadDirectory());
    ASSERT_EQ(5u, back->GetEntryCount());
    for (uint32_t i = 0; i < 5; ++i) {
        s::archive::icon::Entry* original = archive->GetIconEntry(i);
        s::archive::icon::Entry* read = back->LoadEntry(i);
        ASSERT_NE(nullptr, read) << i;
        EXPECT_EQ(original->Record().width, read->Record().width) << i;
        EXPECT_EQ(original->Record().bitCount, read->Record().bitCount) << i;
        ASSERT_EQ(original->Bytes()->GetCount(), read->Bytes()->GetCount()) << i;
        EXPECT_EQ(0, memcmp(original->Bytes()->GetData(), read->Bytes()->GetData(), read->Bytes()->GetCount())) << i;
    }
    back->Close();

    // The best of the group for each wanted size.
    struct Case {
        int32_t side;
        uint32_t best;
    };
    const Case cases[] = {{16, 1}, {32, 3}, {48, 4}, {64, 4}, {20, 1}, {1, 1}};
    for (const Case& c : cases) {
        uint32_t index = 99;
        EXPECT_TRUE(archive->FindBestImage(c.side, c.side, 32, &index)) << c.side;
        EXPECT_EQ(c.best, index) << c.side;
    }
}

TEST(IconGroupTest, ModuleFilesByPlace)
{
    Pooled<Archive> archive;
    EXPECT_TRUE(archive->LoadFromModuleFile(FixturePath().c_str(), 1));
    EXPECT_EQ(5u, archive->GetEntryCount());
    archive->Close();

    EXPECT_FALSE(archive->LoadFromModuleFile(FixturePath().c_str(), 9));
    EXPECT_FALSE(archive->LoadFromModuleFile((FixturePath() + L".missing").c_str(), 0));
    EXPECT_FALSE(archive->LoadFromModuleFile(nullptr, 0));
    // A module without icon groups.
    EXPECT_FALSE(archive->LoadFromModuleFile(testfiles::BesideTestProgram(L"DialogFixture.dll").c_str(), 0));
    EXPECT_EQ(0u, archive->GetEntryCount());
}

void Put(Bytes& out, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Bytes Group(uint16_t count, const std::vector<Image>& images)
{
    Bytes out;
    Put(out, 0, 2);
    Put(out, 1, 2);
    Put(out, count, 2);
    for (const Image& image : images) {
        out.insert(out.end(), {image.side, image.side, 0, 0});
        Put(out, 1, 2);
        Put(out, image.bits, 2);
        Put(out, 0xFFFFFFFFu, 4);
        Put(out, image.id, 2);
    }
    return out;
}

// Groups the resource compiler refuses to make, written into a copy of the fixture.
TEST(IconGroupTest, GroupsShorterThanTheyClaimLoadWhatTheyHold)
{
    struct Case {
        const char* what;
        uint16_t id;
        Bytes group;
        bool loads;
        std::vector<Image> images;
    };
    Bytes halfRecord = Group(2, {k16x32, k32x32});
    halfRecord.resize(halfRecord.size() - 7);
    const std::vector<Case> cases = {
        {"a count of 3 over one record", 140, Group(3, {k16x32}), true, {k16x32}},
        {"a count of 65535 over two records", 141, Group(0xFFFF, {k16x32, k32x32}), true, {k16x32, k32x32}},
        {"half a record after one", 142, halfRecord, true, {k16x32}},
        {"shorter than a header", 143, Bytes{0, 0, 1, 0}, false, {}},
        {"names only missing images", 144, Group(2, {{16, 32, 1, 0}, {16, 32, 0xFFFF, 0}}), true, {}},
    };
    testfiles::TempCopy copy(FixturePath());
    ASSERT_TRUE(copy.Ok());
    HANDLE update = BeginUpdateResourceW(copy.Path(), FALSE);
    ASSERT_NE(nullptr, update);
    for (const Case& c : cases)
        ASSERT_TRUE(UpdateResourceW(update, MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(c.id),
                                    MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), const_cast<uint8_t*>(c.group.data()),
                                    static_cast<DWORD>(c.group.size())))
            << c.what;
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));

    Module module(copy.Path());
    ASSERT_TRUE(module.get()->IsOpen());
    for (const Case& c : cases) {
        Pooled<Archive> archive;
        EXPECT_EQ(c.loads, archive->LoadGroupById(module.get(), c.id)) << c.what;
        ExpectImages(archive.get(), c.images, c.what);
    }
}

} // namespace

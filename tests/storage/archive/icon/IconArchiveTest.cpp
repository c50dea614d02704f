// The stream half of the icon archive: the directory read from a caller's stream, the best
// entry for a size, single-image files and whole icon files written back.
#include <gtest/gtest.h>

#include <vector>

#include "core/col/Arrays.h"
#include "storage/archive/icon/Archive.h"
#include "storage/archive/icon/Entry.h"
#include "storage/file/Pooled.h"

namespace {

using Bytes = std::vector<uint8_t>;
using s::archive::icon::Archive;
using s::archive::icon::Entry;
using s::file::Pooled;

struct Image {
    uint8_t width, height;
    uint16_t bits;
    Bytes bytes;
};

void Put(Bytes& out, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Bytes IconFile(const std::vector<Image>& images)
{
    Bytes out;
    Put(out, 0, 2);
    Put(out, 1, 2);
    Put(out, static_cast<uint32_t>(images.size()), 2);
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (const Image& image : images) {
        out.insert(out.end(), {image.width, image.height, 0, 0});
        Put(out, 1, 2);
        Put(out, image.bits, 2);
        Put(out, static_cast<uint32_t>(image.bytes.size()), 4);
        Put(out, offset, 4);
        offset += static_cast<uint32_t>(image.bytes.size());
    }
    for (const Image& image : images)
        out.insert(out.end(), image.bytes.begin(), image.bytes.end());
    return out;
}

// The archive over its own copy of the bytes, as the icon codec sets it up.
class ArchiveOver {
public:
    explicit ArchiveOver(const Bytes& bytes) : array_(s::col::_array::ArrayU08::New())
    {
        uint32_t done = 0;
        array_->Write(bytes.data(), static_cast<uint32_t>(bytes.size()), &done);
        archive_->SetSource(array_, 0, bytes.size());
    }
    ~ArchiveOver()
    {
        archive_->Close();
        array_->ReleaseToPool();
    }
    Archive* operator->() { return archive_.get(); }
    Archive* get() { return archive_.get(); }

private:
    s::col::_array::ArrayU08* array_;
    Pooled<Archive> archive_;
};

Bytes Written(s::col::_array::ArrayU08* array)
{
    auto* data = static_cast<const uint8_t*>(array->GetData());
    return Bytes(data, data + array->GetCount());
}

TEST(IconArchiveTest, BestImagePrefersExact32BitThenAreaThenDepth)
{
    struct Case {
        const char* what;
        std::vector<Image> images;
        int32_t width, height;
        uint32_t best;
    };
    const Case cases[] = {
        {"exact at 32 bits wins at once", {{16, 16, 8, {}}, {16, 16, 32, {}}}, 16, 16, 1},
        {"the deeper of equal sizes", {{16, 16, 4, {}}, {16, 16, 8, {}}}, 16, 16, 1},
        {"area before depth", {{32, 32, 32, {}}, {16, 16, 4, {}}}, 16, 16, 1},
        {"equal area distance: depth", {{32, 32, 24, {}}, {32, 32, 32, {}}}, 48, 48, 1},
        {"a 256-pixel entry counts as area 0", {{0, 0, 32, {}}, {48, 48, 32, {}}}, 256, 256, 1},
        {"the first of full ties", {{16, 16, 8, {}}, {16, 16, 8, {}}}, 24, 24, 0},
    };
    for (const Case& c : cases) {
        ArchiveOver archive(IconFile(c.images));
        ASSERT_TRUE(archive->ReadDirectory()) << c.what;
        uint32_t index = 99;
        EXPECT_TRUE(archive->FindBestImage(c.width, c.height, 32, &index)) << c.what;
        EXPECT_EQ(c.best, index) << c.what;
    }
    ArchiveOver empty(IconFile({}));
    ASSERT_TRUE(empty->ReadDirectory());
    uint32_t index = 99;
    EXPECT_FALSE(empty->FindBestImage(16, 16, 32, &index));
    EXPECT_EQ(0u, index);
}

TEST(IconArchiveTest, DirectoriesThatDoNotFitAreRefused)
{
    Bytes valid = IconFile({{16, 16, 32, Bytes(10, 7)}, {32, 32, 32, Bytes(5, 9)}});
    struct Case {
        const char* what;
        Bytes bytes;
    };
    std::vector<Case> cases = {{"empty", {}}, {"cut in the header", Bytes(valid.begin(), valid.begin() + 5)},
                               {"cut in the directory", Bytes(valid.begin(), valid.begin() + 30)}};
    Bytes many = valid;
    many[4] = 0xFF;
    many[5] = 0xFF;
    cases.push_back({"65,535 records in a small file", many});
    Bytes cursor = valid;
    cursor[2] = 2;
    cases.push_back({"a cursor file", cursor});
    for (const Case& c : cases) {
        ArchiveOver archive(c.bytes);
        EXPECT_FALSE(archive->ReadDirectory()) << c.what;
        EXPECT_EQ(0u, archive->GetEntryCount()) << c.what;
    }
    // An entry whose bytes lie beyond the source is never loaded; the other one is.
    Bytes past = valid;
    past[6 + 12] = 0xF0;
    past[6 + 15] = 0x7F;
    ArchiveOver archive(past);
    ASSERT_TRUE(archive->ReadDirectory());
    EXPECT_EQ(nullptr, archive->LoadEntry(0));
    Entry* second = archive->LoadEntry(1);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(Bytes(5, 9), Written(second->Bytes()));
    EXPECT_EQ(nullptr, archive->LoadEntry(2));
}

TEST(IconArchiveTest, SingleImageAndWholeFilesAreWrittenBack)
{
    const Bytes file = IconFile({{16, 16, 32, Bytes(10, 7)}, {32, 32, 8, Bytes(5, 9)}});
    ArchiveOver archive(file);
    ASSERT_TRUE(archive->ReadDirectory());
    ASSERT_EQ(2u, archive->GetEntryCount());
    Pooled<s::col::_array::ArrayU08> single;
    ASSERT_TRUE(archive->ReadEntry(archive->GetEntry(1), single.get()));
    Bytes expected = IconFile({{32, 32, 8, Bytes(5, 9)}});
    EXPECT_EQ(expected, Written(single.get())) << "one record, the image at offset 22";

    Pooled<s::col::_array::ArrayU08> whole;
    ASSERT_TRUE(archive->WriteIco(whole.get()));
    EXPECT_EQ(file, Written(whole.get()));

    Pooled<Archive> none;
    Pooled<s::col::_array::ArrayU08> header;
    ASSERT_TRUE(none->WriteIco(header.get()));
    EXPECT_EQ(Bytes({0, 0, 1, 0, 0, 0}), Written(header.get()));
}

// A source whose stream holds fewer bytes than its stated size: the directory fits, an image
// does not arrive whole.
TEST(IconArchiveTest, ShortImagesAreZeroFilledAndReported)
{
    const Bytes file = IconFile({{16, 16, 32, Bytes(10, 7)}, {32, 32, 32, Bytes(8, 9)}});
    const Bytes cut(file.begin(), file.end() - 5);
    s::col::_array::ArrayU08* array = s::col::_array::ArrayU08::New();
    uint32_t done = 0;
    array->Write(cut.data(), static_cast<uint32_t>(cut.size()), &done);
    Pooled<Archive> archive;
    archive->SetSource(array, 0, file.size());
    ASSERT_TRUE(archive->ReadDirectory());
    Entry* second = archive->GetIconEntry(1);
    // Bytes of an earlier image in the entry's storage must not show through.
    second->Bytes()->AppendRaw(Bytes(8, 0xAA).data(), 8, 0);
    EXPECT_EQ(nullptr, archive->LoadEntry(1));
    EXPECT_FALSE(second->IsLoaded());
    EXPECT_EQ(Bytes({9, 9, 9, 0, 0, 0, 0, 0}), Written(second->Bytes()));
    Pooled<s::col::_array::ArrayU08> out;
    EXPECT_FALSE(archive->ReadEntry(second, out.get()));
    EXPECT_FALSE(archive->WriteIco(out.get()));
    EXPECT_EQ(0u, out->GetCount());
    ASSERT_NE(nullptr, archive->LoadEntry(0)) << "the whole image still loads";
    archive->Close();
    array->ReleaseToPool();

    // From a stream that fails at once, and with no stream at all.
    Pooled<Entry> entry;
    entry->Record().bytesInEntry = 3;
    Pooled<s::col::_array::ArrayU08> empty;
    EXPECT_FALSE(s::archive::LoadEntryBytes(entry.get(), empty.get()));
    EXPECT_EQ(Bytes(3, 0), Written(entry->Bytes()));
    EXPECT_FALSE(s::archive::LoadEntryBytes(entry.get(), nullptr));
    entry->Record().bytesInEntry = 0;
    EXPECT_TRUE(s::archive::LoadEntryBytes(entry.get(), empty.get()));
    EXPECT_TRUE(entry->IsLoaded());
}

TEST(IconArchiveTest, ZeroByteImagesWriteEmptyImages)
{
    const Bytes file = IconFile({{16, 16, 32, {}}, {32, 32, 32, Bytes(4, 1)}});
    ArchiveOver archive(file);
    ASSERT_TRUE(archive->ReadDirectory());
    Pooled<s::col::_array::ArrayU08> single;
    ASSERT_TRUE(archive->ReadEntry(archive->GetEntry(0), single.get()));
    EXPECT_EQ(IconFile({{16, 16, 32, {}}}), Written(single.get()));
    Pooled<s::col::_array::ArrayU08> whole;
    ASSERT_TRUE(archive->WriteIco(whole.get()));
    EXPECT_EQ(file, Written(whole.get()));
}

} // namespace

// The cursor archive: cursor groups of a module with their hotspots, single-image and whole
// cursor files written, and cursor files read back, also read-only ones.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/col/Arrays.h"
#include "storage/archive/cur/Archive.h"
#include "storage/archive/cur/Entry.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/archive/icon/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "storage/TestFiles.h"

namespace {

using s::archive::cur::Archive;
using s::file::Pooled;
using Bytes = std::vector<uint8_t>;

// The fixture's cursor group 400 names image 1: 32 x 32 at one bit, hotspot (5, 7), 304 bytes
// after the hotspot.
const uint32_t kCursorBytes = 304;

Bytes Contents(s::col::_array::ArrayU08* array)
{
    auto* data = static_cast<const uint8_t*>(array->GetData());
    return Bytes(data, data + array->GetCount());
}

uint32_t Word(const Bytes& bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

class CursorArchiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = s::file::win::PathWin::CreateFromText(testfiles::BesideTestProgram(L"IconFixture.dll").c_str());
        module_ = s::archive::dll::win::Archive::OpenModule(path_);
        ASSERT_TRUE(module_->IsOpen());
    }
    void TearDown() override
    {
        module_->ReleaseToPool();
        path_->ReleaseToPool();
    }

    s::file::win::PathWin* path_ = nullptr;
    s::archive::dll::win::Archive* module_ = nullptr;
};

TEST_F(CursorArchiveTest, GroupsGiveEachImageItsHotspot)
{
    Pooled<Archive> archive;
    EXPECT_STREQ(L"s_archive_cur_Archive", archive->GetClassName());
    ASSERT_TRUE(archive->LoadGroupById(module_, 400));
    ASSERT_EQ(1u, archive->GetEntryCount());
    s::archive::icon::Entry* entry = archive->GetIconEntry(0);
    EXPECT_STREQ(L"s_archive_cur_Entry", entry->GetClassName());
    const s::archive::icon::DirectoryRecord& record = entry->Record();
    EXPECT_EQ(32, record.width);
    EXPECT_EQ(32, record.height) << "the empty height byte takes the width";
    EXPECT_EQ(64, record.colorCount) << "the low byte of the height word";
    EXPECT_EQ(0, record.reserved);
    EXPECT_EQ(5, record.planes);
    EXPECT_EQ(7, record.bitCount);
    EXPECT_EQ(kCursorBytes, record.bytesInEntry);
    EXPECT_EQ(1u, record.offset);
    ASSERT_TRUE(entry->IsLoaded());
    EXPECT_EQ(40, static_cast<const uint8_t*>(entry->Bytes()->GetData())[0]) << "the image after the hotspot";

    EXPECT_FALSE(archive->LoadGroupById(module_, 128)) << "an icon group is no cursor group";
    EXPECT_FALSE(archive->LoadGroupByName(module_, L"NAMED"));
    EXPECT_EQ(1u, archive->GetEntryCount());
    Pooled<s::archive::icon::Archive> icons;
    EXPECT_FALSE(icons->LoadGroupById(module_, 400)) << "a cursor group is no icon group";
}

TEST_F(CursorArchiveTest, SingleImageAndWholeCursorFiles)
{
    Pooled<Archive> archive;
    ASSERT_TRUE(archive->LoadGroupById(module_, 400));
    Pooled<s::col::_array::ArrayU08> single;
    ASSERT_TRUE(archive->ReadEntry(archive->GetEntry(0), single.get()));
    Bytes file = Contents(single.get());
    ASSERT_EQ(22 + kCursorBytes, file.size());
    const uint32_t header[] = {Word(file, 0, 2), Word(file, 2, 2), Word(file, 4, 2)};
    EXPECT_EQ(0u, header[0]);
    EXPECT_EQ(2u, header[1]);
    EXPECT_EQ(1u, header[2]);
    EXPECT_EQ(5u, Word(file, 10, 2));
    EXPECT_EQ(7u, Word(file, 12, 2));
    EXPECT_EQ(kCursorBytes, Word(file, 14, 4));
    EXPECT_EQ(22u, Word(file, 18, 4));

    Pooled<s::col::_array::ArrayU08> whole;
    ASSERT_TRUE(archive->WriteCur(whole.get()));
    EXPECT_EQ(file, Contents(whole.get())) << "one entry: the same file";
}

TEST_F(CursorArchiveTest, CursorFilesReadBackAlsoReadOnlyAndWithoutHeight)
{
    Pooled<Archive> archive;
    ASSERT_TRUE(archive->LoadGroupById(module_, 400));
    Pooled<s::col::_array::ArrayU08> written;
    ASSERT_TRUE(archive->WriteCur(written.get()));
    Bytes file = Contents(written.get());
    file[7] = 0;

    testfiles::TempCopy copy(testfiles::BesideTestProgram(L"IconFixture.dll"));
    ASSERT_TRUE(copy.Ok());
    {
        std::ofstream out(copy.Path(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
    ASSERT_TRUE(SetFileAttributesW(copy.Path(), FILE_ATTRIBUTE_READONLY));
    Pooled<s::file::win::PathWin> path(s::file::win::PathWin::CreateFromText(copy.Path()));
    Pooled<Archive> back;
    ASSERT_TRUE(back->Open(path.get()));
    ASSERT_EQ(1u, back->GetEntryCount());
    s::archive::icon::Entry* entry = back->LoadEntry(0);
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ(32, entry->Record().height);
    EXPECT_EQ(5, entry->Record().planes);
    EXPECT_EQ(Contents(archive->GetIconEntry(0)->Bytes()), Contents(entry->Bytes()));
    back->Close();

    // An icon archive refuses a cursor file.
    Pooled<s::archive::icon::Archive> icons;
    EXPECT_FALSE(icons->Open(path.get()));
}

// Groups the resource compiler would write as icon groups, written into a copy of the fixture.
TEST(CursorGroupTest, ShortAndMissingImagesAreLeftOut)
{
    testfiles::TempCopy copy(testfiles::BesideTestProgram(L"IconFixture.dll"));
    ASSERT_TRUE(copy.Ok());
    const uint8_t shortCursor[] = {1, 2, 3};
    Bytes group = {0, 0, 2, 0, 3, 0};
    for (uint16_t id : {1, 302, 998}) {
        const uint8_t record[] = {32, 0, 64, 0, 1, 0, 1, 0, 0, 0, 0, 0, uint8_t(id), uint8_t(id >> 8)};
        group.insert(group.end(), record, record + sizeof(record));
    }
    HANDLE update = BeginUpdateResourceW(copy.Path(), FALSE);
    ASSERT_NE(nullptr, update);
    const WORD language = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    ASSERT_TRUE(UpdateResourceW(update, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(302), language,
                                const_cast<uint8_t*>(shortCursor), sizeof(shortCursor)));
    ASSERT_TRUE(UpdateResourceW(update, MAKEINTRESOURCEW(12), MAKEINTRESOURCEW(401), language, group.data(),
                                static_cast<DWORD>(group.size())));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));

    Pooled<s::file::win::PathWin> path(s::file::win::PathWin::CreateFromText(copy.Path()));
    Pooled<s::archive::dll::win::Archive> module(s::archive::dll::win::Archive::OpenModule(path.get()));
    Pooled<Archive> archive;
    ASSERT_TRUE(archive->LoadGroupById(module.get(), 401));
    ASSERT_EQ(1u, archive->GetEntryCount());
    EXPECT_EQ(1u, archive->GetIconEntry(0)->Record().offset);
    EXPECT_EQ(kCursorBytes, archive->GetIconEntry(0)->Record().bytesInEntry);
    module->Close();
}

// Cursor files that lie about their contents, read from a stream as the codec sets one up.
TEST(CursorFileTest, HostileFilesGiveACleanResult)
{
    // One 32 x 32 cursor record, hotspot (5, 7), of the given byte count and offset, then bytes.
    auto file = [](uint16_t count, uint32_t bytes, uint32_t offset, size_t tail) {
        Bytes out = {0, 0, 2, 0, uint8_t(count), uint8_t(count >> 8), 32, 0, 0, 0, 5, 0, 7, 0};
        for (uint32_t value : {bytes, offset}) {
            for (int i = 0; i < 4; ++i)
                out.push_back(uint8_t(value >> (8 * i)));
        }
        out.insert(out.end(), tail, 0x5A);
        return out;
    };
    struct Case {
        const char* what;
        Bytes bytes;
        bool directory;
        bool image;
    };
    const Case cases[] = {
        {"whole", file(1, 4, 22, 4), true, true},
        {"a count past the file", file(0x100, 4, 22, 4), false, false},
        {"an offset past the end", file(1, 4, 0xFFFFFFF0, 4), true, false},
        {"a byte count past the end", file(1, 0x7FFFFFFF, 22, 4), true, false},
        {"a zero-byte image", file(1, 0, 22, 0), true, true},
        {"cut in the header", Bytes({0, 0, 2}), false, false},
    };
    for (const Case& c : cases) {
        s::col::_array::ArrayU08* array = s::col::_array::ArrayU08::New();
        uint32_t done = 0;
        if (!c.bytes.empty())
            array->Write(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()), &done);
        Pooled<Archive> archive;
        archive->SetSource(array, 0, c.bytes.size());
        EXPECT_EQ(c.directory, archive->ReadDirectory()) << c.what;
        EXPECT_EQ(c.directory ? 1u : 0u, archive->GetEntryCount()) << c.what;
        if (c.directory) {
            EXPECT_EQ(32, archive->GetIconEntry(0)->Record().height) << c.what;
            EXPECT_EQ(c.image, archive->LoadEntry(0) != nullptr) << c.what;
            Pooled<s::col::_array::ArrayU08> out;
            EXPECT_EQ(c.image, archive->WriteCur(out.get())) << c.what;
        }
        archive->Close();
        array->ReleaseToPool();
    }
}

} // namespace

#include "storage/archive/dll/win/Archive.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "measurement/win/OsVersion.h"
#include "storage/TestFiles.h"
#include "storage/archive/ResourceTypeCode.h"
#include "storage/archive/dll/win/Entry.h"
#include "storage/archive/dll/win/MeteredStream.h"
#include "storage/file/PathWin.h"

namespace {

using s::archive::dll::win::Archive;
using s::archive::dll::win::Entry;
using s::col::_array::ArrayU08;
using testfiles::BesideTestProgram;

const uint32_t kRcData = s::archive::kTypeRcData;
// The fixture's resources, each listed once from Windows 6.0 on: eleven of their own, an icon
// group with its two images, a cursor group with its image, a bitmap, a string table,
// accelerators, a menu and a version.
const uint32_t kFixtureResources = 21;
const uint32_t kUntouched = 777;

bool SystemListsEveryLanguage()
{
    s::system::win::LoadOsVersion();
    return !s::system::win::GetOsVersion().isVistaOrLater;
}

// The bytes of an entry, or "<unreadable>".
std::string ReadBytes(Archive* archive, uint32_t index)
{
    ArrayU08* bytes = ArrayU08::New();
    std::string result = "<unreadable>";
    if (archive->ReadEntry(archive->GetEntry(index), bytes))
        result.assign(static_cast<const char*>(bytes->GetData()), bytes->GetCount());
    bytes->ReleaseToPool();
    return result;
}

// An archive from the pool over the file, opened or not; the test gives it back.
Archive* OpenAt(const std::wstring& file)
{
    s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(file.c_str());
    Archive* archive = Archive::OpenModule(path);
    if (path)
        path->ReleaseToPool();
    return archive;
}

bool OpenAgain(Archive* archive, const std::wstring& file)
{
    s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(file.c_str());
    const bool opened = archive->Open(path);
    path->ReleaseToPool();
    return opened;
}

Entry* EntryOf(Archive* archive, uint32_t index)
{
    return static_cast<Entry*>(archive->GetEntry(index));
}

class ResourceArchive : public ::testing::Test {
protected:
    void SetUp() override
    {
        archive = OpenAt(BesideTestProgram(L"ResourceFixture.dll"));
        ASSERT_NE(nullptr, archive);
        ASSERT_TRUE(archive->IsOpen());
    }
    void TearDown() override
    {
        if (archive)
            archive->ReleaseToPool();
    }

    // The bytes of what the find found, or "<none>"; a miss must leave the index alone.
    std::string Found(const std::function<bool(uint32_t*)>& find)
    {
        uint32_t index = kUntouched;
        if (!find(&index)) {
            EXPECT_EQ(kUntouched, index);
            return "<none>";
        }
        return ReadBytes(archive, index);
    }

    Archive* archive = nullptr;
};

TEST_F(ResourceArchive, ListsTheModulesResources)
{
    if (SystemListsEveryLanguage()) {
        EXPECT_EQ(kFixtureResources + 1, archive->GetEntryCount());
        return;
    }
    // From 6.0 on the resource present in English and German is one entry, language 0.
    ASSERT_EQ(kFixtureResources, archive->GetEntryCount());
    EXPECT_EQ(archive->GetEntryCount(), archive->GetFileCount());
    uint32_t sevens = 0;
    for (uint32_t i = 0; i < archive->GetEntryCount(); ++i) {
        Entry* entry = EntryOf(archive, i);
        EXPECT_EQ(0, entry->GetLanguage());
        EXPECT_EQ(0, entry->GetSubLanguage());
        EXPECT_NE(nullptr, entry->GetHandle());
        EXPECT_NE(0u, entry->GetSize());
        if (entry->IsTypeCode() && entry->GetTypeCode() == kRcData && entry->IsNameId() && entry->GetNameId() == 7)
            ++sevens;
    }
    EXPECT_EQ(1u, sevens);

    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExW(BesideTestProgram(L"ResourceFixture.dll").c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, archive->GetSize());
}

TEST_F(ResourceArchive, FindsByTypeNameAndNumber)
{
    Archive* a = archive;
    struct Case {
        const char* what;
        std::function<bool(uint32_t*)> find;
        const char* bytes;
    };
    const Case cases[] = {
        // The resource compiler stores text names in capitals; finds compare whole texts.
        {"name", [a](uint32_t* i) { return a->FindByName(L"SAMPLE", i); }, "sample"},
        {"name, other case", [a](uint32_t* i) { return a->FindByName(L"Sample", i); }, "<none>"},
        {"name, part", [a](uint32_t* i) { return a->FindByName(L"SAMP", i); }, "<none>"},
        {"name ignoring case", [a](uint32_t* i) { return a->FindByNameIgnoreCase(L"sAmPlE", i); }, "sample"},
        {"only ASCII folds",
         [a](uint32_t* i) { return a->FindByNameIgnoreCase(L"GREET\u0131NG", i); }, "<none>"},
        {"number as name text", [a](uint32_t* i) { return a->FindByName(MAKEINTRESOURCEW(7), i); }, "<none>"},
        {"id of any type", [a](uint32_t* i) { return a->FindById(5, i); }, "five"},
        {"highest id", [a](uint32_t* i) { return a->FindById(0xFFFF, i); }, "last"},
        {"id beyond 16 bits", [a](uint32_t* i) { return a->FindById(0x10005, i); }, "<none>"},
        {"type text and name",
         [a](uint32_t* i) { return a->FindByTypeNameAndName(L"TEXTDATA", L"GREETING", i); }, "hello"},
        {"type text in other case",
         [a](uint32_t* i) { return a->FindByTypeNameAndName(L"TextData", L"GREETING", i); }, "<none>"},
        {"type text and name ignoring case",
         [a](uint32_t* i) { return a->FindByTypeNameAndNameIgnoreCase(L"textdata", L"greeting", i); }, "hello"},
        {"type text and id", [a](uint32_t* i) { return a->FindByTypeNameAndId(L"TEXTDATA", 5, i); }, "five"},
        {"numeric type never by text", [a](uint32_t* i) { return a->FindByTypeNameAndId(L"RCDATA", 0xFFFF, i); },
         "<none>"},
        {"type code and name", [a](uint32_t* i) { return a->FindByTypeAndName(kRcData, L"SAMPLE", i); }, "sample"},
        {"type code and other type's name",
         [a](uint32_t* i) { return a->FindByTypeAndName(kRcData, L"GREETING", i); }, "<none>"},
        {"type code and name ignoring case",
         [a](uint32_t* i) { return a->FindByTypeAndNameIgnoreCase(kRcData, L"sample", i); }, "sample"},
        {"type code and id", [a](uint32_t* i) { return a->FindByTypeAndId(kRcData, 0xFFFF, i); }, "last"},
        {"type beyond the table", [a](uint32_t* i) { return a->FindByTypeAndId(240, 1, i); }, "type 240"},
        {"RT 13 stored as code 13", [a](uint32_t* i) { return a->FindByTypeAndId(13, 1, i); }, "thirteen"},
        {"text type never by code", [a](uint32_t* i) { return a->FindByTypeAndId(0, 5, i); }, "<none>"},
        {"fourth of three", [a](uint32_t* i) { return a->FindNthOfType(kRcData, 3, i); }, "<none>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bytes, Found(c.find)) << c.what;
}

TEST_F(ResourceArchive, NthOfTypeCountsInEntryOrder)
{
    uint32_t previous = 0;
    for (uint32_t n = 0; n < 3; ++n) {
        uint32_t index = kUntouched;
        ASSERT_TRUE(archive->FindNthOfType(kRcData, n, &index)) << n;
        EXPECT_EQ(kRcData, EntryOf(archive, index)->GetTypeCode());
        if (n > 0) {
            EXPECT_GT(index, previous);
        }
        previous = index;
    }
    uint32_t index = kUntouched;
    EXPECT_FALSE(archive->FindNthOfType(s::archive::kTypeVxd, 0, &index));
    EXPECT_EQ(kUntouched, index);
}

TEST_F(ResourceArchive, StrayTypeNumbersReadBackAsOtherTypes)
{
    struct Case {
        uint32_t stored;
        uint32_t rt;
    };
    const Case cases[] = {{13, 24}, {15, 11}, {18, 6}, {240, 240}};
    for (const Case& c : cases) {
        uint32_t index = 0;
        ASSERT_TRUE(archive->FindByTypeAndId(c.stored, 1, &index)) << c.stored;
        EXPECT_EQ(c.stored, EntryOf(archive, index)->GetTypeCode());
        EXPECT_EQ(c.rt, EntryOf(archive, index)->GetRtType());
    }
}

TEST_F(ResourceArchive, ReadsTextResourcesAsUtf8)
{
    s::str::strbuffer::StrBuffer* text = Archive::ReadTextResource(archive, L"IDR_XML", 131);
    ASSERT_NE(nullptr, text);
    EXPECT_STREQ(L"Gr\u00fc\u00dfe \u20ac\n", text->GetText());
    text->ReleaseToPool();
    EXPECT_EQ(nullptr, Archive::ReadTextResource(archive, L"IDR_XML", 132));
    EXPECT_EQ(nullptr, Archive::ReadTextResource(archive, L"RCDATA", 7));
    EXPECT_EQ(nullptr, Archive::ReadTextResource(nullptr, L"IDR_XML", 131));
}

TEST_F(ResourceArchive, ReadsReportWhatTheStreamRefused)
{
    uint32_t index = 0;
    ASSERT_TRUE(archive->FindByTypeNameAndName(L"TEXTDATA", L"GREETING", &index));
    MeteredStream slow(2, 100);
    EXPECT_TRUE(archive->ReadEntry(archive->GetEntry(index), &slow));
    EXPECT_EQ("hello", slow.taken);

    MeteredStream full(100, 3);
    EXPECT_FALSE(archive->ReadEntry(archive->GetEntry(index), &full));
    EXPECT_EQ("hel", full.taken);

    Entry* stranger = Entry::New();
    MeteredStream any(100, 100);
    EXPECT_FALSE(archive->ReadEntry(stranger, &any));
    EXPECT_FALSE(archive->ReadEntry(nullptr, &any));
    EXPECT_EQ("", any.taken);
    stranger->ReleaseToPool();
}

TEST(ResourceArchiveOpen, FailuresLeaveItClosedAndEmpty)
{
    const std::wstring cases[] = {
        BesideTestProgram(L"NoSuchLibrary.dll"),
        BesideTestProgram(L""),
        // A module without any resource.
        BesideTestProgram(L"CountingLibrary.dll"),
    };
    for (const std::wstring& path : cases) {
        Archive* archive = OpenAt(path);
        ASSERT_NE(nullptr, archive);
        EXPECT_FALSE(archive->IsOpen());
        EXPECT_EQ(0u, archive->GetEntryCount());
        EXPECT_EQ(0u, archive->GetSize());
        EXPECT_STREQ(L"", archive->GetSourceText());
        archive->ReleaseToPool();
    }
    Archive* archive = Archive::OpenModule(nullptr);
    EXPECT_FALSE(archive->IsOpen());
    EXPECT_FALSE(archive->Open(nullptr));
    archive->ReleaseToPool();
}

TEST(ResourceArchiveOpen, RunsNoCodeOfTheModule)
{
    const std::wstring path = BesideTestProgram(L"RefusingLibrary.dll");
    // Loaded as a program library, its start-up code refuses.
    ASSERT_EQ(nullptr, LoadLibraryW(path.c_str()));
    Archive* archive = OpenAt(path);
    ASSERT_TRUE(archive->IsOpen());
    uint32_t index = 0;
    ASSERT_TRUE(archive->FindByTypeAndId(kRcData, 1, &index));
    EXPECT_EQ("read without running", ReadBytes(archive, index));
    archive->ReleaseToPool();
}

TEST(ResourceArchiveOpen, OpenAgainAndCloseStartAfresh)
{
    Archive* archive = OpenAt(BesideTestProgram(L"ResourceFixture.dll"));
    const uint32_t count = archive->GetEntryCount();
    ASSERT_NE(0u, count);
    EXPECT_TRUE(OpenAgain(archive, BesideTestProgram(L"ResourceFixture.dll")));
    EXPECT_EQ(count, archive->GetEntryCount());
    // A path that does not exist leaves the open archive as it was.
    EXPECT_FALSE(OpenAgain(archive, BesideTestProgram(L"NoSuchLibrary.dll")));
    EXPECT_TRUE(archive->IsOpen());
    EXPECT_EQ(count, archive->GetEntryCount());
    archive->Close();
    EXPECT_FALSE(archive->IsOpen());
    EXPECT_EQ(0u, archive->GetEntryCount());
    EXPECT_EQ(0u, archive->GetSize());
    uint32_t index = kUntouched;
    EXPECT_FALSE(archive->FindById(5, &index));
    EXPECT_EQ(kUntouched, index);
    EXPECT_STREQ(L"s_archive_dll_win_Archive", archive->GetClassName());
    archive->ReleaseToPool();
}

// Updates go into a copy of the fixture, never into a module that runs.
class ResourceUpdate : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(copy.Ok());
        archive = OpenAt(copy.Path());
        ASSERT_TRUE(archive->IsOpen());
    }
    void TearDown() override { archive->ReleaseToPool(); }

    std::string ReadText(const wchar_t* type, uint32_t id)
    {
        uint32_t index = 0;
        if (!archive->FindByTypeNameAndId(type, id, &index))
            return "<none>";
        return ReadBytes(archive, index);
    }

    testfiles::TempCopy copy{BesideTestProgram(L"ResourceFixture.dll")};
    Archive* archive = nullptr;
};

const char kAdded[] = "added resource";
const char kChanged[] = "changed sample text";
const WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

TEST_F(ResourceUpdate, AddsAndReplacesAndReadsBack)
{
    const uint32_t count = archive->GetEntryCount();
    ASSERT_TRUE(archive->UpdateResource(kAdded, sizeof kAdded - 1, L"TEXTDATA", MAKEINTRESOURCEW(42), kEnglishUs));
    EXPECT_EQ(count + 1, archive->GetEntryCount());
    EXPECT_EQ(kAdded, ReadText(L"TEXTDATA", 42));
    Entry* added = EntryOf(archive, archive->GetEntryCount() - 1);
    EXPECT_EQ(LANG_ENGLISH, added->GetLanguage());
    EXPECT_EQ(SUBLANG_ENGLISH_US, added->GetSubLanguage());

    ASSERT_TRUE(archive->UpdateResource(kChanged, sizeof kChanged - 1, RT_RCDATA, L"SAMPLE", kEnglishUs));
    EXPECT_EQ(count + 1, archive->GetEntryCount());
    uint32_t index = 0;
    ASSERT_TRUE(archive->FindByTypeAndName(kRcData, L"SAMPLE", &index));
    EXPECT_EQ(sizeof kChanged - 1, archive->GetEntry(index)->GetSize());
    EXPECT_EQ(kChanged, ReadBytes(archive, index));
    // The other resources are found again in the rewritten file.
    EXPECT_EQ("five", ReadText(L"TEXTDATA", 5));

    // A fresh look at the file sees the same.
    Archive* again = OpenAt(copy.Path());
    ASSERT_TRUE(again->IsOpen());
    EXPECT_EQ(count + 1, again->GetEntryCount());
    ASSERT_TRUE(again->FindByTypeAndName(kRcData, L"SAMPLE", &index));
    EXPECT_EQ(kChanged, ReadBytes(again, index));
    again->ReleaseToPool();

    // The fixture itself is untouched.
    Archive* original = OpenAt(BesideTestProgram(L"ResourceFixture.dll"));
    ASSERT_TRUE(original->FindByTypeAndName(kRcData, L"SAMPLE", &index));
    EXPECT_EQ("sample", ReadBytes(original, index));
    original->ReleaseToPool();
}

TEST_F(ResourceUpdate, AFileInUseIsReportedAndStaysReadable)
{
    // Another program reads the file and lets others only read it.
    HANDLE holder = CreateFileW(copy.Path(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    const uint32_t count = archive->GetEntryCount();
    EXPECT_FALSE(archive->UpdateResource(kAdded, sizeof kAdded - 1, L"TEXTDATA", MAKEINTRESOURCEW(42), kEnglishUs));
    EXPECT_TRUE(archive->IsOpen());
    EXPECT_EQ(count, archive->GetEntryCount());
    EXPECT_EQ("<none>", ReadText(L"TEXTDATA", 42));
    EXPECT_EQ("five", ReadText(L"TEXTDATA", 5));
    CloseHandle(holder);
}

TEST(ResourceUpdateClosed, AClosedArchiveWritesNothing)
{
    Archive* archive = Archive::OpenModule(nullptr);
    EXPECT_FALSE(archive->UpdateResource(kAdded, sizeof kAdded - 1, L"TEXTDATA", MAKEINTRESOURCEW(42), kEnglishUs));
    EXPECT_EQ(0u, archive->GetEntryCount());
    archive->ReleaseToPool();
}

} // namespace

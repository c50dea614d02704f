#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/col/Arrays.h"
#include "storage/reg/RegDir.h"
#include "storage/reg/RegMappedData.h"
#include "storage/reg/Pooled.h"
#include "storage/reg/RegTestKey.h"

using s::col::_array::ArrayU08;
using s::reg::MappedData;

namespace {

using regtest::Pooled;

class RegMappedDataTest : public regtest::RegTestKey {
protected:
    void SetUp() override
    {
        regtest::RegTestKey::SetUp();
        store_.reset(MappedData::OpenUserKey(Path().c_str()));
        ASSERT_NE(store_, nullptr);
    }
    void TearDown() override
    {
        store_.reset();
        regtest::RegTestKey::TearDown();
    }
    MappedData* Store() { return store_.get(); }
    // The interface the callers see.
    s::map::IMappedData* Settings() { return store_.get(); }

private:
    Pooled<MappedData> store_;
};

} // namespace

TEST_F(RegMappedDataTest, OpeningCreatesNothingAndTheFirstWriteCreatesTheKey)
{
    EXPECT_STREQ(Store()->GetClassName(), L"s_reg_MappedData");
    EXPECT_FALSE(KeyExists(L""));
    EXPECT_TRUE(Settings()->SelectSection(L""));
    EXPECT_EQ(Settings()->GetUInt32(L"", L"v", 17), 17u);
    EXPECT_FALSE(KeyExists(L""));

    Settings()->SetUInt32(L"", L"v", 5);
    EXPECT_TRUE(KeyExists(L""));
    EXPECT_EQ(Settings()->GetUInt32(L"", L"v", 17), 5u);
    EXPECT_TRUE(Settings()->Save());
    Settings()->SetAutoSave(true);
    EXPECT_TRUE(Settings()->GetAutoSave());
}

TEST_F(RegMappedDataTest, EveryTypeRoundTripsInNestedAndEncoderSections)
{
    Pooled<ArrayU08> bytes(ArrayU08::New());
    for (uint8_t b : {0, 1, 254, 255})
        bytes->Append(b);
    for (const wchar_t* section : {L"", L"PngEncodeSetting", L"MainWindow\\View"}) {
        s::map::IMappedData* store = Settings();
        store->SetUInt8(section, L"u8", 200);
        store->SetUInt16(section, L"u16", 65535);
        store->SetUInt32(section, L"u32", 4000000000u);
        store->SetUInt64(section, L"u64", std::numeric_limits<uint64_t>::max());
        store->SetInt8(section, L"i8", -100);
        store->SetInt16(section, L"i16", -30000);
        store->SetInt32(section, L"i32", -2000000000);
        store->SetInt64(section, L"i64", std::numeric_limits<int64_t>::min());
        store->SetFloat(section, L"f", 0.1f);
        store->SetDouble(section, L"d", 0.0000001);
        store->SetBool(section, L"b", true);
        store->SetString(section, L"s", L"Black Black");
        store->SetString(section, L"empty", L"");
        store->SetBytes(section, L"bytes", bytes.get());

        EXPECT_EQ(store->GetUInt8(section, L"u8", 0), 200) << section;
        EXPECT_EQ(store->GetUInt16(section, L"u16", 0), 65535) << section;
        EXPECT_EQ(store->GetUInt32(section, L"u32", 0), 4000000000u) << section;
        EXPECT_EQ(store->GetUInt64(section, L"u64", 0), std::numeric_limits<uint64_t>::max()) << section;
        EXPECT_EQ(store->GetInt8(section, L"i8", 0), -100) << section;
        EXPECT_EQ(store->GetInt16(section, L"i16", 0), -30000) << section;
        EXPECT_EQ(store->GetInt32(section, L"i32", 0), -2000000000) << section;
        EXPECT_EQ(store->GetInt64(section, L"i64", 0), std::numeric_limits<int64_t>::min()) << section;
        EXPECT_EQ(store->GetFloat(section, L"f", 0), 0.1f) << section;
        // Kept bit for bit: no text form in between.
        EXPECT_EQ(store->GetDouble(section, L"d", 0), 0.0000001) << section;
        EXPECT_TRUE(store->GetBool(section, L"b", false)) << section;
        EXPECT_STREQ(store->GetString(section, L"s", nullptr, nullptr, false), L"Black Black") << section;
        EXPECT_STREQ(store->GetString(section, L"empty", L"x", nullptr, false), L"") << section;
        Pooled<ArrayU08> read(store->GetBytes(section, L"bytes", nullptr));
        ASSERT_NE(read, nullptr);
        ASSERT_EQ(read->GetCount(), 4u);
        EXPECT_EQ(std::memcmp(read->GetData(), bytes->GetData(), 4), 0);
    }
    EXPECT_TRUE(KeyExists(L"PngEncodeSetting"));
    EXPECT_TRUE(KeyExists(L"MainWindow\\View"));
    DWORD type = 0;
    std::vector<uint8_t> data;
    ASSERT_TRUE(ReadRaw(L"MainWindow\\View", L"d", &type, &data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(data.size(), 8u);
}

TEST_F(RegMappedDataTest, MissingSectionsAndValuesGiveTheDefaults)
{
    s::map::IMappedData* store = Settings();
    store->SetUInt32(L"There", L"other", 1);
    const wchar_t* fallback = L"fallback";
    for (const wchar_t* section : {L"Missing", L"There"}) {
        EXPECT_EQ(store->GetUInt8(section, L"v", 7), 7) << section;
        EXPECT_EQ(store->GetUInt16(section, L"v", 7), 7) << section;
        EXPECT_EQ(store->GetUInt32(section, L"v", 7), 7u) << section;
        EXPECT_EQ(store->GetUInt64(section, L"v", 7), 7u) << section;
        EXPECT_EQ(store->GetInt8(section, L"v", -7), -7) << section;
        EXPECT_EQ(store->GetInt16(section, L"v", -7), -7) << section;
        EXPECT_EQ(store->GetInt32(section, L"v", -7), -7) << section;
        EXPECT_EQ(store->GetInt64(section, L"v", -7), -7) << section;
        EXPECT_EQ(store->GetFloat(section, L"v", 1.5f), 1.5f) << section;
        EXPECT_EQ(store->GetDouble(section, L"v", 2.5), 2.5) << section;
        EXPECT_TRUE(store->GetBool(section, L"v", true)) << section;
        bool expandable = true;
        EXPECT_EQ(store->GetString(section, L"v", fallback, &expandable, true), fallback) << section;
        EXPECT_FALSE(expandable);
        EXPECT_FALSE(store->HasValue(section, L"v")) << section;
        EXPECT_EQ(store->GetNullValue(section, L"other", fallback), nullptr);
    }
    EXPECT_FALSE(KeyExists(L"Missing"));

    // Bytes: a missing section returns the array untouched, a missing value null.
    Pooled<ArrayU08> given(ArrayU08::New());
    given->Append(42);
    EXPECT_EQ(store->GetBytes(L"Missing", L"v", given.get()), given.get());
    EXPECT_EQ(given->GetCount(), 1u);
    EXPECT_EQ(store->GetBytes(L"There", L"v", given.get()), nullptr);
    EXPECT_EQ(given->GetCount(), 1u);
    // The array taken for a missing value goes back to its pool.
    ArrayU08::New()->ReleaseToPool();
    const uint32_t idle = ArrayU08::GetPool()->GetIdleCount();
    EXPECT_EQ(store->GetBytes(L"There", L"v", nullptr), nullptr);
    EXPECT_EQ(ArrayU08::GetPool()->GetIdleCount(), idle);
    Pooled<ArrayU08> fresh(store->GetBytes(L"Missing", L"v", nullptr));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->GetCount(), 0u);
}

TEST_F(RegMappedDataTest, ValuesReadBackByLengthAcrossTypes)
{
    s::map::IMappedData* store = Settings();
    store->SetUInt8(L"S", L"small", 200);
    store->SetDouble(L"S", L"double", 1.0);
    store->SetFloat(L"S", L"float", 1.0f);
    store->SetString(L"S", L"text", L"x");
    store->SetUInt32(L"S", L"number", 9);

    EXPECT_EQ(store->GetInt32(L"S", L"small", 0), 200);
    EXPECT_EQ(store->GetInt8(L"S", L"small", 0), -56);
    uint64_t bits = 0;
    const double one = 1.0;
    std::memcpy(&bits, &one, sizeof bits);
    EXPECT_EQ(store->GetUInt64(L"S", L"double", 0), bits);
    EXPECT_EQ(store->GetUInt32(L"S", L"double", 3), 3u);
    EXPECT_EQ(store->GetUInt32(L"S", L"float", 0), 0x3F800000u);
    EXPECT_EQ(store->GetDouble(L"S", L"float", 4.0), 4.0);
    EXPECT_STREQ(store->GetString(L"S", L"number", L"def", nullptr, false), L"def");
    EXPECT_TRUE(store->HasValue(L"S", L"text"));
    EXPECT_TRUE(store->HasValue(L"s", L"TEXT"));
}

TEST_F(RegMappedDataTest, ExpandableTextsAreMarkedAndExpandedOnRequest)
{
    SetEnvironmentVariableW(L"PULSEGRID_STORE_TEST", L"here");
    s::map::IMappedData* store = Settings();
    store->SetExpandString(L"", L"x", L"%PULSEGRID_STORE_TEST%\\file");
    store->SetString(L"", L"plain", L"%PULSEGRID_STORE_TEST%");
    bool expandable = false;
    EXPECT_STREQ(store->GetString(L"", L"x", nullptr, &expandable, false), L"%PULSEGRID_STORE_TEST%\\file");
    EXPECT_TRUE(expandable);
    EXPECT_STREQ(store->GetString(L"", L"x", nullptr, &expandable, true), L"here\\file");
    EXPECT_STREQ(store->GetString(L"", L"plain", nullptr, &expandable, true), L"%PULSEGRID_STORE_TEST%");
    EXPECT_FALSE(expandable);
    DWORD type = 0;
    std::vector<uint8_t> data;
    ASSERT_TRUE(ReadRaw(L"", L"x", &type, &data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    SetEnvironmentVariableW(L"PULSEGRID_STORE_TEST", nullptr);
}

TEST_F(RegMappedDataTest, SectionsAreSelectedMadeAndSeenWhenOthersMakeThem)
{
    s::map::IMappedData* store = Settings();
    EXPECT_FALSE(store->SelectSection(L"Later"));
    EXPECT_FALSE(store->SelectSection(L"Later"));
    store->SetSection(L"Later");
    EXPECT_TRUE(KeyExists(L"Later"));
    EXPECT_TRUE(store->SelectSection(L"Later"));
    EXPECT_TRUE(store->SelectSection(L"later"));

    EXPECT_FALSE(store->SelectSection(L"ByOthers"));
    WriteRaw(L"ByOthers", L"v", REG_DWORD, "\5\0\0\0", 4);
    EXPECT_TRUE(store->SelectSection(L"ByOthers"));
    EXPECT_EQ(store->GetUInt32(L"ByOthers", L"v", 0), 5u);

    // A slash is part of a key name: one key, not two levels.
    store->SetUInt32(L"A/B", L"v", 1);
    EXPECT_TRUE(KeyExists(L"A/B"));
    EXPECT_FALSE(KeyExists(L"A"));
}

TEST_F(RegMappedDataTest, RemovingASectionDeletesItsTreeOnly)
{
    s::map::IMappedData* store = Settings();
    store->SetUInt32(L"A\\B\\C", L"v", 1);
    store->SetUInt32(L"A\\B", L"v", 2);
    store->SetUInt32(L"A", L"v", 3);
    store->SetUInt32(L"", L"top", 4);

    store->RemoveSection(L"A\\B");
    EXPECT_FALSE(KeyExists(L"A\\B"));
    EXPECT_TRUE(KeyExists(L"A"));
    EXPECT_EQ(store->GetUInt32(L"A", L"v", 0), 3u);
    EXPECT_FALSE(store->SelectSection(L"A\\B"));
    EXPECT_EQ(store->GetUInt32(L"A\\B", L"v", 0), 0u);

    store->RemoveSection(L"Nowhere");
    EXPECT_FALSE(store->SelectSection(L"Nowhere"));
    // The store's own key is never removed through a section.
    store->RemoveSection(L"");
    EXPECT_TRUE(KeyExists(L""));
    EXPECT_EQ(store->GetUInt32(L"", L"top", 0), 4u);
}

TEST_F(RegMappedDataTest, RemovesValuesPresentOrNot)
{
    s::map::IMappedData* store = Settings();
    store->SetUInt32(L"S", L"gone", 1);
    store->RemoveValue(L"S", L"GONE");
    store->RemoveValue(L"S", L"never");
    store->RemoveValue(L"Missing", L"v");
    EXPECT_FALSE(store->HasValue(L"S", L"gone"));
    EXPECT_TRUE(KeyExists(L"S"));
    EXPECT_FALSE(KeyExists(L"Missing"));
}

TEST_F(RegMappedDataTest, KeysTheUserMayOnlyReadAreReadAndLeftAsTheyAre)
{
    WriteRaw(L"Section", L"v", REG_DWORD, "\7\0\0\0", 4);
    WriteRaw(L"", L"top", REG_SZ, L"t", 4);
    OnlyReadable(L"Section");
    OnlyReadable(L"");
    s::map::IMappedData* store = Settings();
    EXPECT_TRUE(store->SelectSection(L"Section"));
    EXPECT_TRUE(store->HasValue(L"Section", L"v"));
    EXPECT_EQ(store->GetUInt32(L"Section", L"v", 0), 7u);
    EXPECT_STREQ(store->GetString(L"", L"top", nullptr, nullptr, false), L"t");

    // Refused writes change nothing and leave the values readable.
    store->SetUInt32(L"Section", L"v", 8);
    store->SetString(L"", L"top", L"changed");
    store->RemoveValue(L"Section", L"v");
    store->RemoveSection(L"Section");
    EXPECT_TRUE(KeyExists(L"Section"));
    EXPECT_EQ(store->GetUInt32(L"Section", L"v", 0), 7u);
    EXPECT_STREQ(store->GetString(L"", L"top", nullptr, nullptr, false), L"t");
}

TEST_F(RegMappedDataTest, AKeyWithoutAKnownRootKeepsNothing)
{
    ASSERT_FALSE(KeyExistsAt(HKEY_CURRENT_USER, L"InvalidKey"));
    Pooled<MappedData> store(MappedData::New());
    s::reg::win::RegDir* key = s::reg::win::RegDir::New();
    key->SetFromFullName(Path().c_str());
    EXPECT_NE(store->AttachKey(key), 0);
    store->SetUInt32(L"", L"v", 1);
    store->SetString(L"Section", L"s", L"x");
    EXPECT_EQ(store->GetUInt32(L"", L"v", 9), 9u);
    EXPECT_FALSE(store->SelectSection(L"Section"));
    EXPECT_FALSE(KeyExists(L""));
    EXPECT_FALSE(KeyExistsAt(HKEY_CURRENT_USER, L"InvalidKey"));
}

TEST_F(RegMappedDataTest, AttachingAKeySelectsItsTop)
{
    WriteRaw(L"Other", L"v", REG_DWORD, "\6\0\0\0", 4);
    Pooled<MappedData> store(MappedData::New());
    ASSERT_EQ(store->GetBaseKey(), nullptr);
    EXPECT_EQ(store->GetUInt32(L"", L"v", 1), 1u);
    EXPECT_FALSE(store->Save());
    EXPECT_EQ(store->AttachKey(s::reg::win::RegDir::OpenNew(HKEY_CURRENT_USER, Path(L"Other").c_str())), 0);
    EXPECT_EQ(store->GetUInt32(L"", L"v", 1), 6u);
}

TEST(RegMappedDataProgram, ProgramSettingsLieBelowTheProgramsOwnKey)
{
    Pooled<MappedData> store(MappedData::OpenProgramSettings(L"Zorv Pulsegrid"));
    ASSERT_NE(store, nullptr);
    ASSERT_NE(store->GetBaseKey(), nullptr);
    EXPECT_STREQ(store->GetBaseKey()->GetKeyName(), L"HKEY_CURRENT_USER\\Software\\Zorv\\Zorv Pulsegrid\\SaveData");
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "storage/reg/RegDir.h"
#include "storage/reg/RegRoot.h"
#include "storage/reg/Pooled.h"
#include "storage/reg/RegTestKey.h"

using s::col::_array::ArrayP;
using s::col::_array::ArrayU08;
using s::reg::win::RegDir;
using s::str::strarray::StrArray;
using s::str::strbuffer::StrBuffer;

namespace {

using regtest::Pooled;

const NTSTATUS kStatusObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034u);
// Characters of the longest value name the registry takes.
const size_t kLongestValueName = 16383;

std::vector<uint8_t> Bytes(const void* data, size_t size)
{
    const uint8_t* p = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(p, p + size);
}

template <class T>
std::vector<uint8_t> BytesOf(T value)
{
    return Bytes(&value, sizeof value);
}

std::vector<std::wstring> Strings(StrArray* array)
{
    std::vector<std::wstring> out;
    for (uint32_t i = 0; i < array->GetCount(); ++i)
        out.push_back(array->Get(i)->GetText());
    return out;
}

Pooled<StrArray> MakeStrArray(const std::vector<std::wstring>& texts)
{
    Pooled<StrArray> array(StrArray::New());
    for (const std::wstring& text : texts)
        array->AddText(text.c_str());
    return array;
}

// What the system granted the handle the key object holds; 0 when it holds none.
ACCESS_MASK GrantedAccess(const RegDir* key)
{
    typedef NTSTATUS(NTAPI * QueryObject)(HANDLE, OBJECT_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    static const QueryObject query = [] {
        QueryObject fn = nullptr;
        const FARPROC proc = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject");
        std::memcpy(&fn, &proc, sizeof fn);
        return fn;
    }();
    PUBLIC_OBJECT_BASIC_INFORMATION info = {};
    ULONG size = 0;
    if (!key->GetHandle() || !query || query(key->GetHandle(), ObjectBasicInformation, &info, sizeof info, &size) != 0)
        return 0;
    return info.GrantedAccess;
}

// Names with very long ones shown by their first character and length, so that a failure reads.
std::vector<std::wstring> Shortened(std::vector<std::wstring> names)
{
    const size_t kShownWhole = 64;
    for (std::wstring& name : names) {
        if (name.size() > kShownWhole)
            name = name.substr(0, 1) + L"... (" + std::to_wstring(name.size()) + L" characters)";
    }
    return names;
}

// The leaf names of a key list, sorted.
std::vector<std::wstring> LeafNames(ArrayP* keys)
{
    std::vector<std::wstring> names;
    for (uint32_t i = 0; i < keys->GetCount(); ++i) {
        StrBuffer* leaf = static_cast<RegDir*>(keys->Get(i))->GetLeafName(nullptr, false);
        names.push_back(leaf->GetText());
        leaf->ReleaseToPool();
    }
    std::sort(names.begin(), names.end());
    return names;
}

class RegDirTest : public regtest::RegTestKey {
protected:
    Pooled<RegDir> OpenKey(const std::wstring& below = L"")
    {
        return Pooled<RegDir>(RegDir::OpenNew(HKEY_CURRENT_USER, Path(below).c_str()));
    }
    // The key, created.
    Pooled<RegDir> MakeKey(const std::wstring& below = L"")
    {
        Pooled<RegDir> key = OpenKey(below);
        key->Create();
        EXPECT_TRUE(key->IsOpen());
        return key;
    }
};

} // namespace

TEST_F(RegDirTest, NamesTheKeyByRootAndSubPathWithoutTrailingSeparators)
{
    Pooled<RegDir> key(RegDir::New());
    EXPECT_EQ(key->Open(HKEY_CURRENT_USER, (Path(L"Leaf") + L"\\\\").c_str()), kStatusObjectNameNotFound);
    EXPECT_FALSE(key->IsOpen());
    EXPECT_EQ(std::wstring(key->GetSubPath()), Path(L"Leaf"));
    EXPECT_EQ(std::wstring(key->GetKeyName()), L"HKEY_CURRENT_USER\\" + Path(L"Leaf"));
    EXPECT_EQ(std::wstring(key->GetNtPath()),
              std::wstring(s::reg::win::FindRegRoot(HKEY_CURRENT_USER)->ntPath) + L"\\" + Path(L"Leaf"));
    EXPECT_STREQ(key->GetClassName(), L"s_reg_win_RegDir");

    key->Create();
    EXPECT_TRUE(key->IsOpen());
    EXPECT_TRUE(KeyExists(L"Leaf"));
    key->SetUInt32(L"n", 7);

    Pooled<RegDir> plain = OpenKey(L"Leaf");
    EXPECT_TRUE(plain->IsOpen());
    EXPECT_EQ(plain->GetUInt32(L"n", 0), 7u);
}

TEST_F(RegDirTest, CreatesMissingLevelsFromTheTopDown)
{
    Pooled<RegDir> deep = OpenKey(L"A\\B\\C");
    EXPECT_FALSE(deep->IsOpen());
    deep->SetString(L"where", L"deep");
    EXPECT_TRUE(KeyExists(L"A\\B\\C"));
    DWORD type = 0;
    std::vector<uint8_t> data;
    ASSERT_TRUE(ReadRaw(L"A\\B\\C", L"where", &type, &data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegDirTest, ObjectNeverOpenedDoesNothing)
{
    Pooled<RegDir> key(RegDir::New());
    EXPECT_STREQ(key->GetKeyName(), L"");
    EXPECT_EQ(key->GetRoot(), HKEY_LOCAL_MACHINE);
    key->SetUInt32(L"x", 1);
    key->Create();
    EXPECT_FALSE(key->IsOpen());
    EXPECT_EQ(key->GetUInt32(L"x", 99), 99u);
    Pooled<ArrayP> keys(key->ListSubKeys());
    EXPECT_EQ(keys->GetCount(), 0u);
    Pooled<StrArray> names(key->ListValueNames());
    EXPECT_EQ(names->GetCount(), 0u);
    EXPECT_FALSE(key->Reopen());
}

TEST_F(RegDirTest, ReadsAndListingsAskOnlyForReadAccess)
{
    WriteRaw(L"Child", L"v", REG_DWORD, "\1\0\0\0", 4);
    WriteRaw(L"", L"v", REG_DWORD, "\1\0\0\0", 4);
    Pooled<RegDir> key = OpenKey();
    struct Step {
        const char* what;
        std::function<void(RegDir*)> run;
    };
    const Step steps[] = {
        {"open", [](RegDir*) {}},
        {"read", [](RegDir* k) { EXPECT_EQ(k->GetUInt32(L"v", 0), 1u); }},
        {"value size", [](RegDir* k) { EXPECT_EQ(k->GetValueSize(L"v"), 4u); }},
        {"key listing", [](RegDir* k) { Pooled<ArrayP> keys(k->ListSubKeys()); }},
        {"value listing", [](RegDir* k) { Pooled<StrArray> names(k->ListValueNames()); }},
        {"tree size", [](RegDir* k) { EXPECT_EQ(k->GetTreeDataSize(true, nullptr, nullptr, true), 8u); }},
        {"reopen", [](RegDir* k) { EXPECT_TRUE(k->Reopen()); }},
        {"lazy open of a read", [](RegDir* k) {
             k->Close();
             EXPECT_EQ(k->GetUInt32(L"v", 0), 1u);
         }},
    };
    for (const Step& step : steps) {
        step.run(key.get());
        EXPECT_EQ(GrantedAccess(key.get()), static_cast<ACCESS_MASK>(KEY_READ)) << step.what;
    }

    // The keys a listing or a parent hands out are opened the same way.
    Pooled<ArrayP> children(key->ListSubKeys());
    ASSERT_EQ(children->GetCount(), 1u);
    RegDir* child = static_cast<RegDir*>(children->Get(0));
    EXPECT_EQ(GrantedAccess(child), static_cast<ACCESS_MASK>(KEY_READ));
    Pooled<RegDir> parent(child->GetParent());
    EXPECT_EQ(GrantedAccess(parent.get()), static_cast<ACCESS_MASK>(KEY_READ));

    // A write opens the key again, able to set values but not with full access; reads go on.
    key->SetUInt32(L"w", 2);
    const ACCESS_MASK writing = GrantedAccess(key.get());
    EXPECT_EQ(writing & KEY_SET_VALUE, static_cast<ACCESS_MASK>(KEY_SET_VALUE));
    EXPECT_EQ(writing & (WRITE_DAC | WRITE_OWNER), 0u);
    EXPECT_EQ(key->GetUInt32(L"w", 0), 2u);
    EXPECT_TRUE(key->Reopen());
    EXPECT_EQ(GrantedAccess(key.get()), writing);
}

TEST_F(RegDirTest, KeysTheUserMayOnlyReadAreReadListedAndLeftAsTheyAre)
{
    const uint32_t seven = 7;
    WriteRaw(L"RO", L"v", REG_DWORD, &seven, 4);
    WriteRaw(L"RO\\Child", L"w", REG_SZ, L"x", 4);
    OnlyReadable(L"RO\\Child");
    OnlyReadable(L"RO");
    // Full access, which every open used to ask for, is refused here.
    EXPECT_FALSE(OpensWith(L"RO", KEY_ALL_ACCESS));

    Pooled<RegDir> key(RegDir::New());
    EXPECT_EQ(key->Open(HKEY_CURRENT_USER, Path(L"RO").c_str()), 0);
    EXPECT_TRUE(key->IsOpen());
    EXPECT_EQ(key->GetUInt32(L"v", 0), 7u);
    Pooled<StrArray> names(key->ListValueNames());
    EXPECT_EQ(Strings(names.get()), std::vector<std::wstring>{L"v"});
    Pooled<ArrayP> children(key->ListSubKeys());
    ASSERT_EQ(children->GetCount(), 1u);
    RegDir* child = static_cast<RegDir*>(children->Get(0));
    EXPECT_TRUE(child->IsOpen());
    EXPECT_STREQ(child->GetString(L"w", nullptr, nullptr, false), L"x");
    uint32_t values = 0;
    uint32_t keys = 0;
    EXPECT_EQ(key->GetTreeDataSize(true, &values, &keys, true), 8u);
    EXPECT_EQ(values, 2u);
    EXPECT_EQ(keys, 1u);
    Pooled<RegDir> byFullName(RegDir::New());
    byFullName->SetFromFullName((L"HKEY_CURRENT_USER\\" + Path(L"RO")).c_str());
    EXPECT_EQ(byFullName->GetUInt32(L"v", 0), 7u);

    // Refused writes change nothing, and the key still reads.
    key->SetUInt32(L"v", 8);
    key->SetString(L"added", L"a");
    key->DeleteValue(L"v");
    key->Create();
    EXPECT_TRUE(key->IsOpen());
    EXPECT_EQ(key->GetUInt32(L"v", 0), 7u);
    DWORD type = 0;
    std::vector<uint8_t> data;
    EXPECT_FALSE(ReadRaw(L"RO", L"added", &type, &data));
    key->Rename(L"Renamed");
    key->DeleteTree(true);
    EXPECT_TRUE(KeyExists(L"RO\\Child"));
    EXPECT_FALSE(KeyExists(L"Renamed"));
    EXPECT_EQ(key->GetUInt32(L"v", 0), 7u);
}

TEST_F(RegDirTest, SettersWriteTheTypeAndDataOfEachKind)
{
    Pooled<RegDir> key = MakeKey();
    Pooled<StrArray> multi = MakeStrArray({L"a", L"bc"});
    Pooled<ArrayU08> raw(ArrayU08::New());
    raw->Append(1);
    raw->Append(0);
    raw->Append(255);
    struct Case {
        const wchar_t* name;
        std::function<void(RegDir*)> set;
        DWORD type;
        std::vector<uint8_t> data;
    };
    const wchar_t multiBytes[] = L"a\0bc\0";
    const Case cases[] = {
        {L"u8", [](RegDir* k) { k->SetUInt8(L"u8", 200); }, REG_DWORD, BytesOf<uint32_t>(200)},
        {L"u16", [](RegDir* k) { k->SetUInt16(L"u16", 0xFFFE); }, REG_DWORD, BytesOf<uint32_t>(0xFFFE)},
        {L"u32", [](RegDir* k) { k->SetUInt32(L"u32", 0xDEADBEEF); }, REG_DWORD, BytesOf<uint32_t>(0xDEADBEEF)},
        {L"u64", [](RegDir* k) { k->SetUInt64(L"u64", 0x0102030405060708ull); }, REG_BINARY,
         BytesOf<uint64_t>(0x0102030405060708ull)},
        {L"i8", [](RegDir* k) { k->SetInt8(L"i8", -56); }, REG_DWORD, BytesOf<uint32_t>(0xFFFFFFC8u)},
        {L"i16", [](RegDir* k) { k->SetInt16(L"i16", -2); }, REG_DWORD, BytesOf<uint32_t>(0xFFFFFFFEu)},
        {L"i32", [](RegDir* k) { k->SetInt32(L"i32", -1); }, REG_DWORD, BytesOf<int32_t>(-1)},
        {L"i64", [](RegDir* k) { k->SetInt64(L"i64", -2); }, REG_BINARY, BytesOf<int64_t>(-2)},
        {L"f", [](RegDir* k) { k->SetFloat(L"f", 1.5f); }, REG_BINARY, BytesOf<float>(1.5f)},
        {L"d", [](RegDir* k) { k->SetDouble(L"d", -0.25); }, REG_BINARY, BytesOf<double>(-0.25)},
        {L"b", [](RegDir* k) { k->SetBool(L"b", true); }, REG_DWORD, BytesOf<uint32_t>(1)},
        {L"nb", [](RegDir* k) { k->SetBool(L"nb", false); }, REG_DWORD, BytesOf<uint32_t>(0)},
        {L"s", [](RegDir* k) { k->SetString(L"s", L"ab"); }, REG_SZ, Bytes(L"ab", 6)},
        {L"es", [](RegDir* k) { k->SetString(L"es", L""); }, REG_SZ, Bytes(L"", 2)},
        {L"x", [](RegDir* k) { k->SetExpandString(L"x", L"%TEMP%"); }, REG_EXPAND_SZ, Bytes(L"%TEMP%", 14)},
        {L"m", [&](RegDir* k) { k->SetMultiString(L"m", multi.get()); }, REG_MULTI_SZ, Bytes(multiBytes, 12)},
        {L"bin", [&](RegDir* k) { k->SetBytes(L"bin", raw.get()); }, REG_BINARY, std::vector<uint8_t>{1, 0, 255}},
    };
    for (const Case& c : cases) {
        c.set(key.get());
        DWORD type = 0;
        std::vector<uint8_t> data;
        ASSERT_TRUE(ReadRaw(std::wstring(), c.name, &type, &data)) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(data, c.data) << c.name;
    }
}

TEST_F(RegDirTest, NumbersRoundTripAtTheirLimits)
{
    Pooled<RegDir> key = MakeKey();
    key->SetUInt8(L"u8", 255);
    key->SetUInt16(L"u16", 65535);
    key->SetUInt32(L"u32", std::numeric_limits<uint32_t>::max());
    key->SetUInt64(L"u64", std::numeric_limits<uint64_t>::max());
    key->SetInt8(L"i8", -128);
    key->SetInt16(L"i16", -32768);
    key->SetInt32(L"i32", std::numeric_limits<int32_t>::min());
    key->SetInt64(L"i64", std::numeric_limits<int64_t>::min());
    key->SetFloat(L"f", -3.25e-20f);
    key->SetDouble(L"d", 6.02214076e23);
    key->SetBool(L"b", true);

    EXPECT_EQ(key->GetUInt8(L"u8", 0), 255);
    EXPECT_EQ(key->GetUInt16(L"u16", 0), 65535);
    EXPECT_EQ(key->GetUInt32(L"u32", 0), std::numeric_limits<uint32_t>::max());
    EXPECT_EQ(key->GetUInt64(L"u64", 0), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(key->GetInt8(L"i8", 0), -128);
    EXPECT_EQ(key->GetInt16(L"i16", 0), -32768);
    EXPECT_EQ(key->GetInt32(L"i32", 0), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(key->GetInt64(L"i64", 0), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(key->GetFloat(L"f", 0), -3.25e-20f);
    EXPECT_EQ(key->GetDouble(L"d", 0), 6.02214076e23);
    EXPECT_TRUE(key->GetBool(L"b", false));
}

TEST_F(RegDirTest, TypedGettersGoByTheDataLengthAlone)
{
    const uint32_t word = 0x12345678;
    const uint32_t negative = 0xFFFFFFC8;
    const uint64_t quad = 0x1122334455667788ull;
    const uint8_t three[3] = {1, 2, 3};
    const uint8_t oneBitSet[4] = {0, 0, 1, 0};
    WriteRaw(L"", L"dword", REG_DWORD, &word, 4);
    WriteRaw(L"", L"neg", REG_DWORD, &negative, 4);
    WriteRaw(L"", L"quad", REG_QWORD, &quad, 8);
    WriteRaw(L"", L"three", REG_BINARY, three, 3);
    WriteRaw(L"", L"bits", REG_BINARY, oneBitSet, 4);
    // One character and its terminator: 4 bytes, so it reads as a number.
    WriteRaw(L"", L"sz", REG_SZ, L"x", 4);
    Pooled<RegDir> key = OpenKey();

    EXPECT_EQ(key->GetUInt8(L"dword", 1), 0x78);
    EXPECT_EQ(key->GetUInt16(L"dword", 1), 0x5678);
    EXPECT_EQ(key->GetUInt32(L"dword", 1), 0x12345678u);
    EXPECT_EQ(key->GetUInt64(L"dword", 1), 1u);
    EXPECT_EQ(key->GetDouble(L"dword", 2.5), 2.5);
    EXPECT_EQ(key->GetInt8(L"neg", 0), -56);
    EXPECT_EQ(key->GetInt16(L"neg", 0), -56);
    EXPECT_EQ(key->GetInt32(L"neg", 0), -56);
    EXPECT_EQ(key->GetUInt64(L"quad", 0), quad);
    EXPECT_EQ(key->GetInt64(L"quad", 0), static_cast<int64_t>(quad));
    EXPECT_EQ(key->GetUInt32(L"quad", 5), 5u);
    EXPECT_EQ(key->GetFloat(L"quad", 0.5f), 0.5f);
    EXPECT_EQ(key->GetUInt32(L"three", 9), 9u);
    EXPECT_EQ(key->GetUInt8(L"three", 9), 9);
    EXPECT_TRUE(key->GetBool(L"bits", false));
    EXPECT_FALSE(key->GetBool(L"three", false));
    EXPECT_EQ(key->GetUInt32(L"sz", 0), 0x00000078u);
    EXPECT_EQ(key->GetUInt32(L"missing", 42), 42u);
    EXPECT_EQ(key->GetValueSize(L"quad"), 8u);
    EXPECT_EQ(key->GetValueSize(L"missing"), 0u);
}

TEST_F(RegDirTest, StringsKeepTheirLengthFromEmptyToVeryLong)
{
    Pooled<RegDir> key = MakeKey();
    const std::wstring longText(100000, L'q');
    key->SetString(L"empty", L"");
    key->SetString(L"long", longText.c_str());
    key->SetString(L"null", nullptr);
    // Stored by others: without a terminator, with no bytes, and of an odd length.
    WriteRaw(L"", L"unterminated", REG_SZ, L"abc", 6);
    WriteRaw(L"", L"nothing", REG_SZ, L"", 0);
    WriteRaw(L"", L"odd", REG_SZ, L"ab", 3);
    WriteRaw(L"", L"inner", REG_SZ, L"a\0b", 8);
    const uint32_t number = 5;
    WriteRaw(L"", L"number", REG_DWORD, &number, 4);
    const wchar_t* fallback = L"fallback";

    EXPECT_STREQ(key->GetString(L"empty", fallback, nullptr, false), L"");
    EXPECT_EQ(std::wstring(key->GetString(L"long", fallback, nullptr, false)), longText);
    EXPECT_EQ(key->GetValueSize(L"long"), (longText.size() + 1) * 2);
    EXPECT_STREQ(key->GetString(L"null", fallback, nullptr, false), L"");
    EXPECT_STREQ(key->GetString(L"unterminated", fallback, nullptr, false), L"abc");
    EXPECT_STREQ(key->GetString(L"nothing", fallback, nullptr, false), L"");
    EXPECT_STREQ(key->GetString(L"odd", fallback, nullptr, false), L"a");
    EXPECT_STREQ(key->GetString(L"inner", fallback, nullptr, false), L"a");
    EXPECT_EQ(key->GetString(L"number", fallback, nullptr, false), fallback);
    EXPECT_EQ(key->GetString(L"missing", fallback, nullptr, false), fallback);
}

TEST_F(RegDirTest, ExpandableTextsExpandOnlyOnRequest)
{
    SetEnvironmentVariableW(L"PULSEGRID_REG_TEST", L"value");
    const std::wstring longValue(2000, L'v');
    SetEnvironmentVariableW(L"PULSEGRID_REG_LONG", longValue.c_str());
    Pooled<RegDir> key = MakeKey();
    key->SetExpandString(L"x", L"<%PULSEGRID_REG_TEST%>");
    key->SetExpandString(L"long", L"%PULSEGRID_REG_LONG%!");
    key->SetString(L"plain", L"%PULSEGRID_REG_TEST%");

    bool expandable = false;
    EXPECT_STREQ(key->GetString(L"x", nullptr, &expandable, false), L"<%PULSEGRID_REG_TEST%>");
    EXPECT_TRUE(expandable);
    expandable = false;
    EXPECT_STREQ(key->GetString(L"x", nullptr, &expandable, true), L"<value>");
    EXPECT_TRUE(expandable);
    // Longer than the first expansion buffer: expanded whole, not cut or left as it was.
    EXPECT_EQ(std::wstring(key->GetString(L"long", nullptr, nullptr, true)), longValue + L"!");
    expandable = true;
    EXPECT_STREQ(key->GetString(L"plain", nullptr, &expandable, true), L"%PULSEGRID_REG_TEST%");
    EXPECT_FALSE(expandable);
    expandable = true;
    EXPECT_EQ(key->GetString(L"missing", nullptr, &expandable, true), nullptr);
    EXPECT_FALSE(expandable);
    SetEnvironmentVariableW(L"PULSEGRID_REG_TEST", nullptr);
    SetEnvironmentVariableW(L"PULSEGRID_REG_LONG", nullptr);
}

TEST_F(RegDirTest, MultiStringsRoundTripAndDropEmptyEntries)
{
    Pooled<RegDir> key = MakeKey();
    const std::wstring longEntry(5000, L'm');
    struct Case {
        const wchar_t* name;
        std::vector<std::wstring> written;
        std::vector<std::wstring> read;
        DWORD bytes;
    };
    const Case cases[] = {
        {L"none", {}, {}, 4},
        {L"two", {L"a", L"bc"}, {L"a", L"bc"}, 12},
        // An empty entry inside would end the form there and lose "b".
        {L"inner", {L"a", L"", L"b"}, {L"a", L"b"}, 10},
        {L"edges", {L"", L"x", L""}, {L"x"}, 6},
        {L"onlyEmpty", {L""}, {}, 4},
        {L"long", {longEntry, longEntry, L"z"}, {longEntry, longEntry, L"z"}, 5001 * 2 * 2 + 4 + 2},
    };
    for (const Case& c : cases) {
        Pooled<StrArray> written = MakeStrArray(c.written);
        key->SetMultiString(c.name, written.get());
        Pooled<StrArray> read(key->GetMultiString(c.name));
        EXPECT_EQ(Strings(read.get()), c.read) << c.name;
        DWORD type = 0;
        std::vector<uint8_t> data;
        ASSERT_TRUE(ReadRaw(L"", c.name, &type, &data));
        EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
        EXPECT_EQ(data.size(), c.bytes) << c.name;
    }

    // Stored by others: a lone double NUL, no closing double NUL, and the wrong type.
    WriteRaw(L"", L"bare", REG_MULTI_SZ, L"\0", 4);
    WriteRaw(L"", L"open", REG_MULTI_SZ, L"ab", 4);
    WriteRaw(L"", L"sz", REG_SZ, L"a\0b\0", 10);
    for (const wchar_t* name : {L"bare", L"open", L"sz", L"missing"}) {
        Pooled<StrArray> read(key->GetMultiString(name));
        EXPECT_EQ(read->GetCount(), 0u) << name;
    }
}

TEST_F(RegDirTest, BytesRoundTripFromNoneToAMegabyte)
{
    Pooled<RegDir> key = MakeKey();
    Pooled<ArrayU08> empty(ArrayU08::New());
    Pooled<ArrayU08> big(ArrayU08::New());
    uint32_t seed = 12345;
    for (uint32_t i = 0; i < 1024 * 1024; ++i) {
        seed = seed * 1103515245u + 12345u;
        big->Append(static_cast<uint8_t>(seed >> 16));
    }
    key->SetBytes(L"empty", empty.get());
    key->SetBytes(L"big", big.get());

    Pooled<ArrayU08> readEmpty(key->GetBytes(L"empty", nullptr));
    ASSERT_NE(readEmpty, nullptr);
    EXPECT_EQ(readEmpty->GetCount(), 0u);
    Pooled<ArrayU08> target(ArrayU08::New());
    target->Append(9);
    ArrayU08* readBig = key->GetBytes(L"big", target.get());
    EXPECT_EQ(readBig, target.get());
    ASSERT_EQ(target->GetCount(), big->GetCount());
    EXPECT_EQ(std::memcmp(target->GetData(), big->GetData(), big->GetCount()), 0);

    // A value of another type gives its bytes; a missing one null, the given array untouched.
    key->SetString(L"s", L"hi");
    Pooled<ArrayU08> text(key->GetBytes(L"s", nullptr));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(Bytes(text->GetData(), text->GetCount()), Bytes(L"hi", 6));
    EXPECT_EQ(key->GetBytes(L"missing", target.get()), nullptr);
    EXPECT_EQ(target->GetCount(), big->GetCount());
    EXPECT_EQ(key->GetBytes(L"missing", nullptr), nullptr);
}

TEST_F(RegDirTest, DeletesValuesPresentOrNot)
{
    Pooled<RegDir> key = MakeKey();
    key->SetUInt32(L"gone", 1);
    key->SetUInt32(L"kept", 2);
    key->DeleteValue(L"gone");
    key->DeleteValue(L"never");
    DWORD type = 0;
    std::vector<uint8_t> data;
    EXPECT_FALSE(ReadRaw(L"", L"gone", &type, &data));
    EXPECT_TRUE(ReadRaw(L"", L"kept", &type, &data));
}

TEST_F(RegDirTest, ListsSubKeysAndValueNames)
{
    for (const wchar_t* below : {L"Alpha", L"beta", L"PrefixOne", L"prefixTwo", L"Pre", L"Alpha\\Inner"})
        WriteRaw(below, L"v", REG_DWORD, "\1\0\0\0", 4);
    // The longest name a value may have: its record is far beyond the 1 KiB a listing offers
    // first, and beyond whatever an earlier listing in this program may have grown the buffer to.
    const std::wstring longName(kLongestValueName, L'n');
    WriteRaw(L"", L"first", REG_DWORD, "\1\0\0\0", 4);
    WriteRaw(L"", longName.c_str(), REG_DWORD, "\1\0\0\0", 4);
    WriteRaw(L"", L"Last", REG_SZ, L"z", 4);
    WriteRaw(L"", L"", REG_SZ, L"default", 16);
    Pooled<RegDir> key = OpenKey();

    Pooled<ArrayP> all(key->ListSubKeys());
    EXPECT_EQ(LeafNames(all.get()), (std::vector<std::wstring>{L"Alpha", L"Pre", L"PrefixOne", L"beta", L"prefixTwo"}));
    for (uint32_t i = 0; i < all->GetCount(); ++i) {
        RegDir* child = static_cast<RegDir*>(all->Get(i));
        EXPECT_TRUE(child->IsOpen());
        EXPECT_EQ(child->GetRoot(), HKEY_CURRENT_USER);
        EXPECT_EQ(child->GetUInt32(L"v", 0), 1u);
    }
    Pooled<ArrayP> prefixed(key->ListSubKeysStartingWith(L"PREFIX"));
    EXPECT_EQ(LeafNames(prefixed.get()), (std::vector<std::wstring>{L"PrefixOne", L"prefixTwo"}));
    Pooled<ArrayP> none(key->ListSubKeysStartingWith(L"zz"));
    EXPECT_EQ(none->GetCount(), 0u);

    // A name longer than the buffer offered is listed and does not end the listing.
    Pooled<StrArray> names(key->ListValueNames());
    std::vector<std::wstring> got = Shortened(Strings(names.get()));
    std::sort(got.begin(), got.end());
    std::vector<std::wstring> expected = Shortened({L"", L"Last", L"first", longName});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(got, expected);
}

TEST_F(RegDirTest, DeleteTreeRemovesANestedTree)
{
    for (const wchar_t* below : {L"T\\A\\B\\C", L"T\\A\\D", L"T\\E"})
        WriteRaw(below, L"v", REG_SZ, L"x", 4);
    WriteRaw(L"T", L"top", REG_SZ, L"x", 4);

    Pooled<RegDir> keepSelf = OpenKey(L"T");
    keepSelf->DeleteTree(false);
    EXPECT_TRUE(KeyExists(L"T"));
    EXPECT_FALSE(KeyExists(L"T\\A"));
    EXPECT_FALSE(KeyExists(L"T\\E"));
    DWORD type = 0;
    std::vector<uint8_t> data;
    EXPECT_TRUE(ReadRaw(L"T", L"top", &type, &data));

    WriteRaw(L"T\\A\\B\\C", L"v", REG_SZ, L"x", 4);
    Pooled<RegDir> whole = OpenKey(L"T");
    whole->DeleteTree(true);
    EXPECT_FALSE(whole->IsOpen());
    EXPECT_FALSE(KeyExists(L"T"));
    EXPECT_TRUE(KeyExists(L""));
}

TEST_F(RegDirTest, TreeDataSizeCountsKeysValuesAndBytes)
{
    WriteRaw(L"S", L"a", REG_DWORD, "\1\0\0\0", 4);
    WriteRaw(L"S", L"b", REG_SZ, L"abc", 8);
    WriteRaw(L"S\\K", L"c", REG_BINARY, "12345678901", 11);
    WriteRaw(L"S\\K\\L", L"d", REG_BINARY, "1", 1);
    // A name whose record outgrows the listing buffer is counted, and so are the names after it.
    WriteRaw(L"S\\K\\L", std::wstring(kLongestValueName, L'c').c_str(), REG_BINARY, "12", 2);
    WriteRaw(L"S\\K\\L", L"e", REG_BINARY, "123", 3);
    Pooled<RegDir> key = OpenKey(L"S");
    uint32_t values = 0;
    uint32_t keys = 0;
    EXPECT_EQ(key->GetTreeDataSize(true, &values, &keys, true), 4u + 8u + 11u + 1u + 2u + 3u);
    EXPECT_EQ(values, 6u);
    EXPECT_EQ(keys, 2u);
    EXPECT_EQ(key->GetTreeDataSize(false, nullptr, nullptr, true), 12u);
    EXPECT_EQ(key->GetTreeDataSize(true, nullptr, nullptr, false), 0u);
}

TEST_F(RegDirTest, ParentAndLeafName)
{
    WriteRaw(L"X\\Y", L"v", REG_DWORD, "\2\0\0\0", 4);
    Pooled<RegDir> key = OpenKey(L"X\\Y\\Z");
    Pooled<RegDir> parent(key->GetParent());
    EXPECT_EQ(std::wstring(parent->GetSubPath()), Path(L"X\\Y"));
    EXPECT_TRUE(parent->IsOpen());
    EXPECT_EQ(parent->GetUInt32(L"v", 0), 2u);

    StrBuffer* leaf = key->GetLeafName(nullptr, false);
    EXPECT_STREQ(leaf->GetText(), L"Z");
    leaf->Assign(L"<");
    EXPECT_EQ(key->GetLeafName(leaf, true), leaf);
    EXPECT_STREQ(leaf->GetText(), L"<Z");
    leaf->ReleaseToPool();

    // One level below the root: the parent is the root itself, which opens.
    Pooled<RegDir> software(RegDir::OpenNew(HKEY_CURRENT_USER, L"Software"));
    Pooled<RegDir> root(software->GetParent());
    EXPECT_STREQ(root->GetSubPath(), L"");
    EXPECT_STREQ(root->GetKeyName(), L"HKEY_CURRENT_USER");
    EXPECT_TRUE(root->IsOpen());
    StrBuffer* whole = software->GetLeafName(nullptr, false);
    EXPECT_STREQ(whole->GetText(), L"Software");
    whole->ReleaseToPool();
}

TEST_F(RegDirTest, FullNamesChooseTheirRoot)
{
    WriteRaw(L"", L"v", REG_DWORD, "\3\0\0\0", 4);
    struct Case {
        std::wstring fullName;
        HKEY root;
        std::wstring subPath;
    };
    const Case cases[] = {
        {L"HKEY_CURRENT_USER\\" + Path(), HKEY_CURRENT_USER, Path()},
        {L"hkey_current_user\\" + Path(), HKEY_CURRENT_USER, Path()},
        {L"HKEY_LOCAL_MACHINE\\Software", HKEY_LOCAL_MACHINE, L"Software"},
        {L"HKEY_USERS", HKEY_USERS, L""},
        {L"HKEY_CLASSES_ROOT\\.txt", HKEY_CLASSES_ROOT, L".txt"},
        {L"HKEY_CURRENT_CONFIG\\Software", HKEY_CURRENT_CONFIG, L"Software"},
        // No known root: no root, and the name stays as given.
        {L"HKEY_USERSX\\Software", nullptr, L"HKEY_USERSX\\Software"},
        {L"Software\\Zorv", nullptr, L"Software\\Zorv"},
    };
    for (const Case& c : cases) {
        Pooled<RegDir> key(RegDir::New());
        key->SetFromFullName(c.fullName.c_str());
        EXPECT_EQ(key->GetRoot(), c.root) << c.fullName;
        EXPECT_EQ(std::wstring(key->GetSubPath()), c.subPath) << c.fullName;
        if (!c.root) {
            EXPECT_EQ(std::wstring(key->GetKeyName()), c.fullName);
        }
    }
    Pooled<RegDir> key(RegDir::New());
    key->SetFromFullName((L"HKEY_CURRENT_USER\\" + Path()).c_str());
    EXPECT_EQ(key->GetUInt32(L"v", 0), 3u);
}

TEST_F(RegDirTest, UnknownRootsOpenNothingAndEveryOperationFails)
{
    WriteRaw(L"", L"v", REG_DWORD, "\5\0\0\0", 4);
    WriteRaw(L"Sub", L"v", REG_DWORD, "\5\0\0\0", 4);
    ASSERT_FALSE(KeyExistsAt(HKEY_CURRENT_USER, L"InvalidKey"));
    const std::wstring path = Path();
    const HKEY kNoRoot = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x12345));
    struct Case {
        const char* what;
        std::function<void(RegDir*)> name;
    };
    const Case cases[] = {
        {"full name with an unknown root", [&](RegDir* k) { k->SetFromFullName((L"HKEY_NOWHERE\\" + path).c_str()); }},
        {"full name without a root", [&](RegDir* k) { k->SetFromFullName(path.c_str()); }},
        {"a predefined root that is none of the five",
         [&](RegDir* k) { EXPECT_NE(k->Open(HKEY_PERFORMANCE_DATA, path.c_str()), 0); }},
        // The names of the root the object was on before must not be used for the new one.
        {"an unknown root after the current user's",
         [&](RegDir* k) {
             EXPECT_EQ(k->Open(HKEY_CURRENT_USER, path.c_str()), 0);
             EXPECT_NE(k->Open(kNoRoot, path.c_str()), 0);
         }},
        {"an unknown full name after the current user's",
         [&](RegDir* k) {
             k->SetFromFullName((L"HKEY_CURRENT_USER\\" + path).c_str());
             k->SetFromFullName((L"HKEY_NOWHERE\\" + path).c_str());
         }},
    };
    for (const Case& c : cases) {
        Pooled<RegDir> key(RegDir::New());
        c.name(key.get());
        EXPECT_FALSE(key->IsOpen()) << c.what;
        EXPECT_STREQ(key->GetNtPath(), L"") << c.what;
        EXPECT_EQ(key->GetUInt32(L"v", 99), 99u) << c.what;
        EXPECT_EQ(key->GetValueSize(L"v"), 0u) << c.what;
        Pooled<ArrayP> keys(key->ListSubKeys());
        EXPECT_EQ(keys->GetCount(), 0u) << c.what;
        Pooled<StrArray> names(key->ListValueNames());
        EXPECT_EQ(names->GetCount(), 0u) << c.what;
        EXPECT_EQ(key->GetTreeDataSize(true, nullptr, nullptr, true), 0u) << c.what;
        Pooled<RegDir> parent(key->GetParent());
        EXPECT_FALSE(parent->IsOpen()) << c.what;

        key->Create();
        key->SetUInt32(L"w", 1);
        key->SetString(L"s", L"x");
        key->DeleteValue(L"v");
        key->Rename(L"Renamed");
        key->DeleteTree(true);
        EXPECT_FALSE(key->IsOpen()) << c.what;
    }

    // Nothing was made, changed or deleted, here or anywhere else.
    EXPECT_FALSE(KeyExistsAt(HKEY_CURRENT_USER, L"InvalidKey"));
    EXPECT_FALSE(KeyExistsAt(HKEY_LOCAL_MACHINE, path));
    EXPECT_TRUE(KeyExists(L"Sub"));
    EXPECT_FALSE(KeyExists(L"Renamed"));
    DWORD type = 0;
    std::vector<uint8_t> data;
    EXPECT_TRUE(ReadRaw(L"", L"v", &type, &data));
    EXPECT_FALSE(ReadRaw(L"", L"w", &type, &data));
    EXPECT_FALSE(ReadRaw(L"", L"s", &type, &data));
}

TEST_F(RegDirTest, RenameLeavesTheObjectOnTheOldName)
{
    WriteRaw(L"Old", L"v", REG_DWORD, "\4\0\0\0", 4);
    Pooled<RegDir> key = OpenKey(L"Old");
    key->Rename(L"New");
    EXPECT_FALSE(key->IsOpen());
    EXPECT_EQ(key->GetUInt32(L"v", 0), 0u);
    EXPECT_FALSE(KeyExists(L"Old"));
    DWORD type = 0;
    std::vector<uint8_t> data;
    EXPECT_TRUE(ReadRaw(L"New", L"v", &type, &data));
}

TEST_F(RegDirTest, NamesTooLongToCountAreRefusedNotCut)
{
    Pooled<RegDir> key = MakeKey();
    const std::wstring huge(40000, L'h');
    key->SetUInt32(huge.c_str(), 1);
    Pooled<StrArray> names(key->ListValueNames());
    EXPECT_EQ(names->GetCount(), 0u);
    EXPECT_EQ(key->GetUInt32(huge.c_str(), 5), 5u);

    Pooled<RegDir> deep(RegDir::New());
    EXPECT_NE(deep->Open(HKEY_CURRENT_USER, (Path() + L"\\" + huge).c_str()), 0);
    deep->SetUInt32(L"v", 1);
    EXPECT_FALSE(deep->IsOpen());
    Pooled<ArrayP> keys(key->ListSubKeys());
    EXPECT_EQ(keys->GetCount(), 0u);
}

TEST_F(RegDirTest, ResetKeyGoesBackToThePoolClosed)
{
    RegDir* key = RegDir::OpenNew(HKEY_CURRENT_USER, L"Software");
    ASSERT_TRUE(key->IsOpen());
    key->ReleaseToPool();
    Pooled<RegDir> again(RegDir::New());
    EXPECT_FALSE(again->IsOpen());
    EXPECT_STREQ(again->GetSubPath(), L"");
    EXPECT_EQ(again->GetRoot(), HKEY_LOCAL_MACHINE);
}

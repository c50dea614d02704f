// The registry store and the XML store behind the same settings calls.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/col/Arrays.h"
#include "storage/file/TempFolder.h"
#include "storage/reg/Pooled.h"
#include "storage/reg/RegMappedData.h"
#include "storage/reg/RegTestKey.h"
#include "storage/settings/XmlMappedData.h"

using s::col::_array::ArrayU08;
using s::map::IMappedData;

namespace {

using regtest::Pooled;

// A value the registry store must not hold at all.
const DWORD kNotStored = 0xFFFFFFFFu;

std::wstring Text(uint64_t value)
{
    return std::to_wstring(value);
}

std::wstring Text(int64_t value)
{
    return std::to_wstring(value);
}

// Every bit of the value shows.
std::wstring Text(double value)
{
    wchar_t text[64];
    std::swprintf(text, 64, L"%.17g", value);
    return text;
}

std::wstring Text(bool value)
{
    return value ? L"true" : L"false";
}

std::wstring Text(const wchar_t* value)
{
    return value ? std::wstring(L"\"") + value + L"\"" : L"null";
}

std::wstring Text(ArrayU08* bytes)
{
    if (!bytes)
        return L"null";
    std::wstring text = L"[";
    const uint8_t* data = static_cast<const uint8_t*>(bytes->GetData());
    for (uint32_t i = 0; i < bytes->GetCount(); ++i) {
        wchar_t pair[4];
        std::swprintf(pair, 4, L"%02x", data[i]);
        text += (i ? L" " : L"") + std::wstring(pair);
    }
    return text + L"]";
}

Pooled<ArrayU08> MakeBytes(const std::vector<uint8_t>& values)
{
    Pooled<ArrayU08> bytes(ArrayU08::New());
    for (uint8_t b : values)
        bytes->Append(b);
    return bytes;
}

typedef std::function<void(IMappedData*, const wchar_t*, const wchar_t*)> Write;
typedef std::function<std::wstring(IMappedData*, const wchar_t*, const wchar_t*)> Read;

// One row: what is written to a value (nothing when write is empty), how it is read back, what
// both stores must give, and how the registry store must hold it.
struct Call {
    const wchar_t* section;
    const wchar_t* name;
    Write write;
    Read read;
    std::wstring expected;
    DWORD regType;
    DWORD regSize;
};

class RegMappedDataAgreesWithXmlTest : public regtest::RegTestKey {
protected:
    std::wstring XmlFile() const { return folder_ / L"SaveData.xml"; }

    TempFolder folder_;
};

} // namespace

TEST_F(RegMappedDataAgreesWithXmlTest, BothStoresGiveBackWhatTheSameCallsWrote)
{
    const std::wstring styled = L"Segoe UI & \"Mono\" <b>\r\n\u00e9\u4e2d\U0001F600";
    Pooled<ArrayU08> bytes = MakeBytes({0x00, 0x0A, 0x7F, 0xFF});
    Pooled<ArrayU08> noBytes = MakeBytes({});
    const uint64_t u64Max = std::numeric_limits<uint64_t>::max();
    const int64_t i64Min = std::numeric_limits<int64_t>::min();
    const int32_t i32Min = std::numeric_limits<int32_t>::min();
    const wchar_t* const kDefault = L"default";
    const auto str = [kDefault](IMappedData* m, const wchar_t* s, const wchar_t* n) {
        return Text(m->GetString(s, n, kDefault, nullptr, false));
    };
    const auto has = [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(m->HasValue(s, n)); };
    const auto u32 = [](IMappedData* m, const wchar_t* s, const wchar_t* n) {
        return Text(uint64_t{m->GetUInt32(s, n, 77)});
    };
    const DWORD dword = 4;

    const Call calls[] = {
        // Each type, with the registry type and size of the mapping.
        {L"", L"u8", [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetUInt8(s, n, 200); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(uint64_t{m->GetUInt8(s, n, 1)}); },
         L"200", REG_DWORD, dword},
        {L"MainWindow", L"u16", [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetUInt16(s, n, 65535); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(uint64_t{m->GetUInt16(s, n, 1)}); },
         L"65535", REG_DWORD, dword},
        {L"MainWindow", L"u32",
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetUInt32(s, n, 4000000000u); }, u32,
         L"4000000000", REG_DWORD, dword},
        {L"MainWindow\\View", L"u64",
         [u64Max](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetUInt64(s, n, u64Max); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(m->GetUInt64(s, n, 1)); },
         Text(u64Max), REG_BINARY, 8},
        {L"MainWindow\\View", L"i8", [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetInt8(s, n, -100); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(int64_t{m->GetInt8(s, n, 1)}); },
         L"-100", REG_DWORD, dword},
        {L"A/B", L"i16", [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetInt16(s, n, -30000); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(int64_t{m->GetInt16(s, n, 1)}); },
         L"-30000", REG_DWORD, dword},
        {L"A/B", L"i32", [i32Min](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetInt32(s, n, i32Min); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(int64_t{m->GetInt32(s, n, 1)}); },
         Text(int64_t{i32Min}), REG_DWORD, dword},
        {L"A/B", L"i64", [i64Min](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetInt64(s, n, i64Min); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(m->GetInt64(s, n, 1)); },
         Text(i64Min), REG_BINARY, 8},
        {L"PngEncodeSetting", L"f", [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetFloat(s, n, 9.5f); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(double{m->GetFloat(s, n, 1)}); },
         L"9.5", REG_BINARY, 4},
        {L"PngEncodeSetting", L"d",
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetDouble(s, n, -1.25); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(m->GetDouble(s, n, 1)); }, L"-1.25",
         REG_BINARY, 8},
        {L"", L"on", [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetBool(s, n, true); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(m->GetBool(s, n, false)); }, L"true",
         REG_DWORD, dword},
        {L"", L"off", [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetBool(s, n, false); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(m->GetBool(s, n, true)); }, L"false",
         REG_DWORD, dword},
        {L"A/B", L"Face",
         [&styled](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetString(s, n, styled.c_str()); }, str,
         Text(styled.c_str()), REG_SZ, static_cast<DWORD>((styled.size() + 1) * sizeof(wchar_t))},
        {L"A/B", L"empty", [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetString(s, n, L""); }, str,
         L"\"\"", REG_SZ, 2},
        // The empty name: the element's text in the XML store, the key's default value here.
        {L"MainWindow\\View", L"",
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetString(s, n, L" label "); }, str,
         L"\" label \"", REG_SZ, 16},
        {L"MainWindow", L"path",
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetExpandString(s, n, L"%TEMP%\\x"); }, str,
         L"\"%TEMP%\\x\"", REG_EXPAND_SZ, 18},
        {L"PngEncodeSetting", L"bytes",
         [&bytes](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetBytes(s, n, bytes.get()); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) {
             Pooled<ArrayU08> out(ArrayU08::New());
             return Text(m->GetBytes(s, n, out.get()));
         },
         L"[00 0a 7f ff]", REG_BINARY, 4},
        {L"PngEncodeSetting", L"noBytes",
         [&noBytes](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetBytes(s, n, noBytes.get()); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) {
             Pooled<ArrayU08> out(MakeBytes({9}));
             return Text(m->GetBytes(s, n, out.get()));
         },
         L"[]", REG_BINARY, 0},

        // A small number read as a wider one: both are 4-byte values here, decimals there.
        {L"", L"widened", [](IMappedData* m, const wchar_t* s, const wchar_t* n) { m->SetUInt8(s, n, 200); },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) { return Text(int64_t{m->GetInt32(s, n, 1)}); },
         L"200", REG_DWORD, dword},
        // Names are found ignoring case; a value written again keeps only the last.
        {L"MainWindow", L"CaseName",
         [](IMappedData* m, const wchar_t* s, const wchar_t*) { m->SetUInt32(s, L"CASENAME", 5); },
         [](IMappedData* m, const wchar_t* s, const wchar_t*) {
             return Text(uint64_t{m->GetUInt32(s, L"casename", 1)});
         },
         L"5", REG_DWORD, dword},
        {L"MainWindow", L"again",
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) {
             m->SetUInt32(s, n, 1);
             m->SetUInt32(s, n, 2);
         },
         u32, L"2", REG_DWORD, dword},
        // Absent values and sections give the caller's defaults.
        {L"MainWindow", L"neverNumber", nullptr, u32, L"77", kNotStored, 0},
        {L"MainWindow", L"neverText", nullptr, str, L"\"default\"", kNotStored, 0},
        {L"Nowhere", L"v", nullptr, u32, L"77", kNotStored, 0},
        {L"Nowhere", L"t", nullptr, str, L"\"default\"", kNotStored, 0},
        {L"Nowhere", L"b", nullptr,
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) {
             Pooled<ArrayU08> out(MakeBytes({9}));
             return Text(m->GetBytes(s, n, out.get()));
         },
         L"[09]", kNotStored, 0},
        // Presence, removal of a value, and of a section below another.
        {L"A/B", L"i16", nullptr, has, L"true", REG_DWORD, dword},
        {L"A/B", L"nothing", nullptr, has, L"false", kNotStored, 0},
        {L"MainWindow", L"removed",
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) {
             m->SetUInt32(s, n, 1);
             m->RemoveValue(s, n);
         },
         has, L"false", kNotStored, 0},
        {L"Gone", L"kept",
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) {
             m->SetUInt32(s, n, 3);
             m->SetUInt32(L"Gone\\Inner", n, 4);
             m->RemoveSection(L"Gone\\Inner");
         },
         [](IMappedData* m, const wchar_t* s, const wchar_t* n) {
             return Text(m->SelectSection(s)) + L" " + Text(m->SelectSection(L"Gone\\Inner")) + L" " +
                    Text(uint64_t{m->GetUInt32(s, n, 1)});
         },
         L"true false 3", REG_DWORD, dword},
        {L"A/B", L"", nullptr,
         [](IMappedData* m, const wchar_t* s, const wchar_t*) {
             return Text(m->SelectSection(s)) + L" " + Text(m->SelectSection(L"A/Nowhere"));
         },
         L"true false", kNotStored, 0},
    };

    {
        Pooled<s::xml::MappedData> xml(s::xml::MappedData::OpenFile(XmlFile().c_str()));
        Pooled<s::reg::MappedData> reg(s::reg::MappedData::OpenUserKey(Path().c_str()));
        ASSERT_NE(xml, nullptr);
        ASSERT_NE(reg, nullptr);
        for (const Call& c : calls) {
            if (!c.write)
                continue;
            c.write(xml.get(), c.section, c.name);
            c.write(reg.get(), c.section, c.name);
        }
        ASSERT_TRUE(xml->Save());
    }

    // Read back by stores opened afresh: what each keeps, not what it still holds.
    Pooled<s::xml::MappedData> xml(s::xml::MappedData::OpenFile(XmlFile().c_str()));
    Pooled<s::reg::MappedData> reg(s::reg::MappedData::OpenUserKey(Path().c_str()));
    for (const Call& c : calls) {
        const std::wstring where = std::wstring(c.section) + L" : " + c.name;
        const std::wstring fromXml = c.read(xml.get(), c.section, c.name);
        const std::wstring fromRegistry = c.read(reg.get(), c.section, c.name);
        EXPECT_EQ(fromRegistry, fromXml) << where;
        EXPECT_EQ(fromRegistry, c.expected) << where;

        DWORD type = 0;
        std::vector<uint8_t> data;
        const bool stored = ReadRaw(c.section, c.name, &type, &data);
        if (c.regType == kNotStored) {
            EXPECT_FALSE(stored) << where;
        } else {
            ASSERT_TRUE(stored) << where;
            EXPECT_EQ(type, c.regType) << where;
            EXPECT_EQ(data.size(), c.regSize) << where;
        }
    }
}

TEST_F(RegMappedDataAgreesWithXmlTest, StoresDifferOnlyWhereTheirFormsDo)
{
    SetEnvironmentVariableW(L"PULSEGRID_AGREE_TEST", L"here");
    Pooled<s::xml::MappedData> xml(s::xml::MappedData::OpenFile(XmlFile().c_str()));
    Pooled<s::reg::MappedData> reg(s::reg::MappedData::OpenUserKey(Path().c_str()));
    for (IMappedData* m : {static_cast<IMappedData*>(xml.get()), static_cast<IMappedData*>(reg.get())}) {
        m->SetUInt32(L"A/B", L"v", 1);
        m->SetExpandString(L"", L"x", L"%PULSEGRID_AGREE_TEST%");
        m->SetUInt32(L"", L"other", 2);
    }

    // "A/B" is two levels in the XML store, and one key whose name holds the slash here.
    EXPECT_TRUE(xml->SelectSection(L"A\\B"));
    EXPECT_TRUE(xml->SelectSection(L"A"));
    EXPECT_FALSE(reg->SelectSection(L"A\\B"));
    EXPECT_FALSE(reg->SelectSection(L"A"));
    EXPECT_TRUE(KeyExists(L"A/B"));
    EXPECT_FALSE(KeyExists(L"A"));

    // Only the registry keeps a text as expandable, and expands it on request.
    bool expandable = true;
    EXPECT_STREQ(xml->GetString(L"", L"x", nullptr, &expandable, true), L"%PULSEGRID_AGREE_TEST%");
    EXPECT_FALSE(expandable);
    EXPECT_STREQ(reg->GetString(L"", L"x", nullptr, &expandable, true), L"here");
    EXPECT_TRUE(expandable);

    // A missing value in an existing section: the XML store empties the array, this one gives null.
    Pooled<ArrayU08> out(MakeBytes({9}));
    EXPECT_EQ(xml->GetBytes(L"", L"missing", out.get()), out.get());
    EXPECT_EQ(out->GetCount(), 0u);
    out->Append(9);
    EXPECT_EQ(reg->GetBytes(L"", L"missing", out.get()), nullptr);
    EXPECT_EQ(out->GetCount(), 1u);
    SetEnvironmentVariableW(L"PULSEGRID_AGREE_TEST", nullptr);
}

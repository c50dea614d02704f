#include "core/str/StrBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/col/Arrays.h"
#include "measurement/codepage/CodePage.h"

using s::col::_array::ArrayU08;
using s::str::strbuffer::StrBuffer;
using s::system::codepage::CodePage;

namespace {

typedef std::vector<uint8_t> Bytes;

struct Pooled {
    StrBuffer* str;
    explicit Pooled(const wchar_t* text = L"") : str(StrBuffer::FromText(text)) {}
    ~Pooled() { str->ReleaseToPool(); }
    StrBuffer* operator->() const { return str; }
    std::wstring Text() const { return std::wstring(str->GetText(), str->GetLength()); }
};

struct PooledBytes {
    ArrayU08* array;
    explicit PooledBytes(ArrayU08* given) : array(given) {}
    ~PooledBytes()
    {
        if (array)
            array->ReleaseToPool();
    }
    Bytes Counted() const
    {
        const uint8_t* data = static_cast<const uint8_t*>(array->GetData());
        return Bytes(data, data + array->GetCount());
    }
    // The byte just past the counted ones, where the uncounted terminator goes.
    uint8_t After() const { return static_cast<const uint8_t*>(array->GetData())[array->GetCount()]; }
};

const char* AsChars(const Bytes& bytes)
{
    return reinterpret_cast<const char*>(bytes.data());
}

// "é", a CJK ideograph and a face outside the basic plane (a surrogate pair).
const wchar_t kMixed[] = L"A\u00e9\u4e2d\U0001F600";
const Bytes kMixedUtf8 = {0x41, 0xC3, 0xA9, 0xE4, 0xB8, 0xAD, 0xF0, 0x9F, 0x98, 0x80};

TEST(StrBufferEncodings, Utf8RoundTripOutsideTheBasicPlane)
{
    Pooled text(kMixed);
    ASSERT_EQ(5u, text->GetLength());
    PooledBytes utf8(text->ToUtf8Bytes(nullptr, false));
    EXPECT_EQ(kMixedUtf8, utf8.Counted());
    EXPECT_EQ(0, utf8.After());

    Pooled back;
    EXPECT_EQ(5, back->FromUtf8(AsChars(kMixedUtf8), false, static_cast<int32_t>(kMixedUtf8.size())));
    EXPECT_EQ(std::wstring(kMixed), back.Text());

    // NUL-terminated, appended after what is there.
    Bytes terminated = kMixedUtf8;
    terminated.push_back(0);
    EXPECT_EQ(5, back->FromUtf8(AsChars(terminated), true, -1));
    EXPECT_EQ(std::wstring(kMixed) + kMixed, back.Text());
}

TEST(StrBufferEncodings, TheEndingsOfTheByteForms)
{
    struct Case {
        const char* what;
        const wchar_t* text;
        ArrayU08* (*convert)(StrBuffer*);
        Bytes counted;
        bool zeroAfter;
    };
    const Case cases[] = {
        {"Z of empty", L"", [](StrBuffer* t) { return t->ToUtf8BytesZ(nullptr, false); }, {0}, false},
        {"plain of empty", L"", [](StrBuffer* t) { return t->ToUtf8Bytes(nullptr, false); }, {}, false},
        {"plain of e-acute", L"\u00e9", [](StrBuffer* t) { return t->ToUtf8Bytes(nullptr, false); }, {0xC3, 0xA9},
         true},
        {"Z of e-acute", L"\u00e9", [](StrBuffer* t) { return t->ToUtf8BytesZ(nullptr, false); },
         {0xC3, 0xA9, 0x00}, false},
        {"OEM Z of ASCII", L"dir", [](StrBuffer* t) { return t->ToOemBytesZ(nullptr, false); }, {'d', 'i', 'r', 0},
         false},
        {"OEM of ASCII", L"dir", [](StrBuffer* t) { return t->ToOemBytes(nullptr, false); }, {'d', 'i', 'r'}, true},
        // An unknown code page converts nothing, and the Z form still ends with its 0 byte.
        {"Z of no code page", L"abc", [](StrBuffer* t) { return t->ToCodePageBytesZ(nullptr, nullptr, false); },
         {0}, false},
    };
    for (const Case& c : cases) {
        Pooled text(c.text);
        PooledBytes bytes(c.convert(text.str));
        ASSERT_NE(nullptr, bytes.array) << c.what;
        EXPECT_EQ(c.counted, bytes.Counted()) << c.what;
        if (c.zeroAfter) {
            EXPECT_EQ(0, bytes.After()) << c.what;
        }
    }
}

TEST(StrBufferEncodings, GivenArraysAreAppendedToOrReplaced)
{
    Pooled text(L"xy");
    PooledBytes bytes(ArrayU08::New());
    bytes.array->Append(0x7F);
    EXPECT_EQ(bytes.array, text->ToUtf8Bytes(bytes.array, true));
    EXPECT_EQ((Bytes{0x7F, 'x', 'y'}), bytes.Counted());
    text->ToUtf8BytesZ(bytes.array, true);
    EXPECT_EQ((Bytes{0x7F, 'x', 'y', 'x', 'y', 0}), bytes.Counted());
    text->ToUtf8Bytes(bytes.array, false);
    EXPECT_EQ((Bytes{'x', 'y'}), bytes.Counted());
}

TEST(StrBufferEncodings, DecodingReplacesOrAppendsAndCountsCharacters)
{
    Pooled text(L"keep");
    EXPECT_EQ(0, text->FromUtf8("", false, -1));
    EXPECT_EQ(0u, text->GetLength());

    text->Assign(L"keep");
    EXPECT_EQ(0, text->FromUtf8("", true, -1));
    EXPECT_EQ(L"keep", text.Text());
    EXPECT_EQ(3, text->FromUtf8("abcdef", true, 3));
    EXPECT_EQ(L"keepabc", text.Text());
    EXPECT_EQ(0, text->FromUtf8(nullptr, true, -1));
    EXPECT_EQ(L"keepabc", text.Text());
    EXPECT_EQ(2, text->FromOem("ok", false, -1));
    EXPECT_EQ(L"ok", text.Text());
}

TEST(StrBufferEncodings, TheUtf16RecordsCopyOrSwapTheStorage)
{
    CodePage* utf16 = CodePage::GetUtf16();
    CodePage* utf16Be = CodePage::GetUtf16Be();
    ASSERT_NE(nullptr, utf16);
    ASSERT_NE(nullptr, utf16Be);

    Pooled a(L"A");
    PooledBytes be(a->ToCodePageBytes(utf16Be, nullptr, false));
    EXPECT_EQ((Bytes{0x00, 0x41}), be.Counted());
    EXPECT_EQ(0, be.After());

    Pooled text(kMixed);
    PooledBytes le(text->ToCodePageBytesZ(utf16, nullptr, false));
    Bytes expected(reinterpret_cast<const uint8_t*>(kMixed), reinterpret_cast<const uint8_t*>(kMixed) + 10);
    expected.push_back(0);
    // One single 0 byte ends the Z form in every encoding.
    EXPECT_EQ(expected, le.Counted());

    PooledBytes swapped(text->ToCodePageBytes(utf16Be, nullptr, false));
    ASSERT_EQ(10u, swapped.array->GetCount());
    Pooled back;
    EXPECT_EQ(5, back->FromCodePage(utf16Be, AsChars(swapped.Counted()), false, 10));
    EXPECT_EQ(std::wstring(kMixed), back.Text());

    // A final odd byte is ignored.
    EXPECT_EQ(1, back->FromCodePage(utf16Be, "\x00\x42\x43", false, 3));
    EXPECT_EQ(L"B", back.Text());

    // The little-endian record takes a NUL-terminated wide text with count -1.
    EXPECT_EQ(5, back->FromCodePage(utf16, reinterpret_cast<const char*>(kMixed), true, -1));
    EXPECT_EQ(std::wstring(L"B") + kMixed, back.Text());
    EXPECT_EQ(0, back->FromCodePage(utf16Be, "", false, 0));
    EXPECT_EQ(0u, back->GetLength());
}

// A record of the list by number; such a record converts through the system calls.
CodePage* Installed(int32_t number)
{
    s::col::_array::ArrayP& list = CodePage::GetInstalled();
    for (uint32_t i = 0; i < list.GetCount(); ++i)
        if (CodePage::GetAt(i)->number == number)
            return CodePage::GetAt(i);
    return nullptr;
}

TEST(StrBufferEncodings, AnInstalledCodePageConvertsThroughTheSystem)
{
    CodePage* western = Installed(1252);
    ASSERT_NE(nullptr, western);
    const wchar_t text[] = L"caf\u00e9 \u20ac5";
    Pooled source(text);
    PooledBytes bytes(source->ToCodePageBytes(western, nullptr, false));

    char expected[16] = {};
    const int n = WideCharToMultiByte(1252, 0, text, -1, expected, sizeof expected, nullptr, nullptr);
    ASSERT_GT(n, 1);
    EXPECT_EQ(Bytes(expected, expected + n - 1), bytes.Counted());
    EXPECT_EQ((Bytes{'c', 'a', 'f', 0xE9, ' ', 0x80, '5'}), bytes.Counted());
    EXPECT_EQ(0, bytes.After());

    Pooled back;
    EXPECT_EQ(7, back->FromCodePage(western, AsChars(bytes.Counted()), false, 7));
    EXPECT_EQ(std::wstring(text), back.Text());

    // A record not from the list with the UTF-16 number is no UTF-16 record: identity decides,
    // and the system refuses 1200 for byte conversions.
    CodePage* stranger = CodePage::New();
    stranger->number = 1200;
    PooledBytes none(source->ToCodePageBytesZ(stranger, nullptr, false));
    EXPECT_EQ((Bytes{0}), none.Counted());
    stranger->ReleaseToPool();
}

TEST(StrBufferEncodings, CodePagesNeedingMoreThanThreeBytesPerCharacterLoseNothing)
{
    // UTF-7 writes each of these pairs as seven bytes ("+AOk-" and "+-"): more than the first
    // reservation of three bytes per character allows. GB18030 and ISO-2022 do the same.
    const int32_t kUtf7 = 65000;
    std::wstring wide;
    for (int i = 0; i < 20; ++i)
        wide += L"\u00e9+";
    Pooled text(wide.c_str());
    CodePage* utf7 = CodePage::New();
    utf7->number = kUtf7;
    PooledBytes bytes(text->ToCodePageBytes(utf7, nullptr, false));
    const int need = WideCharToMultiByte(kUtf7, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    ASSERT_GT(need, static_cast<int>(wide.size() * 3 + 2));
    EXPECT_EQ(static_cast<uint32_t>(need), bytes.array->GetCount());
    EXPECT_EQ(0, bytes.After());
    Pooled back;
    back->FromCodePage(utf7, AsChars(bytes.Counted()), false, need);
    EXPECT_EQ(wide, back.Text());
    utf7->ReleaseToPool();
}

} // namespace

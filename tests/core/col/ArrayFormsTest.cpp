#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/digest/Md5.h"
#include "core/str/StrBuffer.h"

using namespace s::col::_array;
using s::digest::md5::Md5;
using s::str::strbuffer::StrBuffer;

namespace {

// Takes the form into a pooled string and gives it back, returning its text.
template <class Form>
std::wstring Written(Form form)
{
    StrBuffer* out = form();
    const std::wstring text(out->GetText(), out->GetLength());
    out->ReleaseToPool();
    return text;
}

// Both stream faces offer ReleaseToPool; either gives the array back to its class's pool.
void Release(ArrayBase* array)
{
    static_cast<s::io::IInputStream*>(array)->ReleaseToPool();
}

template <class A, class E>
A* Holding(std::initializer_list<E> values)
{
    A* array = A::New();
    for (E v : values)
        array->Append(v);
    return array;
}

TEST(ArrayForms, TextHexAndXmlOfEachType)
{
    struct Case {
        ArrayBase* array;
        const wchar_t* text;
        const wchar_t* hex;
    };
    const Case cases[] = {
        {Holding<ArrayS32, int32_t>({1, -2, 3}), L"s_col__array_ArrayS32 [1 -2 3]", L"00000001fffffffe00000003"},
        {Holding<ArrayS32, int32_t>({}), L"s_col__array_ArrayS32 []", L""},
        {Holding<ArrayU08, uint8_t>({1, 171}), L"s_col__array_ArrayU08 [1 171]", L"01ab"},
        {Holding<ArrayU08, uint8_t>({0, 255}), L"s_col__array_ArrayU08 [0 255]", L"00ff"},
        {Holding<ArrayS08, int8_t>({-1, 5}), L"s_col__array_ArrayS08 [-1 5]", L"ff05"},
        {Holding<ArrayU32, uint32_t>({4294967295u, 16}), L"s_col__array_ArrayU32 [4294967295 16]", L"ffffffff00000010"},
        {Holding<ArrayS64, int64_t>({1, INT64_MIN}), L"s_col__array_ArrayS64 [1 -9223372036854775808]",
         L"00000000000000018000000000000000"},
    };
    for (const Case& c : cases) {
        const std::wstring name = c.array->GetClassName();
        EXPECT_EQ(std::wstring(c.text), Written([&] { return c.array->ToText(nullptr, false); })) << name;
        EXPECT_EQ(std::wstring(c.hex), Written([&] { return c.array->ToHex(nullptr, false); })) << name;
        const std::wstring count = std::to_wstring(c.array->GetCount());
        EXPECT_EQ(L"<" + name + L" length=\"" + count + L"\">" + c.hex + L"</" + name + L">",
                  Written([&] { return c.array->ToXml(nullptr, false); }))
            << name;
        Release(c.array);
    }
}

TEST(ArrayForms, TheXmlFormExactly)
{
    ArrayU08* bytes = Holding<ArrayU08, uint8_t>({1, 171});
    EXPECT_EQ(L"<s_col__array_ArrayU08 length=\"2\">01ab</s_col__array_ArrayU08>",
              Written([&] { return bytes->ToXml(nullptr, false); }));
    bytes->ReleaseToPool();

    ArrayU32* empty = ArrayU32::New();
    EXPECT_EQ(L"<s_col__array_ArrayU32 length=\"0\"></s_col__array_ArrayU32>",
              Written([&] { return empty->ToXml(nullptr, false); }));
    empty->ReleaseToPool();
}

TEST(ArrayForms, PointerArraysNameTheirObjectsAndHaveNoHex)
{
    ArrayP* list = ArrayP::New();
    StrBuffer* element = StrBuffer::New();
    list->Append(static_cast<s::base::IObject*>(static_cast<s::str::IStr*>(element)));
    list->Append(nullptr);
    const int64_t address = static_cast<int64_t>(reinterpret_cast<intptr_t>(list->Get(0)));
    EXPECT_EQ(L"s_col__array_ArrayP [s_str_strbuffer_StrBuffer(" + std::to_wstring(address) + L") (0)]",
              Written([&] { return list->ToText(nullptr, false); }));
    EXPECT_EQ(L"", Written([&] { return list->ToHex(nullptr, false); }));
    EXPECT_EQ(L"<s_col__array_ArrayP length=\"2\"></s_col__array_ArrayP>",
              Written([&] { return list->ToXml(nullptr, false); }));
    list->ReleaseToPool();
    element->ReleaseToPool();
}

TEST(ArrayForms, OneElementByItsAddress)
{
    ArrayU08* bytes = Holding<ArrayU08, uint8_t>({255});
    ArrayS08* signedBytes = Holding<ArrayS08, int8_t>({-1});
    ArrayS64* longs = Holding<ArrayS64, int64_t>({1});
    StrBuffer* out = StrBuffer::New();
    EXPECT_EQ(out, bytes->AppendElementText(out, bytes->GetData()));
    signedBytes->AppendElementText(out, signedBytes->GetData());
    bytes->AppendElementHex(out, bytes->GetData());
    longs->AppendElementHex(out, longs->GetData());
    EXPECT_STREQ(L"255-1ff0000000000000001", out->GetText());
    out->ReleaseToPool();
    bytes->ReleaseToPool();
    signedBytes->ReleaseToPool();
    longs->ReleaseToPool();
}

TEST(ArrayForms, TargetsAreReplacedOrAppendedTo)
{
    ArrayS32* numbers = Holding<ArrayS32, int32_t>({7});
    StrBuffer* target = StrBuffer::FromText(L"before ");
    EXPECT_EQ(target, numbers->ToText(target, true));
    EXPECT_STREQ(L"before s_col__array_ArrayS32 [7]", target->GetText());
    numbers->ToText(target, false);
    EXPECT_STREQ(L"s_col__array_ArrayS32 [7]", target->GetText());
    numbers->ToHex(target, true);
    EXPECT_STREQ(L"s_col__array_ArrayS32 [7]00000007", target->GetText());
    numbers->ToXml(target, false);
    EXPECT_STREQ(L"<s_col__array_ArrayS32 length=\"1\">00000007</s_col__array_ArrayS32>", target->GetText());
    target->ReleaseToPool();
    numbers->ReleaseToPool();
}

TEST(ArrayForms, DigestOfTheElementBytes)
{
    struct Case {
        ArrayBase* array;
        const wchar_t* digest;
    };
    const Case cases[] = {
        {ArrayU08::New(), L"d41d8cd98f00b204e9800998ecf8427e"},
        {Holding<ArrayU08, uint8_t>({'a', 'b', 'c'}), L"900150983cd24fb0d6963f7d28e17f72"},
        {Holding<ArrayU08, uint8_t>({1, 171}), L"030ee023c616a2fedcb4b03778f3e251"},
        // Little-endian element storage: 01 00 00 00 fe ff ff ff 03 00 00 00.
        {Holding<ArrayS32, int32_t>({1, -2, 3}), L"d5ca49daaedc80394cc53e1b3d271c72"},
    };
    for (const Case& c : cases) {
        Md5* md5 = Md5::New();
        EXPECT_EQ(std::wstring(c.digest), Written([&] { return c.array->DigestWith(md5, nullptr, false); }))
            << c.array->GetClassName();
        md5->ReleaseToPool();
        // Without a digester a pooled one is used and given back.
        EXPECT_EQ(std::wstring(c.digest), Written([&] { return c.array->DigestWith(nullptr, nullptr, false); }));
        Release(c.array);
    }
}

} // namespace

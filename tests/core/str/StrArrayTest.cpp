#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/col/Arrays.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"

using s::col::_array::ArrayU08;
using s::str::strarray::StrArray;
using s::str::strbuffer::StrBuffer;

namespace {

std::vector<std::wstring> Items(StrArray* list)
{
    std::vector<std::wstring> items;
    for (uint32_t i = 0; i < list->GetCount(); ++i)
        items.emplace_back(list->Get(i)->GetText(), list->Get(i)->GetLength());
    return items;
}

std::vector<uint8_t> Bytes(ArrayU08* bytes)
{
    const uint8_t* data = static_cast<const uint8_t*>(bytes->GetData());
    return std::vector<uint8_t>(data, data + bytes->GetCount());
}

ArrayU08* ArrayOf(const std::vector<uint8_t>& bytes)
{
    ArrayU08* array = ArrayU08::New();
    array->AppendRaw(bytes.data(), static_cast<uint32_t>(bytes.size()), 0);
    return array;
}

} // namespace

TEST(StrArrayMultiString, EmptyListIsFourZeroBytes)
{
    StrArray* list = StrArray::New();
    ArrayU08* bytes = list->ToMultiString(nullptr);
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 0, 0}), Bytes(bytes));

    list->ParseMultiString(bytes);
    EXPECT_EQ(0u, list->GetCount());
    bytes->ReleaseToPool();
    list->ReleaseToPool();
}

TEST(StrArrayMultiString, RoundTrip)
{
    StrArray* list = StrArray::New();
    list->AddText(L"a")->AddText(L"bc");
    ArrayU08* bytes = ArrayU08::New();
    bytes->Append(0x55);
    // Whatever out held is replaced.
    ASSERT_EQ(bytes, list->ToMultiString(bytes));
    EXPECT_EQ((std::vector<uint8_t>{'a', 0, 0, 0, 'b', 0, 'c', 0, 0, 0, 0, 0}), Bytes(bytes));

    StrArray* back = StrArray::New();
    back->AddText(L"old");
    back->ParseMultiString(bytes);
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"bc"}), Items(back));

    list->Clear();
    list->AddText(L"\u00E9t\u00E9")->AddText(L"x y")->AddText(L"\u6771");
    list->ToMultiString(bytes);
    back->ParseMultiString(bytes);
    EXPECT_EQ(Items(list), Items(back));

    bytes->ReleaseToPool();
    back->ReleaseToPool();
    list->ReleaseToPool();
}

TEST(StrArrayMultiString, BuffersWithoutAClosingDoubleNulGiveNothing)
{
    struct Case {
        std::vector<uint8_t> bytes;
        std::vector<std::wstring> items;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, {}},
        {{0, 0}, {}},
        {{}, {}},
        {{'a', 0, 'b', 0}, {}},
        {{'a', 0, 0, 0, 0, 0, 'b', 0}, {L"a"}},
        // Bytes after the first double NUL are never read into strings.
        {{'a', 0, 0, 0, 0, 0, 'z', 0, 0, 0, 0, 0}, {L"a"}},
        // An odd last byte is ignored.
        {{'a', 0, 0, 0, 0, 0, 7}, {L"a"}},
    };
    for (const Case& c : cases) {
        ArrayU08* bytes = ArrayOf(c.bytes);
        StrArray* list = StrArray::New();
        list->AddText(L"stale");
        list->ParseMultiString(bytes);
        EXPECT_EQ(c.items, Items(list)) << c.bytes.size();
        list->ReleaseToPool();
        bytes->ReleaseToPool();
    }
}

TEST(StrArrayMultiString, WideText)
{
    StrArray* list = StrArray::New();
    list->ParseMultiText(L"\0\0a\0");
    EXPECT_EQ(0u, list->GetCount());
    list->ParseMultiText(L"\0a\0");
    EXPECT_EQ((std::vector<std::wstring>{L"", L"a"}), Items(list));
    list->ParseMultiText(L"one\0two\0");
    EXPECT_EQ((std::vector<std::wstring>{L"one", L"two"}), Items(list));
    list->ReleaseToPool();
}

TEST(StrArrayLines, JoinedByCrLfAsUtf8)
{
    StrArray* list = StrArray::New();
    ArrayU08* none = list->ToUtf8Lines();
    EXPECT_EQ(0u, none->GetCount());
    none->ReleaseToPool();

    list->AddText(L"x")->AddText(L"y");
    ArrayU08* lines = list->ToUtf8Lines();
    EXPECT_EQ((std::vector<uint8_t>{'x', '\r', '\n', 'y'}), Bytes(lines));
    lines->ReleaseToPool();

    list->Clear();
    list->AddText(L"\u00E9")->AddText(L"")->AddText(L"\u20AC");
    lines = list->ToUtf8Lines();
    EXPECT_EQ((std::vector<uint8_t>{0xC3, 0xA9, '\r', '\n', '\r', '\n', 0xE2, 0x82, 0xAC}), Bytes(lines));
    lines->ReleaseToPool();
    list->ReleaseToPool();
}

TEST(StrArrayPool, ResetGivesEveryStringBack)
{
    StrArray* list = StrArray::New();
    list->AddText(L"1")->AddText(L"2")->AddText(L"3");
    const uint32_t idleBefore = StrBuffer::GetPool()->GetIdleCount();
    list->ReleaseToPool();
    EXPECT_EQ(idleBefore + 3, StrBuffer::GetPool()->GetIdleCount());

    StrArray* again = StrArray::New();
    EXPECT_EQ(0u, again->GetCount());
    EXPECT_STREQ(L"s_str_strarray_StrArray", again->GetClassName());
    again->ReleaseToPool();
}

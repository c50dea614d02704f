#include "core/str/Utf8Codec.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using namespace s::str;

namespace {

std::wstring SystemDecode(const std::string& bytes)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &out[0], n);
    return out;
}

std::string SystemEncode(const std::wstring& units)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, units.data(), static_cast<int>(units.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, units.data(), static_cast<int>(units.size()), &out[0], n, nullptr, nullptr);
    return out;
}

} // namespace

TEST(Utf8Codec, DecodesAsTheSystemDoes)
{
    struct Case {
        std::string bytes;
        bool wellFormed;
    };
    const Case cases[] = {
        {"", true},
        {"plain ascii", true},
        {"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", true},
        {"\xEF\xBB\xBF<a>", true},
        {"\xDF\xBF\xEF\xBF\xBF\xF4\x8F\xBF\xBF", true},
        {std::string("a\0b", 3), true},
        {"\xE4\xB8", false},
        {"\xE4\xB8z", false},
        {"\x80\xBFx", false},
        {"\xC0\x80", false},
        {"\xC1\xBF", false},
        {"\xE0\x80\x80", false},
        {"\xED\xA0\x80\xED\xBF\xBF", false},
        {"\xF0\x80\x80\x80", false},
        {"\xF4\x90\x80\x80", false},
        {"\xF5\x80\x80\x80", false},
        {"\xFE\xFF", false},
        {"ok \xC3 then ok", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        const std::wstring expected = SystemDecode(c.bytes);
        const uint32_t count = static_cast<uint32_t>(c.bytes.size());
        ASSERT_EQ(expected.size(), Utf16Units(c.bytes.data(), count));
        std::wstring decoded(expected.size() + 1, L'#');
        EXPECT_EQ(expected.size(), DecodeUtf8(c.bytes.data(), count, &decoded[0]));
        EXPECT_EQ(expected + L"#", decoded);
        EXPECT_EQ(c.wellFormed, IsWellFormedUtf8(c.bytes.data(), count));
    }
}

TEST(Utf8Codec, EncodesAsTheSystemDoes)
{
    const std::wstring cases[] = {
        L"",
        L"plain ascii",
        L"\u00E9\u07FF\u0800\u4E2D\uFFFF",
        L"\U0001F600\U0010FFFF",
        std::wstring(L"a\0b", 3),
        std::wstring(1, static_cast<wchar_t>(0xD800)),
        std::wstring(1, static_cast<wchar_t>(0xDC00)) + L"x",
        std::wstring(L"x") + static_cast<wchar_t>(0xDC00) + static_cast<wchar_t>(0xD800) + L"y",
        std::wstring(L"\u00E9") + static_cast<wchar_t>(0xDBFF),
    };
    for (const std::wstring& c : cases) {
        const std::string expected = SystemEncode(c);
        const uint32_t count = static_cast<uint32_t>(c.size());
        SCOPED_TRACE(expected);
        ASSERT_EQ(expected.size(), Utf8Bytes(c.data(), count));
        std::string encoded(expected.size() + 1, '#');
        EXPECT_EQ(&encoded[0] + expected.size(), EncodeUtf8(c.data(), count, &encoded[0]));
        EXPECT_EQ(expected + "#", encoded);
    }
}

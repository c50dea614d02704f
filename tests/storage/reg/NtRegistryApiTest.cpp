#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/str/StrBuffer.h"
#include "storage/reg/LookupFailureRecorder.h"
#include "storage/reg/NtRegistryApi.h"
#include "storage/reg/NtStatusText.h"
#include "storage/reg/RegRoot.h"
#include "storage/reg/SidText.h"

using namespace s::reg::win;
using s::str::strbuffer::StrBuffer;

namespace {

// The current user's identifier as the Win32 security calls write it.
std::wstring TokenUserSidByWin32()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return L"";
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> info(size);
    std::wstring text;
    wchar_t* converted = nullptr;
    if (GetTokenInformation(token, TokenUser, info.data(), size, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid, &converted)) {
        text = converted;
        LocalFree(converted);
    }
    CloseHandle(token);
    return text;
}

// An identifier built from its parts, freed with the object.
class BuiltSid {
public:
    BuiltSid(const BYTE (&authority)[6], std::vector<DWORD> subs)
    {
        SID_IDENTIFIER_AUTHORITY id = {};
        for (size_t i = 0; i < 6; ++i)
            id.Value[i] = authority[i];
        const BYTE count = static_cast<BYTE>(subs.size());
        subs.resize(8, 0);
        AllocateAndInitializeSid(&id, count, subs[0], subs[1], subs[2], subs[3], subs[4], subs[5], subs[6],
                                 subs[7], &sid_);
    }
    ~BuiltSid()
    {
        if (sid_)
            FreeSid(sid_);
    }
    PSID Get() const { return sid_; }

private:
    BuiltSid(const BuiltSid&) = delete;
    BuiltSid& operator=(const BuiltSid&) = delete;
    PSID sid_ = nullptr;
};

NTSTATUS OpenNtPath(const std::wstring& path, HANDLE* key)
{
    const NtRegistryApi& nt = GetNtRegistryApi();
    UNICODE_STRING name;
    nt.RtlInitUnicodeString(&name, path.c_str());
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
    return nt.NtOpenKey(key, KEY_READ, &attributes);
}

} // namespace

TEST(NtRegistryApi, LoadsOnceAndResolvesEveryCalledEntryPoint)
{
    ASSERT_TRUE(LoadNtRegistryApi());
    EXPECT_TRUE(LoadNtRegistryApi());
    const NtRegistryApi& nt = GetNtRegistryApi();
    const void* called[] = {
        reinterpret_cast<const void*>(nt.NtCreateKey),         reinterpret_cast<const void*>(nt.NtOpenKey),
        reinterpret_cast<const void*>(nt.NtFlushKey),          reinterpret_cast<const void*>(nt.NtDeleteKey),
        reinterpret_cast<const void*>(nt.NtEnumerateKey),      reinterpret_cast<const void*>(nt.NtClose),
        reinterpret_cast<const void*>(nt.NtSetValueKey),       reinterpret_cast<const void*>(nt.NtQueryValueKey),
        reinterpret_cast<const void*>(nt.NtEnumerateValueKey), reinterpret_cast<const void*>(nt.NtDeleteValueKey),
        reinterpret_cast<const void*>(nt.NtRenameKey),         reinterpret_cast<const void*>(nt.NtOpenProcessToken),
        reinterpret_cast<const void*>(nt.NtQueryInformationToken), reinterpret_cast<const void*>(nt.RtlAllocateHeap),
        reinterpret_cast<const void*>(nt.RtlFreeHeap),         reinterpret_cast<const void*>(nt.RtlInitUnicodeString),
    };
    for (const void* entry : called)
        EXPECT_NE(entry, nullptr);
    EXPECT_TRUE(regtest::LookupFailures().empty());
}

TEST(NtRegistryApi, CurrentUserIdentifierMatchesTheSecurityCalls)
{
    ASSERT_TRUE(LoadNtRegistryApi());
    const std::wstring sid = GetCurrentUserSidText();
    EXPECT_EQ(sid.compare(0, 6, L"S-1-5-"), 0) << sid;
    EXPECT_EQ(sid, TokenUserSidByWin32());
    EXPECT_TRUE(regtest::LookupFailures().empty());
}

TEST(NtRegistryApi, RootsMapToTheirNtPaths)
{
    ASSERT_TRUE(LoadNtRegistryApi());
    const std::wstring user = std::wstring(L"\\Registry\\User\\") + TokenUserSidByWin32();
    struct Case {
        HKEY root;
        const wchar_t* name;
        std::wstring ntPath;
    };
    const Case cases[] = {
        {HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT", L"\\Registry\\Machine\\SOFTWARE\\Classes"},
        {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", user},
        {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", L"\\Registry\\Machine"},
        {HKEY_USERS, L"HKEY_USERS", L"\\Registry\\User"},
        {HKEY_CURRENT_CONFIG, L"HKEY_CURRENT_CONFIG",
         L"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\Current"},
    };
    for (const Case& c : cases) {
        const RegRoot* root = FindRegRoot(c.root);
        ASSERT_NE(root, nullptr) << c.name;
        EXPECT_STREQ(root->name, c.name);
        EXPECT_EQ(std::wstring(root->ntPath), c.ntPath) << c.name;
    }
    EXPECT_EQ(FindRegRoot(HKEY_PERFORMANCE_DATA), nullptr);
    EXPECT_EQ(FindRegRoot(nullptr), nullptr);
}

TEST(NtRegistryApi, RootNtPathsNameRealKeys)
{
    ASSERT_TRUE(LoadNtRegistryApi());
    const HKEY roots[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CLASSES_ROOT};
    for (HKEY root : roots) {
        const std::wstring path = FindRegRoot(root)->ntPath;
        HANDLE key = nullptr;
        EXPECT_EQ(OpenNtPath(path, &key), kStatusSuccess) << path;
        if (key)
            GetNtRegistryApi().NtClose(key);
    }
    HANDLE software = nullptr;
    EXPECT_EQ(OpenNtPath(std::wstring(FindRegRoot(HKEY_CURRENT_USER)->ntPath) + L"\\Software", &software),
              kStatusSuccess);
    if (software)
        GetNtRegistryApi().NtClose(software);
}

TEST(SidToText, WritesTheAuthorityInDecimalOrAllSixBytesInHex)
{
    struct Case {
        BYTE authority[6];
        std::vector<DWORD> subs;
        const wchar_t* text;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 5}, {21, 1004336348, 1177238915, 682003330, 1000}, L"S-1-5-21-1004336348-1177238915-682003330-1000"},
        {{0, 0, 0, 0, 0, 1}, {0}, L"S-1-1-0"},
        {{0, 0, 0, 0, 0, 5}, {4294967295u}, L"S-1-5-4294967295"},
        // The last four bytes read as one big-endian number.
        {{0, 0, 1, 2, 3, 4}, {9}, L"S-1-16909060-9"},
        {{0, 1, 0, 0, 0, 2}, {7}, L"S-1-0x000100000002-7"},
        {{0xAB, 0, 0, 0, 0xCD, 0}, {1, 2}, L"S-1-0xab000000cd00-1-2"},
        {{0, 0, 0, 0, 0, 5}, {1, 2, 3, 4, 5, 6, 7, 8}, L"S-1-5-1-2-3-4-5-6-7-8"},
    };
    for (const Case& c : cases) {
        BuiltSid sid(c.authority, c.subs);
        ASSERT_NE(sid.Get(), nullptr) << c.text;
        wchar_t text[128];
        uint32_t size = sizeof text;
        ASSERT_TRUE(SidToText(sid.Get(), text, &size)) << c.text;
        EXPECT_STREQ(text, c.text);
    }
}

TEST(SidToText, ReportsTheRequiredSizeWhenTheBufferIsOneByteShort)
{
    const BYTE authority[6] = {0, 0, 0, 0, 0, 5};
    BuiltSid sid(authority, {21, 1, 2, 3, 1000});
    const uint32_t required = 56 + 24 * 5;
    wchar_t text[128];

    uint32_t size = required - 1;
    SetLastError(0);
    EXPECT_FALSE(SidToText(sid.Get(), text, &size));
    EXPECT_EQ(size, required);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

    size = required;
    ASSERT_TRUE(SidToText(sid.Get(), text, &size));
    EXPECT_STREQ(text, L"S-1-5-21-1-2-3-1000");
}

TEST(SidToText, RefusesAnInvalidIdentifier)
{
    BYTE zeros[64] = {};
    wchar_t text[128];
    uint32_t size = sizeof text;
    EXPECT_FALSE(SidToText(zeros, text, &size));
    EXPECT_FALSE(SidToText(nullptr, text, &size));
}

TEST(FormatNtError, StatusWithoutMessageSaysSo)
{
    StrBuffer* text = FormatNtError(static_cast<NTSTATUS>(0xE0001234u));
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text->GetText(), L"Error( 3758101044 [0xE0001234L] ) - No NT Error Data was returned??");
    text->ReleaseToPool();
}

TEST(FormatNtError, MessageLosesOnlyItsLineEnd)
{
    StrBuffer* text = FormatNtError(static_cast<NTSTATUS>(0xC0000034u));
    ASSERT_NE(text, nullptr);
    const std::wstring got = text->GetText();
    const std::wstring head = L"Error( 3221225524 [0xC0000034L] ) - ";
    ASSERT_GT(got.size(), head.size());
    EXPECT_EQ(got.compare(0, head.size(), head), 0) << got;
    EXPECT_NE(got.back(), L'\n');
    EXPECT_NE(got.back(), L'\r');
    text->ReleaseToPool();
}

TEST(FormatNtError, PadsTheHexWithBlanksAndAppendsOnRequest)
{
    StrBuffer* text = StrBuffer::New();
    text->Assign(L"old ");
    EXPECT_EQ(FormatNtError(static_cast<NTSTATUS>(0x0E000000u + 0x1234u), text, true), text);
    EXPECT_EQ(std::wstring(text->GetText()).compare(0, 33, L"old Error( 234885684 [0x E001234L"), 0)
        << text->GetText();
    FormatNtError(static_cast<NTSTATUS>(0x0E000000u + 0x1234u), text, false);
    EXPECT_EQ(std::wstring(text->GetText()).compare(0, 6, L"Error("), 0);
    text->ReleaseToPool();
}

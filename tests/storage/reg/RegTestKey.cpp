#include "storage/reg/RegTestKey.h"

#include <sddl.h>

#include <atomic>

namespace regtest {

namespace {

const wchar_t kTestsParent[] = L"Software\\Zorv\\PulsegridTests";
// Access lists in their text form: everyone may read only, and everyone may do anything.
// Deletion is denied outright: Wine grants it to the owner unless the list says no.
const wchar_t kReadOnlyForEveryone[] = L"D:P(D;;SD;;;WD)(A;;KR;;;WD)";
const wchar_t kAllForEveryone[] = L"D:P(A;;KA;;;WD)";

std::wstring UniqueLeaf()
{
    static std::atomic<unsigned> counter{0};
    return std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64()) + L"-" +
           std::to_wstring(++counter);
}

} // namespace

void RegTestKey::SetUp()
{
    path_ = std::wstring(kTestsParent) + L"\\" + UniqueLeaf();
    ASSERT_FALSE(KeyExists(L""));
}

void RegTestKey::TearDown()
{
    for (const std::wstring& below : onlyReadable_)
        EXPECT_TRUE(SetAccessList(below, kAllForEveryone));
    onlyReadable_.clear();
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
    // The parents go only when no other run still has keys in them.
    RegDeleteKeyW(HKEY_CURRENT_USER, kTestsParent);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Zorv");
    EXPECT_FALSE(KeyExists(L""));
}

std::wstring RegTestKey::Path(const std::wstring& below) const
{
    return below.empty() ? path_ : path_ + L"\\" + below;
}

bool RegTestKey::KeyExists(const std::wstring& below) const
{
    return KeyExistsAt(HKEY_CURRENT_USER, Path(below));
}

bool RegTestKey::KeyExistsAt(HKEY root, const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void RegTestKey::WriteRaw(const std::wstring& below, const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Path(below).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

bool RegTestKey::ReadRaw(const std::wstring& below, const wchar_t* name, DWORD* type, std::vector<uint8_t>* data) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Path(below).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, name, nullptr, type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        data->assign(size, 0);
        result = RegQueryValueExW(key, name, nullptr, type, data->data(), &size);
        data->resize(size);
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool RegTestKey::OpensWith(const std::wstring& below, REGSAM access) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Path(below).c_str(), 0, access, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void RegTestKey::OnlyReadable(const std::wstring& below)
{
    onlyReadable_.push_back(below);
    ASSERT_TRUE(SetAccessList(below, kReadOnlyForEveryone));
    ASSERT_FALSE(OpensWith(below, KEY_SET_VALUE));
}

bool RegTestKey::SetAccessList(const std::wstring& below, const wchar_t* descriptor) const
{
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, SDDL_REVISION_1, &sd, nullptr))
        return false;
    HKEY key = nullptr;
    LONG result = RegOpenKeyExW(HKEY_CURRENT_USER, Path(below).c_str(), 0, WRITE_DAC, &key);
    if (result == ERROR_SUCCESS) {
        result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd);
        RegCloseKey(key);
    }
    LocalFree(sd);
    return result == ERROR_SUCCESS;
}

} // namespace regtest

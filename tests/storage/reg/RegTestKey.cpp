#include "storage/reg/RegTestKey.h"

#include <atomic>

namespace regtest {

namespace {

const wchar_t kTestsParent[] = L"Software\\Zorv\\PulsegridTests";

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
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Path(below).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
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

} // namespace regtest

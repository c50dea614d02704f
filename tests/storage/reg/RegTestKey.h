#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace regtest {

// A key of its own below HKEY_CURRENT_USER\Software\Zorv\PulsegridTests for each test, in the
// project's Wine prefix; the whole tree is deleted in TearDown, whether the test passed or not.
// The helpers read and write through the Win32 registry calls, apart from the code under test.
class RegTestKey : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The test key's sub path below HKEY_CURRENT_USER, or a path below it.
    std::wstring Path(const std::wstring& below = L"") const;

    bool KeyExists(const std::wstring& below) const;
    void WriteRaw(const std::wstring& below, const wchar_t* name, DWORD type, const void* data, DWORD size);
    // False when the value cannot be read.
    bool ReadRaw(const std::wstring& below, const wchar_t* name, DWORD* type, std::vector<uint8_t>* data) const;

private:
    std::wstring path_;
};

} // namespace regtest

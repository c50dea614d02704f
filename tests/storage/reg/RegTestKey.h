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
    // Whether a key exists anywhere, below the test key or not.
    static bool KeyExistsAt(HKEY root, const std::wstring& path);
    void WriteRaw(const std::wstring& below, const wchar_t* name, DWORD type, const void* data, DWORD size);
    // False when the value cannot be read.
    bool ReadRaw(const std::wstring& below, const wchar_t* name, DWORD* type, std::vector<uint8_t>* data) const;
    // Whether the key opens with that access (Wine checks a key's access list like Windows).
    bool OpensWith(const std::wstring& below, REGSAM access) const;
    // Lets everyone only read the key, as a user who is not an administrator may read most of
    // HKEY_LOCAL_MACHINE; TearDown gives the rights back (the owner may always change them)
    // before it deletes the tree.
    void OnlyReadable(const std::wstring& below);

private:
    // Sets the key's access list from its text form.
    bool SetAccessList(const std::wstring& below, const wchar_t* descriptor) const;

    std::wstring path_;
    std::vector<std::wstring> onlyReadable_;
};

} // namespace regtest

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "storage/reg/ExplorerSettings.h"

using s::system::win::ShowsHiddenFiles;
using s::system::win::ShowsSuperHiddenFiles;

namespace {

const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// The readers only read the user's own Explorer key, so each test sets its values in the
// project's Wine prefix and puts back what was there before, present or absent.
class ExplorerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        keyExisted_ = RegOpenKeyExW(HKEY_CURRENT_USER, kAdvanced, 0, KEY_READ, &probe_) == ERROR_SUCCESS;
        if (probe_)
            RegCloseKey(probe_);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kAdvanced, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                                  nullptr),
                  ERROR_SUCCESS);
        for (Saved& saved : saved_) {
            DWORD size = sizeof saved.value;
            saved.present =
                RegQueryValueExW(key_, saved.name, nullptr, &saved.type, reinterpret_cast<BYTE*>(&saved.value),
                                 &size) == ERROR_SUCCESS;
            saved.size = size;
            RegDeleteValueW(key_, saved.name);
        }
    }
    void TearDown() override
    {
        for (Saved& saved : saved_) {
            if (saved.present)
                RegSetValueExW(key_, saved.name, 0, saved.type, reinterpret_cast<BYTE*>(&saved.value), saved.size);
            else
                RegDeleteValueW(key_, saved.name);
        }
        RegCloseKey(key_);
        if (!keyExisted_)
            RegDeleteKeyW(HKEY_CURRENT_USER, kAdvanced);
    }

    void Set(const wchar_t* name, DWORD value)
    {
        ASSERT_EQ(RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof value),
                  ERROR_SUCCESS);
    }

private:
    struct Saved {
        const wchar_t* name;
        bool present;
        DWORD type;
        DWORD size;
        uint64_t value;
    };
    HKEY probe_ = nullptr;
    HKEY key_ = nullptr;
    bool keyExisted_ = false;
    Saved saved_[2] = {{L"Hidden", false, 0, 0, 0}, {L"ShowSuperHidden", false, 0, 0, 0}};
};

} // namespace

TEST_F(ExplorerSettingsTest, AbsentValuesShowHiddenButNotSuperHiddenFiles)
{
    EXPECT_TRUE(ShowsHiddenFiles());
    EXPECT_FALSE(ShowsSuperHiddenFiles());
}

TEST_F(ExplorerSettingsTest, HiddenFilesShowUnlessTheValueIsTwo)
{
    struct Case {
        DWORD value;
        bool shows;
    };
    const Case cases[] = {{2, false}, {1, true}, {0, true}, {3, true}};
    for (const Case& c : cases) {
        Set(L"Hidden", c.value);
        EXPECT_EQ(ShowsHiddenFiles(), c.shows) << c.value;
    }
}

TEST_F(ExplorerSettingsTest, SuperHiddenFilesShowWhenTheValueIsNotZero)
{
    struct Case {
        DWORD value;
        bool shows;
    };
    const Case cases[] = {{1, true}, {0, false}, {7, true}};
    for (const Case& c : cases) {
        Set(L"ShowSuperHidden", c.value);
        EXPECT_EQ(ShowsSuperHiddenFiles(), c.shows) << c.value;
    }
}

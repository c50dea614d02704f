#include "storage/lang/UiLanguage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using s::lang::GetUserUiLanguageName;
using s::lang::LanguageCodeToName;
using s::lang::LanguageIdToCode;
using s::lang::SetUiLanguageSource;

LANGID gFakeLanguage = 0x0409;
int gSourceCalls = 0;

LANGID FakeUiLanguage()
{
    ++gSourceCalls;
    return gFakeLanguage;
}

// Points the display-language query at the fake for one test and puts the system's back after.
class UiLanguageName : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetUiLanguageSource(&FakeUiLanguage); }
    void TearDown() override { SetUiLanguageSource(previous_); }

    std::wstring NameFor(LANGID id)
    {
        gFakeLanguage = id;
        SetUiLanguageSource(&FakeUiLanguage);
        return GetUserUiLanguageName();
    }

private:
    s::lang::UiLanguageSource previous_ = nullptr;
};

TEST(UiLanguageCodes, WholeIdentifiersBeforeThePrimaryLanguage)
{
    struct Case {
        uint16_t id;
        int32_t code;
        const wchar_t* name;
    };
    const Case cases[] = {
        {0x0409, 250 * 65536, L"ENGLISH"},
        {0x0809, 250 * 65536, L"ENGLISH"},
        {0x0004, 170 * 65536 + 170, L"CHINESE_SIMPLIFIED"},
        {0x0804, 170 * 65536 + 170, L"CHINESE_SIMPLIFIED"},
        {0x0C04, 170 * 65536 + 340, L"CHINESE_TRADITIONAL"},
        {0x7C04, 170 * 65536 + 340, L"CHINESE_TRADITIONAL"},
        {0x4804, 170 * 65536, L"CHINESE"},
        {0x0416, 780 * 65536 + 780, L"PORTUGUESE_BRAZILIAN"},
        {0x0816, 780 * 65536 + 1560, L"PORTUGUESE_PORTUGAL"},
        {0x0016, 780 * 65536, L"PORTUGUESE"},
        {0x101A, 190 * 65536, L"CROATIAN"},
        {0x141A, 860 * 65536, L"SERBIAN"},
        {0x7C1A, 860 * 65536, L"SERBIAN"},
        {0x0C1A, 860 * 65536 + 860, L"SERBIAN_CYRILLIC"},
        {0x181A, 860 * 65536 + 1720, L"SERBIAN_LATIN"},
        {0x201A, 130 * 65536, L"BOSNIAN"},
        {0x042E, 1090 * 65536, L"UPPER_SORBIAN"},
        {0x082E, 610 * 65536, L"LOWER_SORBIAN"},
        {0x0429, 765 * 65536, L"PERSIAN"},
        {0x0129, 765 * 65536, L"PERSIAN"},
        {0x046C, 870 * 65536, L"SOTHO"},
        {0x0432, 880 * 65536, L"TSWANA"},
        {0x048C, 220 * 65536, L"DARI"},
        {0x040D, 390 * 65536, L"HEBREW"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(c.code, LanguageIdToCode(c.id));
        EXPECT_STREQ(c.name, LanguageCodeToName(c.code));
    }
}

TEST(UiLanguageCodes, GapsInTheListAreNoLanguage)
{
    const uint16_t gaps[] = {0x0000, 0x003D, 0x002E, 0x0030, 0x0055, 0x0074, 0x0077, 0x007F, 0x0089, 0x008B, 0x008D,
                             0x00FF, 0x043D};
    for (uint16_t id : gaps) {
        SCOPED_TRACE(id);
        EXPECT_EQ(-1, LanguageIdToCode(id));
    }
}

TEST(UiLanguageCodes, CodesOutsideTheTableAreUnknown)
{
    const int32_t codes[] = {-1, 0, 250, 250 * 65536 + 1, 170 * 65536 + 510, 1200 * 65536};
    for (int32_t code : codes)
        EXPECT_STREQ(L"Unknown", LanguageCodeToName(code)) << code;
}

TEST_F(UiLanguageName, CapitalisedNameOfTheDisplayLanguage)
{
    struct Case {
        LANGID id;
        const wchar_t* name;
    };
    const Case cases[] = {
        {0x0409, L"English"},
        {0x0809, L"English"},
        {0x0C04, L"Chinese_traditional"},
        {0x0804, L"Chinese_simplified"},
        {0x0416, L"Portuguese_brazilian"},
        {0x0816, L"Portuguese_portugal"},
        {0x082E, L"Lower_sorbian"},
        {0x040D, L"Hebrew"},
        {0x003D, L"Unknown"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::wstring(c.name), NameFor(c.id)) << c.id;
}

TEST_F(UiLanguageName, AskedOnceThenKept)
{
    gFakeLanguage = 0x0407;
    SetUiLanguageSource(&FakeUiLanguage);
    gSourceCalls = 0;
    const wchar_t* first = GetUserUiLanguageName();
    EXPECT_STREQ(L"German", first);
    gFakeLanguage = 0x040C;
    EXPECT_EQ(first, GetUserUiLanguageName());
    EXPECT_STREQ(L"German", GetUserUiLanguageName());
    EXPECT_EQ(1, gSourceCalls);
}

} // namespace

// The application base: its settings file beside the program, the version bookkeeping that opens
// the software page after an update, the one-time "Silent" request, the stored language, and the
// final write when it is given back.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppBase.h"
#include "app/AppTestSupport.h"
#include "app/CommandLine.h"
#include "app/ProgramIcon.h"
#include "core/str/StrBuffer.h"
#include "images/codecs/ico/win/IconImage.h"
#include "images/win/BufferedImage.h"
#include "mfc/WinApp.h"
#include "storage/archive/icon/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "storage/reg/RegMappedData.h"
#include "storage/settings/XmlMappedData.h"

namespace {

using namespace app_testing;
using s::app::win::AppBase;

const wchar_t kSoftwarePage[] = L"https://software.example.invalid/pulsegrid";
const uint32_t kShortVersionPack = 133;
const uint32_t kLongVersionPack = 134;

// The text of a root section of a settings file, read back as the next start would.
std::wstring StoredText(const std::wstring& file, const wchar_t* section)
{
    s::xml::MappedData* store = s::xml::MappedData::OpenFile(file.c_str());
    std::wstring text = store->GetString(section, L"", L"<absent>", nullptr, false);
    store->ReleaseToPool();
    return text;
}

class AppBaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(RemoveFolder(SettingsFolder()));
        DeleteSilent(kTestProgramKey);
        TakeOpenedPages();
    }
    void TearDown() override
    {
        RemoveFolder(SettingsFolder());
        DeleteSilent(kTestProgramKey);
    }

    AppBase* Start(const wchar_t* arguments, uint32_t langPackId = AppBase::kLangPackResourceId)
    {
        app_.m_lpCmdLine = arguments;
        AppBase* base = AppBase::New();
        EXPECT_TRUE(base->Init(&app_, AppBase::kFreeware, AppBase::kIconGroupId, AppBase::kXmlResourceType,
                               langPackId, AppBase::kJpegResourceType, AppBase::kPicture131Id,
                               AppBase::kJpegResourceType, AppBase::kPicture132Id));
        return base;
    }

    void Seed(const char* document) { ASSERT_TRUE(WriteFileBytes(SettingsFile(), document)); }

    CWinApp app_;
};

TEST_F(AppBaseTest, AFirstStartOpensTheSoftwarePageOnceAndStoresTheBookkeeping)
{
    AppBase* base = Start(L"");
    EXPECT_EQ(std::vector<std::wstring>{kSoftwarePage}, TakeOpenedPages());
    // Nothing is written before the end, unless a setting changes.
    EXPECT_FALSE(FileExists(SettingsFile()));
    base->ReleaseToPool();

    ASSERT_TRUE(FileExists(SettingsFile()));
    EXPECT_EQ(L"Freeware", StoredText(SettingsFile(), L"SoftwareType"));
    EXPECT_EQ(L"Zorv Pulsegrid Test", StoredText(SettingsFile(), L"SoftwareID"));
    EXPECT_EQ(L"1.76", StoredText(SettingsFile(), L"Version"));
    EXPECT_EQ(L"English", StoredText(SettingsFile(), L"Language"));
    EXPECT_EQ(0u, ReadFileBytes(SettingsFile()).find("<savedata>"));

    // The next start of the same version opens nothing.
    Start(L"")->ReleaseToPool();
    EXPECT_TRUE(TakeOpenedPages().empty());
}

TEST_F(AppBaseTest, OnlyAReleaseVersionAfterAnotherOneOpensTheSoftwarePage)
{
    struct Case {
        const char* seeded;
        uint32_t pack;
        size_t pages;
    };
    const Case cases[] = {
        {"<savedata><Version>1.75</Version></savedata>", AppBase::kLangPackResourceId, 1},
        {"<savedata><Version>1.76</Version></savedata>", AppBase::kLangPackResourceId, 0},
        {"<savedata><Version></Version></savedata>", AppBase::kLangPackResourceId, 1},
        {"", kShortVersionPack, 0},
        {"<savedata><Version>1.6</Version></savedata>", kShortVersionPack, 0},
        {"", kLongVersionPack, 0},
        {"<savedata><Version>1.76</Version></savedata>", kLongVersionPack, 0},
    };
    for (const Case& c : cases) {
        RemoveFolder(SettingsFolder());
        if (c.seeded[0])
            Seed(c.seeded);
        Start(L"-startup", c.pack)->ReleaseToPool();
        EXPECT_EQ(c.pages, TakeOpenedPages().size()) << c.seeded << " pack " << c.pack;
    }
}

TEST_F(AppBaseTest, TheSilentRequestOpensThePageOnceAndIsCleared)
{
    Seed("<savedata><Version>1.76</Version></savedata>");
    AppBase* base = Start(L"");
    TakeOpenedPages();

    SetSilentDword(kTestProgramKey, 1);
    base->RunFirstStartHook();
    EXPECT_EQ(std::vector<std::wstring>{kSoftwarePage}, TakeOpenedPages());
    EXPECT_EQ(0, ReadSilentDword(kTestProgramKey));
    base->RunFirstStartHook();
    EXPECT_TRUE(TakeOpenedPages().empty());

    DeleteSilent(kTestProgramKey);
    base->RunFirstStartHook();
    EXPECT_TRUE(TakeOpenedPages().empty());
    EXPECT_EQ(-1, ReadSilentDword(kTestProgramKey));

    // A text "1" is four bytes, as a number is: it is still no request.
    SetSilentText(kTestProgramKey, L"1");
    base->RunFirstStartHook();
    EXPECT_TRUE(TakeOpenedPages().empty());
    base->ReleaseToPool();
}

TEST_F(AppBaseTest, ADamagedSettingsFileIsKeptAsideAndStartUpGoesOn)
{
    const char damaged[] = "<savedata><Version>1.75</Version><Language>Ger";
    Seed(damaged);
    AppBase* base = Start(L"-startup");
    EXPECT_STREQ(L"English", base->GetLanguage());
    base->ReleaseToPool();
    EXPECT_EQ(damaged, ReadFileBytes(SettingsFile() + L".bak"));
    EXPECT_EQ(L"1.76", StoredText(SettingsFile(), L"Version"));
}

TEST_F(AppBaseTest, TheStoredLanguageIsChosenAndAnUnknownOneGivesEnglish)
{
    struct Case {
        const char* seeded;
        const wchar_t* language;
        const wchar_t* title;
        // What the file holds afterwards: a name that differs only in case is left as it was.
        const wchar_t* stored;
    };
    const Case cases[] = {
        {"<savedata><Language>German</Language></savedata>", L"German", L"Pulsegrid Versuch", L"German"},
        {"<savedata><Language>gERMAN</Language></savedata>", L"German", L"Pulsegrid Versuch", L"gERMAN"},
        {"<savedata><Language>Klingon</Language></savedata>", L"English", L"Pulsegrid Test", L"English"},
        {"<savedata><Language></Language></savedata>", L"English", L"Pulsegrid Test", L"English"},
        {"<savedata><Language Size=\"12\">12345</Language></savedata>", L"English", L"Pulsegrid Test", L"English"},
    };
    for (const Case& c : cases) {
        RemoveFolder(SettingsFolder());
        Seed(c.seeded);
        AppBase* base = Start(L"-startup");
        EXPECT_STREQ(c.language, base->GetLangPack()->GetCurrentPack()->GetEngName()->GetText()) << c.seeded;
        EXPECT_STREQ(c.title, base->GetLangPack()->GetText(base->GetBaseTextId()));
        EXPECT_STREQ(L"Pulsegrid Test", base->GetEnglishTitle());
        base->ReleaseToPool();
        EXPECT_EQ(std::wstring(c.stored), StoredText(SettingsFile(), L"Language")) << c.seeded;
    }
}

TEST_F(AppBaseTest, TheModulePathAndTheLookUpsOfThePack)
{
    AppBase* base = Start(L"-startup \"two words\"");
    EXPECT_EQ(ProgramFolder(), std::wstring(base->GetModuleFolder()->GetText()));
    EXPECT_NE(nullptr, wcsstr(base->GetModulePath()->GetText(), L"app_tests.exe"));
    ASSERT_NE(nullptr, base->GetCommandLine());
    ASSERT_EQ(2u, base->GetCommandLine()->GetCount());
    EXPECT_STREQ(L"two words", base->GetCommandLine()->GetAt(1));
    EXPECT_STREQ(L"Freeware", base->GetSoftwareType());
    EXPECT_EQ(500000, base->GetBaseTextId());
    EXPECT_STREQ(kSoftwarePage, base->GetSoftwarePage());
    EXPECT_STREQ(L"1.76", base->GetVersion());
    // Ids the pack lacks give the empty text.
    EXPECT_STREQ(L"", base->GetFeedbackPage());
    EXPECT_STREQ(L"", base->GetTranslationPage());
    EXPECT_EQ(nullptr, base->GetMember23());
    EXPECT_EQ(nullptr, base->GetSkinner());
    EXPECT_FALSE(base->HasSkinner());
    EXPECT_FALSE(base->SignalOtherInstance(true, false, true));
    EXPECT_STREQ(L"s_app_win_AppBase", base->GetClassName());
    base->ReleaseToPool();
}

TEST_F(AppBaseTest, AnEarlierSaveLeavesOutTheFinalWrite)
{
    AppBase* base = Start(L"-startup");
    EXPECT_TRUE(base->SaveSettings());
    ASSERT_TRUE(FileExists(SettingsFile()));
    ASSERT_TRUE(DeleteFileW(SettingsFile().c_str()));
    base->ReleaseToPool();
    EXPECT_FALSE(FileExists(SettingsFile()));

    // The flag goes with the reset: the next base writes at its end again.
    Start(L"-startup")->ReleaseToPool();
    EXPECT_TRUE(FileExists(SettingsFile()));
}

TEST_F(AppBaseTest, TheSkinFallsBackToTheDefaultName)
{
    AppBase* base = Start(L"-startup");
    EXPECT_STREQ(L"", base->GetSkin());
    base->SetSkin(L"Blue Ice");
    EXPECT_STREQ(L"Blue Ice", base->GetSkin());
    base->ReleaseToPool();
    EXPECT_EQ(L"Blue Ice", StoredText(SettingsFile(), L"Skin"));
}

TEST_F(AppBaseTest, TheRegistryStoreLiesBelowTheProgramsKey)
{
    AppBase* base = Start(L"-startup");
    s::reg::MappedData* store = base->OpenRegistrySettings();
    ASSERT_NE(nullptr, store);
    store->SetInt32(L"Probe", L"Value", 42);
    store->ReleaseToPool();
    base->ReleaseToPool();
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, L"Software\\Zorv\\Zorv Pulsegrid Test\\SaveData\\Probe",
                                          L"Value", RRF_RT_REG_DWORD, nullptr, &value, &size));
    EXPECT_EQ(42u, value);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Zorv\\Zorv Pulsegrid Test\\SaveData");
}

} // namespace

// The test program's icon group 128 holds a 16 x 16 green and a 32 x 32 yellow image.
TEST_F(AppBaseTest, TheProgramsIconsComeFromItsIconGroup)
{
    AppBase* base = Start(L"-startup");
    ASSERT_NE(nullptr, base->GetIconArchive());
    EXPECT_EQ(2u, base->GetIconArchive()->GetEntryCount());
    struct Case {
        s::image::ico::win::IconImage* image;
        int32_t side;
    };
    const Case cases[] = {{base->GetIcon16(), 16}, {base->GetIcon32(), 32}};
    for (const Case& c : cases) {
        ASSERT_NE(nullptr, c.image) << c.side;
        EXPECT_EQ(c.side, c.image->GetWidth());
        EXPECT_EQ(c.side, c.image->GetHeight());
        EXPECT_EQ(32, c.image->GetBitCount());
        c.image->ReleaseToPool();
    }
    // No 64-pixel image: the nearest, unscaled.
    s::image::win::BufferedImage* big = base->GetIcon64();
    ASSERT_NE(nullptr, big);
    EXPECT_EQ(32, big->GetWidth());
    EXPECT_EQ(0xFFFFFF00u, big->GetRow(31)[31]);
    big->ReleaseToPool();

    // Every icon the windows take is the group's, at the side asked for.
    for (int side : {16, 32}) {
        HICON icon = s::app::win::CreateProgramIcon(base, side);
        ASSERT_NE(nullptr, icon) << side;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        GetObjectW(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(side, colour.bmWidth);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        // Drawn over white it shows the group's colour: green at 16, yellow at 32.
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP target = CreateCompatibleBitmap(screen, side, side);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, target);
        PatBlt(dc, 0, 0, side, side, WHITENESS);
        EXPECT_TRUE(DrawIconEx(dc, 0, 0, icon, side, side, 0, nullptr, DI_NORMAL));
        EXPECT_EQ(side == 16 ? RGB(0, 255, 0) : RGB(255, 255, 0), GetPixel(dc, side / 2, side / 2)) << side;
        SelectObject(dc, old);
        DeleteObject(target);
        DeleteDC(dc);
        DestroyIcon(icon);
    }
    EXPECT_EQ(nullptr, base->OpenIconArchive(999));
    base->ReleaseToPool();
    EXPECT_EQ(nullptr, base->GetIconArchive());
}

TEST_F(AppBaseTest, WithoutAnIconArchiveTheSystemLoadsTheIcon)
{
    AppBase* base = Start(L"-startup");
    // A base whose group is missing answers no images; the windows still get an icon.
    s::archive::icon::Archive* none = base->OpenIconArchive(129);
    EXPECT_EQ(nullptr, none);
    HICON icon = s::app::win::CreateProgramIcon(nullptr, 16);
    EXPECT_NE(nullptr, icon);
    DestroyIcon(icon);
    base->ReleaseToPool();
    AppBase* empty = AppBase::New();
    EXPECT_EQ(nullptr, empty->GetIcon16());
    EXPECT_EQ(nullptr, empty->GetIcon32());
    EXPECT_EQ(nullptr, empty->GetIcon64());
    empty->ReleaseToPool();
}

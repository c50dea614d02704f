// The window settings holder: the defaults of each of the program's windows, the size bounds
// against the virtual screen, the middle-click action, and the placement kept in the store.
#include <windows.h>

#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "app/AppBase.h"
#include "app/AppTestSupport.h"
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "mfc/WinApp.h"
#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "storage/settings/IMappedData.h"
#include "windowing/MiddleClickActions.h"

namespace {

using namespace app_testing;
using s::app::win::AppBase;
using s::app::win::AppWindow;
using s::app::win::AppWindowDefaults;
namespace win = s::gui::win;

class AppWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(RemoveFolder(SettingsFolder()));
        app_.m_lpCmdLine = L"-startup";
        base_ = AppBase::Create(&app_);
        ASSERT_NE(nullptr, base_);
        TakeOpenedPages();
        settings_ = base_->GetSettings();
    }
    void TearDown() override
    {
        base_->ReleaseToPool();
        RemoveFolder(SettingsFolder());
    }

    AppWindow* Holder(const AppWindowDefaults& defaults = s::app::win::kMainWindowDefaults)
    {
        AppWindow* holder = s::app::win::CreateAppWindow(base_, defaults, nullptr);
        EXPECT_NE(nullptr, holder);
        return holder;
    }

    CWinApp app_;
    AppBase* base_ = nullptr;
    s::map::IMappedData* settings_ = nullptr;
};

TEST_F(AppWindowTest, EachWindowStartsFromItsOwnDefaults)
{
    struct Case {
        const wchar_t* name;
        int32_t width;
        int32_t height;
        bool keepOnTop;
        const wchar_t* middleClick;
    };
    const Case cases[] = {
        {L"MainWindow", 31, 160, false, win::kMiddleClickIconize},
        {L"AboutWindow", 340, 285, true, win::kMiddleClickClose},
        {L"CustomizerWindow", 320, 450, true, win::kMiddleClickClose},
        {L"SkinCustomizer", 500, 500, false, win::kMiddleClickClose},
        {L"ProgressWindow", 300, 250, true, win::kMiddleClickClose},
    };
    for (const Case& c : cases) {
        const AppWindowDefaults* defaults = s::app::win::FindAppWindowDefaults(c.name);
        ASSERT_NE(nullptr, defaults) << c.name;
        AppWindow* holder = Holder(*defaults);
        EXPECT_STREQ(c.name, holder->GetName());
        EXPECT_EQ(c.width, holder->GetWidth()) << c.name;
        EXPECT_EQ(c.height, holder->GetHeight()) << c.name;
        EXPECT_EQ(c.keepOnTop, holder->GetKeepOnTop()) << c.name;
        EXPECT_TRUE(holder->GetEasyDrag());
        EXPECT_FALSE(holder->GetMaximized());
        EXPECT_EQ(c.middleClick, holder->GetMiddleClickAction()) << c.name;
        EXPECT_FALSE(holder->HasPosition());
        EXPECT_EQ(0, holder->GetX());
        EXPECT_EQ(base_->GetLangPack(), holder->GetLangPack());
        EXPECT_EQ(500000, holder->GetBaseTextId());
        // The window's own bookkeeping groups, below its name.
        const std::wstring name = c.name;
        EXPECT_STREQ(L"Freeware", settings_->GetString((name + L"\\SoftwareType").c_str(), L"", L"-", nullptr, false));
        EXPECT_STREQ(L"Zorv Pulsegrid Test",
                     settings_->GetString((name + L"\\SoftwareID").c_str(), L"", L"-", nullptr, false));
        EXPECT_STREQ(L"1.76", settings_->GetString((name + L"\\Version").c_str(), L"", L"-", nullptr, false));
        holder->ReleaseToPool();
    }
    EXPECT_EQ(&s::app::win::kAboutWindowDefaults, s::app::win::FindAppWindowDefaults(L"aboutwindow"));
    EXPECT_EQ(nullptr, s::app::win::FindAppWindowDefaults(L"NoSuchWindow"));
    EXPECT_EQ(nullptr, s::app::win::FindAppWindowDefaults(nullptr));
}

TEST_F(AppWindowTest, TheBaseMakesTheToolkitDialogsHolderByName)
{
    s::app::IAppWindowFactory* factory = base_;
    EXPECT_EQ(settings_, factory->GetSettings());
    s::app::IAppWindow* made = factory->CreateAppWindow(L"ProgressWindow");
    ASSERT_NE(nullptr, made);
    AppWindow* holder = dynamic_cast<AppWindow*>(made);
    ASSERT_NE(nullptr, holder);
    EXPECT_STREQ(L"ProgressWindow", holder->GetName());
    EXPECT_EQ(300, holder->GetDefaultWidth());
    EXPECT_EQ(250, holder->GetDefaultHeight());
    EXPECT_EQ(win::kMiddleClickClose, holder->GetMiddleClickAction());
    EXPECT_EQ(base_->GetLangPack(), holder->GetLangPack());
    EXPECT_EQ(base_->GetSkinner(), holder->GetSkinner());
    EXPECT_STREQ(L"Freeware", settings_->GetString(L"ProgressWindow\\SoftwareType", L"", L"-", nullptr, false));
    factory->ReleaseAppWindow(made);
    // Names the program has not, and windows whose controller brings their own skin manager.
    EXPECT_EQ(nullptr, factory->CreateAppWindow(L"NoSuchWindow"));
    EXPECT_EQ(nullptr, factory->CreateAppWindow(nullptr));
    EXPECT_EQ(nullptr, factory->CreateAppWindow(L"MainWindow"));
}

TEST_F(AppWindowTest, SizesAreValidFromTenUpToTheVirtualScreen)
{
    const int32_t screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int32_t screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    struct Case {
        int32_t width;
        int32_t height;
        bool widthValid;
        bool heightValid;
    };
    const Case cases[] = {
        {9, 9, false, false},
        {10, 10, true, true},
        {screenWidth, screenHeight, true, true},
        {screenWidth + 1, screenHeight + 1, false, false},
        {-200, -1, false, false},
        {INT_MAX, INT_MIN, false, false},
        {400, 160, true, true},
    };
    AppWindow* holder = Holder();
    for (const Case& c : cases) {
        holder->SetSize(c.width, c.height);
        EXPECT_EQ(c.widthValid, holder->IsWidthValid()) << c.width;
        EXPECT_EQ(c.heightValid, holder->IsHeightValid()) << c.height;
    }
    // Not numbers at all: the caller's own size is used.
    settings_->SetString(L"MainWindow\\View", L"Width", L"wide");
    settings_->SetString(L"MainWindow\\View", L"Height", L"");
    EXPECT_FALSE(holder->IsWidthValid());
    EXPECT_FALSE(holder->IsHeightValid());
    holder->ReleaseToPool();
}

TEST_F(AppWindowTest, TheStoredMiddleClickActionIsOneOfTheSharedTextsInAnyCase)
{
    struct Case {
        const wchar_t* stored;
        const wchar_t* action;
    };
    const Case cases[] = {
        {L"Close", win::kMiddleClickClose},     {L"CLOSE", win::kMiddleClickClose},
        {L"cLoSe", win::kMiddleClickClose},     {L"iconize", win::kMiddleClickIconize},
        {L"ICONIZE", win::kMiddleClickIconize}, {L"DoNothing", win::kMiddleClickDoNothing},
        {L"Closed", win::kMiddleClickDoNothing}, {L"", win::kMiddleClickDoNothing},
        {L"42", win::kMiddleClickDoNothing},
    };
    AppWindow* holder = Holder();
    for (const Case& c : cases) {
        settings_->SetString(L"MainWindow\\View", L"OnMClick", c.stored);
        EXPECT_EQ(c.action, holder->GetMiddleClickAction()) << c.stored;
        EXPECT_EQ(c.action == win::kMiddleClickClose, holder->IsMiddleClickClose()) << c.stored;
        EXPECT_EQ(c.action == win::kMiddleClickIconize, holder->IsMiddleClickIconize()) << c.stored;
    }
    holder->ReleaseToPool();
}

TEST_F(AppWindowTest, SettingTheCurrentActionWritesNothing)
{
    AppWindow* holder = Holder();
    holder->SetMiddleClickAction(L"iconize");
    EXPECT_FALSE(settings_->HasValue(L"MainWindow\\View", L"OnMClick"));
    holder->SetMiddleClickAction(win::kMiddleClickClose);
    EXPECT_STREQ(L"Close", settings_->GetString(L"MainWindow\\View", L"OnMClick", L"-", nullptr, false));
    holder->ReleaseToPool();

    // A stored action wins over the window's default when the holder is made again.
    AppWindow* again = Holder();
    EXPECT_TRUE(again->IsMiddleClickClose());
    again->SetMiddleClickAction(L"CLOSE");
    EXPECT_STREQ(L"Close", settings_->GetString(L"MainWindow\\View", L"OnMClick", L"-", nullptr, false));
    again->ReleaseToPool();
}

TEST_F(AppWindowTest, ClearedBoundsGiveTheDefaultsAgain)
{
    AppWindow* holder = Holder();
    holder->SetBounds(120, -30, 260, 410);
    EXPECT_TRUE(holder->HasPosition());
    EXPECT_EQ(120, holder->GetX());
    EXPECT_EQ(-30, holder->GetY());
    EXPECT_EQ(260, holder->GetWidth());
    EXPECT_EQ(410, holder->GetHeight());
    holder->ClearBounds();
    EXPECT_FALSE(holder->HasPosition());
    EXPECT_FALSE(holder->HasX());
    EXPECT_FALSE(holder->HasWidth());
    EXPECT_FALSE(holder->HasHeight());
    EXPECT_EQ(31, holder->GetWidth());
    EXPECT_EQ(160, holder->GetHeight());
    // Only X stored is no position.
    holder->SetX(5);
    EXPECT_FALSE(holder->HasPosition());
    holder->ReleaseToPool();
}

TEST_F(AppWindowTest, ValuesOfTheWrongTypeGiveDefaults)
{
    settings_->SetString(L"MainWindow\\View", L"KeepOnTop", L"maybe");
    settings_->SetString(L"MainWindow\\View", L"EasyDrag", L"0");
    settings_->SetString(L"MainWindow\\View", L"X", L"left");
    AppWindow* holder = Holder();
    EXPECT_FALSE(holder->GetKeepOnTop());
    EXPECT_FALSE(holder->GetEasyDrag());
    EXPECT_EQ(0, holder->GetX());
    holder->ReleaseToPool();
}

TEST_F(AppWindowTest, WithoutAnOwnSkinManagerTheSkinIsTheApplications)
{
    AppWindow* holder = Holder(s::app::win::kCustomizerWindowDefaults);
    EXPECT_FALSE(holder->HasSkinner());
    holder->SetSkinName(L"Classic LG");
    EXPECT_STREQ(L"Classic LG", base_->GetSkin());
    EXPECT_STREQ(L"Classic LG", holder->GetSkinName());
    EXPECT_STREQ(L"CustomizerWindow\\View", holder->GetSectionPath(L"View"));
    holder->ReleaseToPool();
}

TEST_F(AppWindowTest, AnOwnSkinManagerTakesTheStoredSkinWhileItExists)
{
    struct Case {
        const wchar_t* stored;
        const wchar_t* chosen;
    };
    const Case cases[] = {
        {nullptr, L"Black Black"},
        {L"Classic LG", L"Classic LG"},
        {L"classic lg", L"classic lg"},
        {L"A Skin Deleted Since", L"Black Black"},
        {L"", L"Black Black"},
    };
    for (const Case& c : cases) {
        if (c.stored)
            settings_->SetString(L"MainWindow\\Skin", L"", c.stored);
        else
            settings_->RemoveValue(L"MainWindow\\Skin", L"");
        s::gui::drawer::Skinner* skinner = s::gui::drawer::Skinner::New();
        skinner->SetDrawerType(L"ThinWindow");
        skinner->AddBuiltInSkins(0);
        // The test program holds no skin set: the built-in skins stay.
        AppWindow* holder = s::app::win::CreateAppWindow(base_, s::app::win::kMainWindowDefaults, skinner);
        ASSERT_NE(nullptr, holder);
        EXPECT_TRUE(holder->HasSkinner());
        EXPECT_STREQ(c.chosen, holder->GetSkinName()) << (c.stored ? c.stored : L"(none)");
        ASSERT_NE(nullptr, skinner->GetCurrentSkin());
        EXPECT_TRUE(_wcsicmp(c.chosen, skinner->GetCurrentSkin()->GetName()) == 0);
        // The holder's own choice, not the application's.
        holder->SetSkinName(L"Beige");
        EXPECT_STREQ(L"Beige", settings_->GetString(L"MainWindow\\Skin", L"", L"-", nullptr, false));
        EXPECT_STREQ(L"", base_->GetSkin());
        // The holder gives its own skin manager back with itself.
        holder->ReleaseToPool();
    }
}

TEST_F(AppWindowTest, AResetHolderKnowsNoApplication)
{
    AppWindow* holder = Holder();
    holder->ReleaseToPool();
    AppWindow* fresh = AppWindow::New();
    EXPECT_EQ(nullptr, fresh->GetApp());
    EXPECT_STREQ(L"", fresh->GetName());
    EXPECT_EQ(500, fresh->GetWidth());
    EXPECT_EQ(win::kMiddleClickClose, fresh->GetMiddleClickAction());
    EXPECT_FALSE(AppWindow::Create(fresh, nullptr, L"MainWindow", nullptr, 1, 1, false, nullptr, nullptr, nullptr,
                                   nullptr, 0));
    fresh->ReleaseToPool();
}

} // namespace

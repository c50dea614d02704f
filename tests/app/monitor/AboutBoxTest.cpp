// The version box over the running monitor on the virtual display: its texts and links from the
// pack, the owner disabled while it is open, the shell call of a link click, the command chosen
// twice, a language switch, a pack lacking texts, and every web address of every pack below the
// program's one base address.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MonitorSupport.h"
#include "ProgramApp.h"
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "app/TextIds.h"
#include "app/dialogs/About3.h"
#include "app/monitor/MenuCommands.h"
#include "app/monitor/Monitor.h"
#include "skins/Skinner.h"
#include "storage/file/ShellServices.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"
#include "support/BoxRecorder.h"
#include "support/Release.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/Window.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/Image.h"
#include "windowing/widgets/Label.h"

using s::gui::dialogs::About3;
using s::system::gui::dialogs::monitor::Monitor;
namespace command = s::system::gui::dialogs::monitor::command;
using monitor_testing::OnWindowThread;
using monitor_testing::ProgramApp;
using testing_support::WaitUntil;

namespace {

const wchar_t kSettingsName[] = L"pulsegrid-about-box-test.xml";
const DWORD kBoundMillis = 10000;
const int32_t kBase = s::app::kBaseTextId;

std::vector<std::wstring> opened;
bool RecordOpen(const wchar_t* target)
{
    opened.push_back(target ? target : L"(null)");
    return true;
}

std::wstring Caption(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// A press and release inside the label, as the mouse gives them.
void ClickLabel(s::gui::ILabel* label)
{
    HWND window = s::gui::win::NativeWindowOf(label);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

class AboutBoxTest : public monitor_testing::RunningMonitorTest {
protected:
    static void SetUpTestSuite()
    {
        PrepareMonitor(kSettingsName, false);
        StartMonitor();
        previousOpener = s::system::win::SetShellOpenHandler(&RecordOpen);
    }
    static void TearDownTestSuite()
    {
        s::system::win::SetShellOpenHandler(previousOpener);
        StopMonitor();
    }
    void SetUp() override
    {
        RunningMonitorTest::SetUp();
        opened.clear();
    }
    void TearDown() override
    {
        testing_support::ReleaseAndForget(box_);
        testing_support::ReleaseAndForget(holder_);
        delete app_;
        app_ = nullptr;
        // Whatever a test left, the monitor takes input again.
        EnableWindow(Frame(), TRUE);
    }

    // The box as the program makes it: on the "AboutWindow" holder of the application, with a
    // skin manager of its own, over the monitor window.
    About3* BuildWithProgramPictures()
    {
        app_ = new ProgramApp(localizer, settings);
        s::gui::drawer::Skinner* own = s::gui::drawer::Skinner::New();
        own->SetDrawerType(L"ThinWindow");
        own->AddBuiltInSkins();
        holder_ = s::app::win::CreateAppWindow(app_, s::app::win::kAboutWindowDefaults, own);
        if (!holder_) {
            own->ReleaseToPool();
            return nullptr;
        }
        box_ = About3::New();
        box_->SetAppWindow(holder_);
        OnWindowThread(monitor->GetWindow(), [this] { box_->Build(monitor->GetWindow()); });
        return box_;
    }

    static inline s::system::win::ShellOpenHandler previousOpener = nullptr;
    ProgramApp* app_ = nullptr;
    s::app::win::AppWindow* holder_ = nullptr;
    About3* box_ = nullptr;
};

TEST_F(AboutBoxTest, ShowsPackTextsIconAndPictureOverTheDisabledMonitor)
{
    About3* box = BuildWithProgramPictures();
    ASSERT_NE(nullptr, box);
    ASSERT_NE(nullptr, box->GetWindow());
    HWND frame = box->GetWindow()->GetSafeHwnd();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(frame) != FALSE; }, kBoundMillis));
    EXPECT_FALSE(IsWindowEnabled(Frame())) << "modal over the monitor";
    EXPECT_EQ(std::wstring(localizer->GetText(About3::kCaptionText)), Caption(frame));
    EXPECT_STREQ(localizer->GetText(s::app::kHomePageText), box->GetAddressLink()->GetText());
    EXPECT_STREQ(localizer->GetText(kBase + s::app::kSupportLinkOffset), box->GetSupportLink()->GetText());
    EXPECT_TRUE(box->GetAddressLink()->IsLink());
    EXPECT_TRUE(box->GetSupportLink()->IsLink());
    EXPECT_EQ(64, box->GetIcon()->GetImageWidth()) << "the program's 64-pixel icon";
    EXPECT_EQ(340, box->GetPicture()->GetImageWidth()) << "the first embedded picture";

    // Inside the screen, wide enough for the picture, and over the monitor window.
    RECT place = {};
    GetWindowRect(frame, &place);
    EXPECT_GE(place.left, 0);
    EXPECT_GE(place.top, 0);
    EXPECT_LE(place.right, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_LE(place.bottom, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_GE(place.right - place.left, 340);
    // Every label painted: the rows' texts stand on the skin's background.
    Sleep(1500);
    testing_support::ScreenImage screen;
    ASSERT_TRUE(testing_support::CaptureScreen(&screen));
    testing_support::SaveScreenshot(screen, L"AboutBoxOverMonitor");

    // The close button frees the owner.
    SendMessageW(s::gui::win::NativeWindowOf(box->GetCloseButton()), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Frame()) != FALSE; }, kBoundMillis));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(frame) == FALSE; }, kBoundMillis));
}

TEST_F(AboutBoxTest, LinkClickHandsThePacksAddressToTheShellOnce)
{
    About3* box = BuildWithProgramPictures();
    ASSERT_NE(nullptr, box);
    // The links keep the box's own two colours over the skin's.
    for (s::gui::ILabel* link : {box->GetAddressLink(), box->GetSupportLink()}) {
        EXPECT_EQ(RGB(0, 170, 0), link->GetLinkFont()->GetColor());
        EXPECT_EQ(RGB(170, 170, 0), link->GetHoverFont()->GetColor());
    }
    ClickLabel(box->GetAddressLink());
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(std::wstring(localizer->GetText(s::app::kHomePageText)), opened[0]);
    ClickLabel(box->GetSupportLink());
    ASSERT_EQ(2u, opened.size());
    EXPECT_EQ(std::wstring(localizer->GetText(kBase + s::app::kSupportPageOffset)), opened[1]);
    EXPECT_TRUE(testing_support::BoxRecorder::Take().empty());
}

TEST_F(AboutBoxTest, CommandTwiceRebuildsAndTheOwnerStaysDisabledUntilClosed)
{
    Choose(command::kVersionInformation);
    About3* box = monitor->GetAbout();
    ASSERT_NE(nullptr, box);
    ASSERT_NE(nullptr, box->GetWindow());
    const HWND first = box->GetWindow()->GetSafeHwnd();
    EXPECT_FALSE(IsWindowEnabled(Frame()));
    Choose(command::kVersionInformation);
    EXPECT_EQ(box, monitor->GetAbout()) << "one box object, kept";
    ASSERT_NE(nullptr, box->GetWindow());
    const HWND second = box->GetWindow()->GetSafeHwnd();
    EXPECT_FALSE(IsWindow(first)) << "the first window is released";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(second) != FALSE; }, kBoundMillis));
    Sleep(200);
    EXPECT_FALSE(IsWindowEnabled(Frame())) << "the old window's close does not free the owner";
    SendMessageW(s::gui::win::NativeWindowOf(box->GetGlyphButton()), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Frame()) != FALSE; }, kBoundMillis));
}

TEST_F(AboutBoxTest, LanguageSwitchChangesCaptionAndRows)
{
    About3* box = BuildWithProgramPictures();
    ASSERT_NE(nullptr, box);
    HWND frame = box->GetWindow()->GetSafeHwnd();
    OnWindowThread(monitor->GetWindow(), [] { localizer->SelectLanguage(L"German"); });
    const std::wstring caption = localizer->GetText(About3::kCaptionText);
    EXPECT_NE(L"Version Information", caption);
    EXPECT_TRUE(WaitUntil([&] { return Caption(frame) == caption; }, kBoundMillis)) << Caption(frame);
    EXPECT_STREQ(localizer->GetText(kBase + s::app::kSupportLinkOffset), box->GetSupportLink()->GetText());
    ClickLabel(box->GetAddressLink());
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(std::wstring(localizer->GetText(s::app::kHomePageText)), opened[0]);
    OnWindowThread(monitor->GetWindow(), [] { localizer->SelectLanguage(L"English"); });
    EXPECT_TRUE(WaitUntil([&] { return Caption(frame) == L"Version Information"; }, kBoundMillis));
}

// A pack without the licence texts and web addresses: empty labels, and links that open nothing.
TEST_F(AboutBoxTest, PackLackingTextsShowsEmptyTextAndOpensNothing)
{
    s::lang::Localizer* thin = s::lang::Localizer::New();
    s::lang::LangPack* pack = s::lang::LangPack::New();
    pack->AddText(About3::kCaptionText, L"About");
    pack->AddText(kBase + s::app::kSupportLinkOffset, L"Support us");
    thin->AddPack(pack);
    thin->SelectLanguageAt(0);
    box_ = About3::New();
    box_->SetServices(thin, settings, nullptr);
    OnWindowThread(monitor->GetWindow(), [this] { box_->Build(monitor->GetWindow()); });
    ASSERT_NE(nullptr, box_->GetWindow());
    EXPECT_STREQ(L"", box_->GetAddressLink()->GetText());
    EXPECT_STREQ(L"Support us", box_->GetSupportLink()->GetText());
    EXPECT_EQ(0, box_->GetIcon()->GetImageCount()) << "no application, no icon";
    ClickLabel(box_->GetAddressLink());
    ClickLabel(box_->GetSupportLink());
    EXPECT_TRUE(opened.empty());
    box_->GetWindow()->Close();
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Frame()) != FALSE; }, kBoundMillis));
    box_->ReleaseToPool();
    box_ = nullptr;
    thin->ReleaseToPool();
}

// Every page address of every language lies below the one base address of the program, and the
// saved-report text names the feedback page.
TEST_F(AboutBoxTest, EveryPackAddressLiesBelowTheBaseAddress)
{
    s::lang::Localizer* all = monitor_testing::LoadProgramLanguages();
    ASSERT_NE(nullptr, all);
    const int32_t ids[] = {kBase + s::app::kSoftwarePageOffset, kBase + s::app::kFeedbackPageOffset,
                           kBase + s::app::kSkinsPageOffset,    kBase + s::app::kSupportPageOffset,
                           s::app::kHomePageText,                s::app::kSoftwareListPageText,
                           s::app::kWorkplacePageText,           s::app::kTranslationPageText};
    const std::wstring base = s::app::kWebPagesBase;
    const std::wstring feedback = std::wstring(all->GetText(kBase + s::app::kFeedbackPageOffset));
    for (uint32_t i = 0; i < all->GetPackCount(); ++i) {
        all->SelectLanguageAt(i);
        const std::wstring name = all->GetCurrentPack()->GetEngName()->GetText();
        for (int32_t id : ids) {
            const std::wstring address = all->GetText(id);
            EXPECT_EQ(0u, address.find(base)) << name.c_str() << " " << id;
        }
        EXPECT_NE(std::wstring::npos, std::wstring(all->GetText(109100)).find(feedback)) << name.c_str();
        EXPECT_STRNE(L"", all->GetText(s::app::kLicenseCaptionText)) << name.c_str();
        EXPECT_STRNE(L"", all->GetText(s::app::kLicenseText)) << name.c_str();
    }
    all->ReleaseToPool();
}

} // namespace

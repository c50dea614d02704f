// The option panels hosted in a plain window: the state they start from, the BMP transparency and
// JPEG quality rules, the hex colour field, captions with and without a language, and what
// applying a panel writes into its setting and store.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "images/settings/BmpEncodeSetting.h"
#include "images/settings/GifEncodeSetting.h"
#include "images/settings/IcoEncodeSetting.h"
#include "images/settings/JpgEncodeSetting.h"
#include "images/settings/PngEncodeSetting.h"
#include "images/settings/RecordingStore.h"
#include "images/settings/boxes/BgGroupBox.h"
#include "images/settings/boxes/BmpConfigBox.h"
#include "images/settings/boxes/ColorPicker.h"
#include "images/settings/boxes/ConfigBoxBase.h"
#include "images/settings/boxes/GifConfigBox.h"
#include "images/settings/boxes/IcoConfigBox.h"
#include "images/settings/boxes/JpgConfigBox.h"
#include "images/settings/boxes/PanelStage.h"
#include "images/settings/boxes/PngConfigBox.h"
#include "images/win/BufferedImage.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "support/RecordingListener.h"
#include "windowing/box/Box.h"
#include "windowing/dialogs/SystemDialogCloser.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/RadioButton.h"
#include "windowing/widgets/Slider.h"
#include "windowing/widgets/TextField.h"

namespace {

using s::gui::ICheckBox;
using s::gui::IRadioButton;
using s::image::gui::boxes::BgGroupBox;
using s::image::gui::boxes::BmpConfigBox;
using s::image::gui::boxes::ColorPicker;
using s::image::gui::boxes::GifConfigBox;
using s::image::gui::boxes::IcoConfigBox;
using s::image::gui::boxes::JpgConfigBox;
using s::image::gui::boxes::PngConfigBox;
using settings_test::PanelStage;

HWND HwndOf(IRadioButton* button)
{
    return static_cast<s::gui::win::RadioButton*>(button)->GetSafeHwnd();
}

HWND HwndOf(s::gui::ITextField* field)
{
    return static_cast<s::gui::win::TextField*>(field)->GetSafeHwnd();
}

// What a user does: a click on a radio button, a text typed over a field's text.
void Click(IRadioButton* button)
{
    SendMessageW(HwndOf(button), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(HwndOf(button), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

void Type(s::gui::ITextField* field, const wchar_t* text)
{
    SendMessageW(HwndOf(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

class ConfigBoxTest : public PanelStage {
protected:
    // The colour well of a hosted panel, whose group tells heard_ of every new colour.
    ColorPicker* HeardWell(s::image::gui::boxes::ConfigBoxBase* panel)
    {
        panel->GetBackground()->AddListener(&heard_);
        return panel->GetBackground()->GetColorPicker();
    }

    testing_support::RecordingListener heard_;
};

TEST_F(ConfigBoxTest, APanelWithoutASettingBuildsNothing)
{
    GifConfigBox* orphan = GifConfigBox::New();
    ASSERT_NE(nullptr, orphan);
    orphan->SetWindow(window_);
    EXPECT_EQ(nullptr, orphan->Build());
    EXPECT_STREQ(L"Gif", orphan->GetTitle());
    orphan->SetTitle(L"Animation");
    EXPECT_STREQ(L"Animation", orphan->GetTitle());
    orphan->ReleaseToPool();
    // From the pool again: the format's title.
    GifConfigBox* again = GifConfigBox::New();
    EXPECT_STREQ(L"Gif", again->GetTitle());
    EXPECT_STREQ(L"s_image_gui_boxes_GifConfigBox", again->GetClassName());
    again->ReleaseToPool();

    // A second panel of one setting is the one it applies.
    s::image::gif::EncodeSetting* setting = s::image::gif::EncodeSetting::New();
    s::image::gui::IEncodeSettingBox* first = setting->CreateConfigBox();
    s::image::gui::IEncodeSettingBox* second = setting->CreateConfigBox();
    EXPECT_NE(first, second);
    EXPECT_EQ(second, setting->GetConfigBox());
    // Applying a panel that was never built changes nothing.
    setting->Bpp = 3;
    EXPECT_TRUE(setting->ApplyConfigBox());
    EXPECT_EQ(3, setting->Bpp);
    dynamic_cast<s::thread::IPoolable*>(first)->ReleaseToPool();
    dynamic_cast<s::thread::IPoolable*>(second)->ReleaseToPool();
    setting->ReleaseToPool();
}

TEST_F(ConfigBoxTest, AGifPanelShowsItsSettingAndGivesItBack)
{
    s::image::gif::EncodeSetting* setting = s::image::gif::EncodeSetting::New();
    setting->Bpp = 24;
    setting->KeepTransparency = false;
    GifConfigBox* panel = Host<GifConfigBox>(setting, 10, 20, 30);
    ASSERT_NE(nullptr, panel);
    BgGroupBox* background = panel->GetBackground();
    EXPECT_TRUE(panel->Get4BitButton()->IsChecked());
    EXPECT_FALSE(panel->Get8BitButton()->IsChecked());
    EXPECT_TRUE(background->GetFillButton()->IsChecked());
    EXPECT_FALSE(background->GetKeepButton()->IsChecked());
    ColorPicker* well = background->GetColorPicker();
    EXPECT_STREQ(L"0A141E", well->GetTextField()->GetText());
    EXPECT_EQ(RGB(10, 20, 30), well->GetSwatch()->GetBackgroundColor());
    EXPECT_TRUE(well->GetTextField()->IsEnabled());
    EXPECT_TRUE(well->GetButton()->IsEnabled());
    EXPECT_STREQ(L"Background", background->GetGroup()->GetCaption());
    EXPECT_STREQ(L" Change Color ", well->GetButton()->GetCaption());
    EXPECT_STREQ(L"4 Bpp (16 Colors)", panel->Get4BitButton()->GetCaption());
    Screenshot(L"gif-panel");

    Click(background->GetKeepButton());
    Settle();
    EXPECT_FALSE(background->GetFillButton()->IsChecked());
    EXPECT_FALSE(well->GetTextField()->IsEnabled());
    EXPECT_FALSE(well->GetButton()->IsEnabled());
    EXPECT_TRUE(setting->ApplyConfigBox());
    EXPECT_TRUE(setting->KeepTransparency);
    EXPECT_EQ(4, setting->Bpp);
    EXPECT_EQ(10, setting->BgRed);
    EXPECT_EQ(30, setting->BgBlue);
}

TEST_F(ConfigBoxTest, KeepingTransparencyInABmpPanelMovesALowerDepthTo32Bits)
{
    s::image::bmp::EncodeSetting* setting = s::image::bmp::EncodeSetting::New();
    setting->KeepTransparency = false;
    setting->Bpp = 8;
    BmpConfigBox* panel = Host<BmpConfigBox>(setting);
    ASSERT_NE(nullptr, panel);
    BgGroupBox* background = panel->GetBackground();
    IRadioButton* lower[] = {panel->Get4BitButton(), panel->Get8BitButton(), panel->Get24BitButton()};
    EXPECT_TRUE(panel->Get8BitButton()->IsChecked());
    for (IRadioButton* button : lower)
        EXPECT_TRUE(button->IsEnabled());
    Screenshot(L"bmp-panel-fill");

    Click(background->GetKeepButton());
    Settle();
    for (IRadioButton* button : lower) {
        EXPECT_FALSE(button->IsEnabled());
        EXPECT_FALSE(button->IsChecked());
    }
    EXPECT_TRUE(panel->Get32BitButton()->IsChecked());
    EXPECT_FALSE(background->GetFillButton()->IsChecked());
    EXPECT_FALSE(background->GetColorPicker()->GetButton()->IsEnabled());
    Screenshot(L"bmp-panel-keep");
    setting->ApplyConfigBox();
    EXPECT_EQ(32, setting->Bpp);
    EXPECT_TRUE(setting->KeepTransparency);

    // Filling again gives the lower depths and the colour controls back.
    Click(background->GetFillButton());
    Settle();
    for (IRadioButton* button : lower)
        EXPECT_TRUE(button->IsEnabled());
    EXPECT_TRUE(background->GetColorPicker()->GetButton()->IsEnabled());
    EXPECT_TRUE(background->GetColorPicker()->GetTextField()->IsEnabled());
    EXPECT_FALSE(background->GetKeepButton()->IsChecked());
}

TEST_F(ConfigBoxTest, ABmpPanelOfA24BitSettingThatKeepsTransparencyOpensAt32Bits)
{
    // The reset setting: transparency kept at 24 bits, which cannot hold it.
    BmpConfigBox* panel = Host<BmpConfigBox>(s::image::bmp::EncodeSetting::New());
    ASSERT_NE(nullptr, panel);
    EXPECT_TRUE(panel->Get32BitButton()->IsChecked());
    EXPECT_FALSE(panel->Get24BitButton()->IsChecked());
    EXPECT_FALSE(panel->Get24BitButton()->IsEnabled());
}

TEST_F(ConfigBoxTest, TheJpegQualityFieldAndSliderFollowEachOther)
{
    s::image::jpg::EncodeSetting* setting = s::image::jpg::EncodeSetting::New();
    setting->Quality = 60;
    JpgConfigBox* panel = Host<JpgConfigBox>(setting, 0, 0x80, 0xFF);
    ASSERT_NE(nullptr, panel);
    BgGroupBox* background = panel->GetBackground();
    EXPECT_TRUE(background->GetFillButton()->IsChecked());
    EXPECT_FALSE(background->GetKeepButton()->IsChecked());
    EXPECT_FALSE(background->GetKeepButton()->IsEnabled());
    EXPECT_STREQ(L"0080FF", background->GetColorPicker()->GetTextField()->GetText());
    s::gui::ITextField* field = panel->GetQualityField();
    s::gui::ISlider* slider = panel->GetQualitySlider();
    EXPECT_STREQ(L"60", field->GetText());
    EXPECT_EQ(60, slider->GetPosition());
    Screenshot(L"jpg-panel");

    struct Case {
        const wchar_t* typed;
        int32_t slider;
    };
    const Case cases[] = {{L"150", 60}, {L"quality", 60}, {L"-5", 60}, {L"", 60},
                          {L"1000", 60}, {L"0", 0},       {L"100", 100}, {L"7x", 100}};
    for (const Case& c : cases) {
        Type(field, c.typed);
        Settle();
        EXPECT_EQ(c.slider, slider->GetPosition()) << c.typed;
        EXPECT_STREQ(c.typed, field->GetText());
    }
    HWND track = static_cast<s::gui::win::Slider*>(slider)->GetSafeHwnd();
    SendMessageW(track, TBM_SETPOS, TRUE, 40);
    SendMessageW(track, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 40), reinterpret_cast<LPARAM>(track));
    Settle();
    EXPECT_STREQ(L"40", field->GetText());
    EXPECT_EQ(40, slider->GetPosition());
    setting->ApplyConfigBox();
    EXPECT_EQ(40, setting->Quality);
    // The colour the setting had is the colour it keeps.
    EXPECT_EQ(0x80, setting->BgGreen);
    EXPECT_EQ(0xFF, setting->BgBlue);
}

TEST_F(ConfigBoxTest, TheHexFieldTakesSixDigitsOfEitherCase)
{
    s::image::png::EncodeSetting* setting = s::image::png::EncodeSetting::New();
    setting->KeepTransparency = false;
    PngConfigBox* panel = Host<PngConfigBox>(setting);
    ASSERT_NE(nullptr, panel);
    ColorPicker* well = HeardWell(panel);
    s::gui::ITextField* field = well->GetTextField();
    EXPECT_STREQ(L"FFFFFF", field->GetText());

    Type(field, L"ff8000");
    Settle();
    EXPECT_EQ(0xFF8000u, well->GetColor());
    EXPECT_EQ(RGB(255, 128, 0), well->GetSwatch()->GetBackgroundColor());
    EXPECT_STREQ(L"ff8000", field->GetText());
    EXPECT_EQ(1u, heard_.Count());
    for (const wchar_t* typed : {L"ff80", L"FF800", L"ff80g0", L"FF8000 ", L"0xFF80", L"FF8000"}) {
        Type(field, typed);
        Settle();
        EXPECT_EQ(0xFF8000u, well->GetColor()) << typed;
    }
    // The same colour in capitals is no change.
    EXPECT_EQ(1u, heard_.Count());
    Screenshot(L"png-panel");
    setting->ApplyConfigBox();
    EXPECT_EQ(255, setting->BgRed);
    EXPECT_EQ(128, setting->BgGreen);
    EXPECT_EQ(0, setting->BgBlue);
}

TEST_F(ConfigBoxTest, TheColourDialogChangesTheColourOnlyWhenConfirmed)
{
    testing_support::SystemDialogs systemDialogs;
    s::image::gif::EncodeSetting* setting = s::image::gif::EncodeSetting::New();
    setting->KeepTransparency = false;
    GifConfigBox* panel = Host<GifConfigBox>(setting, 10, 20, 30);
    ASSERT_NE(nullptr, panel);
    ColorPicker* well = HeardWell(panel);
    s::base::IObject* button = static_cast<s::gui::win::Button*>(well->GetButton());
    struct Case {
        int answer;
        size_t told;
    };
    for (const Case& c : {Case{IDCANCEL, 0u}, Case{IDOK, 1u}}) {
        // The person at the dialog answers from a second thread while this one waits in it.
        testing_support::SystemDialogCloser closer(GetCurrentThreadId(), [&c](HWND dialog) {
            testing_support::SystemDialogCloser::Press(dialog, c.answer);
        });
        well->OnEvent(button, s::gui::IButton::kEventClick);
        EXPECT_TRUE(closer.Found()) << c.answer;
        Settle();
        EXPECT_EQ(c.told, heard_.Count()) << c.answer;
        // The dialog opened with the well's colour, which a confirmation keeps.
        EXPECT_EQ(0x0A141Eu, well->GetColor()) << c.answer;
        EXPECT_STREQ(L"0A141E", well->GetTextField()->GetText()) << c.answer;
        EXPECT_EQ(RGB(10, 20, 30), well->GetSwatch()->GetBackgroundColor()) << c.answer;
    }
}

TEST_F(ConfigBoxTest, ApplyingAPanelWritesTheStore)
{
    settings_test::RecordingStore store;
    s::image::png::EncodeSetting* setting = s::image::png::EncodeSetting::New();
    setting->Attach(L"Saving", &store);
    PngConfigBox* panel = Host<PngConfigBox>(setting);
    ASSERT_NE(nullptr, panel);
    EXPECT_TRUE(panel->GetInterlaceBox()->IsChecked());
    EXPECT_TRUE(panel->GetBackground()->GetKeepButton()->IsChecked());
    panel->GetInterlaceBox()->SetChecked(false);
    store.log.clear();
    EXPECT_TRUE(setting->ApplyConfigBox());
    EXPECT_FALSE(setting->WithInterlace);
    EXPECT_FALSE(store.GetBool(L"Saving\\PngEncodeSetting", L"WithInterlace", true));
    EXPECT_TRUE(store.GetBool(L"Saving\\PngEncodeSetting", L"KeepTransparency", false));
    EXPECT_EQ(0, store.saves);
    EXPECT_EQ((std::vector<std::wstring>{L"KeepTransparency", L"WithInterlace", L"BgRed", L"BgGreen", L"BgBlue"}),
              store.Keys(L"set "));
}

TEST_F(ConfigBoxTest, AnIconPanelChoosesSizesAndDepths)
{
    s::image::ico::EncodeSetting* setting = s::image::ico::EncodeSetting::New();
    // The sizes and depths a store without keys gives.
    for (int32_t size : {16, 24, 32, 48})
        setting->Sizes.Append(size);
    for (int32_t depth : {4, 8, 32})
        setting->Bpps.Append(depth);
    setting->KeepRatio = false;
    IcoConfigBox* panel = Host<IcoConfigBox>(setting);
    ASSERT_NE(nullptr, panel);
    EXPECT_FALSE(panel->GetKeepRatioBox()->IsChecked());
    for (int32_t size : {16, 24, 32, 48})
        EXPECT_TRUE(panel->GetSizeBox(size)->IsChecked()) << size;
    for (int32_t size : {64, 80, 96, 128, 256})
        EXPECT_FALSE(panel->GetSizeBox(size)->IsChecked()) << size;
    for (int32_t bits : {4, 8, 32})
        EXPECT_TRUE(panel->GetDepthBox(bits)->IsChecked()) << bits;
    EXPECT_STREQ(L"256 x 256  (Vista/7)", static_cast<s::gui::win::CheckBox*>(panel->GetSizeBox(256))->GetCaption());
    Screenshot(L"ico-panel");

    for (int32_t size : {16, 24, 32, 48})
        panel->GetSizeBox(size)->SetChecked(false);
    for (int32_t size : {256, 80, 128})
        panel->GetSizeBox(size)->SetChecked(true);
    panel->GetDepthBox(8)->SetChecked(false);
    panel->GetKeepRatioBox()->SetChecked(true);
    setting->ApplyConfigBox();
    ASSERT_EQ(3u, setting->Sizes.GetCount());
    EXPECT_EQ(80, setting->Sizes.Get(0));
    EXPECT_EQ(128, setting->Sizes.Get(1));
    EXPECT_EQ(256, setting->Sizes.Get(2));
    ASSERT_EQ(2u, setting->Bpps.GetCount());
    EXPECT_EQ(4, setting->Bpps.Get(0));
    EXPECT_EQ(32, setting->Bpps.Get(1));
    EXPECT_TRUE(setting->KeepRatio);

    // Nothing chosen: the setting then makes no icon.
    for (int32_t size : {256, 80, 128})
        panel->GetSizeBox(size)->SetChecked(false);
    setting->ApplyConfigBox();
    EXPECT_EQ(0u, setting->Sizes.GetCount());
    s::image::win::BufferedImage* image = s::image::win::NewBufferedImage(8, 8);
    EXPECT_EQ(nullptr, setting->EncodeImage(image));
    image->ReleaseToPool();
}

TEST_F(ConfigBoxTest, ALanguageGivesTheCaptionsItHasAndEnglishTheRest)
{
    s::lang::Localizer* localizer = s::lang::Localizer::New();
    ASSERT_NE(nullptr, localizer);
    s::lang::LangPack* pack = s::lang::LangPack::New();
    ASSERT_NE(nullptr, pack);
    pack->AddText(2000000000, L"Hintergrund");
    pack->AddText(2000018000, L"Farbtiefe");
    pack->AddText(2000002000, L"Füllfarbe");
    localizer->AddPack(pack);
    window_->SetLocalizer(localizer);

    BmpConfigBox* panel = Host<BmpConfigBox>(s::image::bmp::EncodeSetting::New());
    ASSERT_NE(nullptr, panel);
    BgGroupBox* background = panel->GetBackground();
    EXPECT_STREQ(L"Hintergrund", background->GetGroup()->GetCaption());
    EXPECT_STREQ(L"Füllfarbe", background->GetFillButton()->GetCaption());
    // Ids the language lacks keep their English text.
    EXPECT_STREQ(L"Keep Transparency", background->GetKeepButton()->GetCaption());
    EXPECT_STREQ(L" Change Color ", background->GetColorPicker()->GetButton()->GetCaption());
    EXPECT_STREQ(L"24 Bpp (16,777,216 Colors)", panel->Get24BitButton()->GetCaption());
    Screenshot(L"bmp-panel-language");

    window_->RemoveChild(root_, true);
    root_ = nullptr;
    window_->SetLocalizer(nullptr);
    localizer->ReleaseToPool();
}

} // namespace

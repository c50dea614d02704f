// One colour row of the skin colour editor on its own window: the hex text, a grey, the sliders,
// the step buttons at their ends, Copy, and the colour dialog behind the swatch.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "MonitorSupport.h"
#include "app/dialogs/SkinCustomizerClrPicker.h"
#include "mfc/CommonDialogs.h"
#include "support/RecordingListener.h"
#include "support/Wait.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/paint/ColorSpace.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/Slider.h"
#include "windowing/widgets/TextField.h"

using monitor_testing::OnWindowThread;
using s::gui::dialogs::SkinCustomizerClrPicker;
using testing_support::WaitUntil;

namespace {

const DWORD kBoundMillis = 10000;

COLORREF dialogAnswer = 0;
BOOL WINAPI AnsweringChooseColor(CHOOSECOLORW* dialog)
{
    dialog->rgbResult = dialogAnswer;
    return TRUE;
}

class SkinColorPickerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        window = s::gui::win::Window::New();
        window->SetCaption(L"Colour row");
        picker = SkinCustomizerClrPicker::New();
        OnWindowThread(window, [] {
            s::gui::win::Box* panel = picker->Build(window, &heard, L"Window Background:");
            window->AddChild(panel);
            window->SetSize(420, 160);
            window->DoLayout();
            window->SetVisible(true);
        });
    }
    static void TearDownTestSuite()
    {
        picker->ReleaseToPool();
        window->ReleaseToPool();
    }
    void SetUp() override
    {
        OnWindowThread(window, [] { picker->SetColor(RGB(40, 120, 200), true, true, true, true); });
        heard.Take();
    }

    static void Type(const wchar_t* text)
    {
        OnWindowThread(window, [text] { picker->GetHexField()->SetText(text, true); });
    }
    static void Click(s::gui::win::Button* button)
    {
        SendMessageW(s::gui::win::NativeWindowOf(button), BM_CLICK, 0, 0);
    }
    // A user's move of the slider: its new position, then its change told.
    static void Move(s::gui::win::Slider* slider, int32_t position)
    {
        OnWindowThread(window, [slider, position] {
            slider->SetPosition(position);
            picker->OnEvent(slider, s::gui::ISlider::kEventChanged);
        });
    }

    static inline s::gui::win::Window* window = nullptr;
    static inline SkinCustomizerClrPicker* picker = nullptr;
    static inline testing_support::RecordingListener heard;
};

TEST_F(SkinColorPickerTest, SixHexDigitsInEitherCaseApplyAtOnceAndOtherTextChangesNothing)
{
    struct Case {
        const wchar_t* text;
        bool applies;
        COLORREF color;
    };
    const Case cases[] = {
        {L"1a2B3c", true, RGB(0x1A, 0x2B, 0x3C)}, {L"FFA500", true, RGB(255, 165, 0)},
        {L"abc", false, 0},                        {L"12345G", false, 0},
        {L"1234567", false, 0},                    {L"", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "hex text \"" << std::string(c.text, c.text + wcslen(c.text)) << "\"");
        SetUp();
        Type(c.text);
        EXPECT_EQ(c.applies ? c.color : RGB(40, 120, 200), picker->GetColor());
        EXPECT_EQ(c.applies ? 1u : 0u, heard.Take().size()) << "the editor is told of a new colour only";
        EXPECT_STREQ(c.text, picker->GetHexField()->GetText()) << "the typed text stays as typed";
        int32_t hue = 0, saturation = 0, lightness = 0;
        s::gui::color::RgbToHsl(GetRValue(picker->GetColor()), GetGValue(picker->GetColor()),
                                GetBValue(picker->GetColor()), &hue, &saturation, &lightness);
        EXPECT_EQ(hue, picker->GetHueSlider()->GetPosition());
        EXPECT_EQ(saturation, picker->GetSaturationSlider()->GetPosition());
        EXPECT_EQ(lightness, picker->GetLightnessSlider()->GetPosition());
    }
}

TEST_F(SkinColorPickerTest, AGreyKeepsTheHue)
{
    const int32_t hue = picker->GetHue();
    ASSERT_NE(0, hue);
    Type(L"808080");
    EXPECT_EQ(RGB(128, 128, 128), picker->GetColor());
    EXPECT_EQ(hue, picker->GetHue());
    EXPECT_EQ(hue, picker->GetHueSlider()->GetPosition());
    EXPECT_EQ(0, picker->GetSaturationSlider()->GetPosition());
    EXPECT_EQ(50, picker->GetLightnessSlider()->GetPosition());
}

TEST_F(SkinColorPickerTest, MovingASliderRewritesTheHexTextInUpperCaseAndLeavesTheOthers)
{
    Type(L"1a2b3c");
    heard.Take();
    const int32_t saturation = picker->GetSaturationSlider()->GetPosition();
    const int32_t lightness = picker->GetLightnessSlider()->GetPosition();
    Move(picker->GetHueSlider(), 300);
    int32_t r = 0, g = 0, b = 0;
    s::gui::color::HslToRgb(300, saturation, lightness, &r, &g, &b);
    EXPECT_EQ(RGB(r, g, b), picker->GetColor());
    wchar_t expected[8];
    swprintf(expected, 8, L"%02X%02X%02X", r, g, b);
    EXPECT_STREQ(expected, picker->GetHexField()->GetText());
    EXPECT_EQ(300, picker->GetHueSlider()->GetPosition());
    EXPECT_EQ(saturation, picker->GetSaturationSlider()->GetPosition());
    EXPECT_EQ(lightness, picker->GetLightnessSlider()->GetPosition());
    EXPECT_EQ(1u, heard.Take().size());
}

TEST_F(SkinColorPickerTest, StepButtonsWrapTheHueAndStopThePercentagesAtTheirEnds)
{
    Move(picker->GetHueSlider(), 1);
    Click(picker->GetHueLeft());
    EXPECT_EQ(358, picker->GetHue());
    EXPECT_EQ(358, picker->GetHueSlider()->GetPosition());
    Click(picker->GetHueRight());
    EXPECT_EQ(1, picker->GetHue());

    Move(picker->GetSaturationSlider(), 100);
    Move(picker->GetLightnessSlider(), 0);
    heard.Take();
    const COLORREF before = picker->GetColor();
    Click(picker->GetSaturationRight());
    Click(picker->GetLightnessLeft());
    EXPECT_EQ(100, picker->GetSaturation());
    EXPECT_EQ(0, picker->GetLightness());
    EXPECT_EQ(before, picker->GetColor());
    EXPECT_EQ(0u, heard.Take().size()) << "a step that cannot go tells nobody";

    Click(picker->GetSaturationLeft());
    Click(picker->GetLightnessRight());
    EXPECT_EQ(99, picker->GetSaturation());
    EXPECT_EQ(1, picker->GetLightness());
    EXPECT_EQ(2u, heard.Take().size());
}

TEST_F(SkinColorPickerTest, CopyPutsTheHexTextOnTheClipboard)
{
    Type(L"00ff7f");
    Click(picker->GetCopyButton());
    std::wstring copied;
    ASSERT_TRUE(WaitUntil(
        [&] {
            if (!OpenClipboard(nullptr))
                return false;
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                if (const wchar_t* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                    copied = text;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
            return !copied.empty();
        },
        kBoundMillis));
    EXPECT_EQ(L"00ff7f", copied);
}

TEST_F(SkinColorPickerTest, TheSwatchOpensTheColourDialogAndTakesItsColour)
{
    AfxCommonDialogFunctions functions = {};
    functions.chooseColor = &AnsweringChooseColor;
    const AfxCommonDialogFunctions previous = AfxSetCommonDialogFunctions(functions);
    dialogAnswer = RGB(250, 10, 20);
    Click(picker->GetSwatch());
    AfxSetCommonDialogFunctions(previous);
    EXPECT_EQ(RGB(250, 10, 20), picker->GetColor());
    EXPECT_STREQ(L"FA0A14", picker->GetHexField()->GetText());
    // The swatch's drawn colour is the COLORREF word after its prefix.
    EXPECT_STREQ(L"#Color-00140afa", picker->GetSwatch()->GetCaption());
    EXPECT_EQ(1u, heard.Take().size());
}

} // namespace

#include "app/dialogs/SkinCustomizerClrPicker.h"

#include "app/dialogs/DialogLayout.h"
#include "core/str/StrBuffer.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/slider/Thin.h"
#include "windowing/ClipboardText.h"
#include "windowing/IWindow.h"
#include "windowing/box/Box.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/dialogs/ColorPicker.h"
#include "windowing/paint/ColorBytes.h"
#include "windowing/paint/ColorSpace.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/Slider.h"
#include "windowing/widgets/Spacer.h"
#include "windowing/widgets/TextField.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {
using namespace dialog_layout;

const int32_t kStepButtonSize = 16;
const int32_t kSliderHeight = 16;
const int32_t kLineHeight = 21;
const int32_t kHexWidth = 70;
const int32_t kLetterWidth = 15;
const int32_t kCaptionSpace = 3;
const int32_t kLineSpace = 6;
const int32_t kSliderStep = 10;
const int32_t kHueStartValue = 100;
const int32_t kPercentStartValue = 50;
const int32_t kHueStep = 3;
const int32_t kHueTurn = 360;
// Font size codes: regular 8 and 10 points, bold 10 points.
const int32_t kLetterSize = -2;
const int32_t kHashSize = 0;
const int32_t kCaptionSize = -104;
// The slider drawer's track kinds.
const int32_t kHueTrack = 5;
const int32_t kSaturationTrack = 6;
const int32_t kLightnessTrack = 7;
const int32_t kHexLength = 6;
const wchar_t kLeftGlyph[] = L"#Left";
const wchar_t kRightGlyph[] = L"#Right";
const wchar_t kCopyCaption[] = L"   Copy   ";
const wchar_t kSwatchPrefix[] = L"#Color-00";

gui::win::Label* TextLabel(const wchar_t* text, int32_t sizeCode)
{
    gui::win::Label* label = gui::win::Label::New();
    if (!label)
        return nullptr;
    label->SetText(text, false);
    label->SetFontPreset(sizeCode);
    return label;
}

// "C:", "H:", "S:" and "L:" centred in a narrow cell, so the lines' controls align.
gui::win::Box* LetterCell(const wchar_t* letter)
{
    gui::win::Box* cell = gui::win::Box::Create(IBox::kRow, kFree, kFree, kCentre, kCentre, 0, 0, 0, 0);
    if (!cell)
        return nullptr;
    cell->SetWidthPixels(kLetterWidth, false);
    AddTo(cell, TextLabel(letter, kLetterSize));
    return cell;
}

gui::win::Spacer* Gap(int32_t pixels)
{
    return gui::win::Spacer::Create(ISpacer::kVertical, pixels, false);
}

// Its own drawer, so the panel looks the same whatever skin its window has.
gui::win::Button* DrawnButton(const wchar_t* caption)
{
    gui::win::Button* button = gui::win::Button::New();
    if (!button)
        return nullptr;
    button->SetDrawer(drawer::button::win::Thin::New(), true);
    button->SetCaption(caption);
    return button;
}

gui::win::Slider* DrawnSlider(int32_t maximum, int32_t start)
{
    gui::win::Slider* slider = gui::win::Slider::Create(kFull, kFree);
    if (!slider)
        return nullptr;
    slider->SetDrawer(drawer::slider::win::Thin::New(), true);
    slider->SetRange(0, maximum);
    slider->SetPosition(start);
    slider->SetStep(kSliderStep);
    slider->SetTicksShown(true);
    slider->SetFixedHeight(kSliderHeight);
    return slider;
}

bool Is(base::IObject* source, IComponent* control)
{
    return control && source == static_cast<base::IObject*>(control);
}

} // namespace

SkinCustomizerClrPicker::SkinCustomizerClrPicker()
    : swatchCaption_(str::strbuffer::StrBuffer::New()), owner_(nullptr), listener_(nullptr), saved_(kResetColor),
      shown_(kResetColor), hue_(0), saturation_(0), lightness_(0)
{
    ForgetControls();
}

SkinCustomizerClrPicker::~SkinCustomizerClrPicker()
{
    if (swatchCaption_)
        swatchCaption_->ReleaseToPool();
}

thread::EasyPooler* SkinCustomizerClrPicker::GetPool()
{
    return &thread::PoolOf<SkinCustomizerClrPicker, kPoolCapacity>();
}

SkinCustomizerClrPicker* SkinCustomizerClrPicker::New()
{
    return static_cast<SkinCustomizerClrPicker*>(GetPool()->Take());
}

const wchar_t* SkinCustomizerClrPicker::GetClassName()
{
    return kClassName;
}

base::IObject* SkinCustomizerClrPicker::NewInstance()
{
    return New();
}

void SkinCustomizerClrPicker::ReleaseToPool()
{
    GetPool()->Give(this);
}

void SkinCustomizerClrPicker::Reset()
{
    if (swatchCaption_)
        swatchCaption_->Clear();
    saved_ = shown_ = kResetColor;
    hue_ = saturation_ = lightness_ = 0;
    owner_ = nullptr;
    listener_ = nullptr;
    ForgetControls();
}

void SkinCustomizerClrPicker::ForgetControls()
{
    panel_ = nullptr;
    hexField_ = nullptr;
    swatch_ = copy_ = nullptr;
    hueSlider_ = saturationSlider_ = lightnessSlider_ = nullptr;
    hueLeft_ = hueRight_ = saturationLeft_ = saturationRight_ = lightnessLeft_ = lightnessRight_ = nullptr;
}

void SkinCustomizerClrPicker::FormatHex(COLORREF color, str::strbuffer::StrBuffer* text)
{
    const uint8_t bytes[3] = {RedOf(color), GreenOf(color), BlueOf(color)};
    text->Clear();
    text->AppendHexBytes(bytes, 3);
    text->ToUpper();
}

gui::win::Box* SkinCustomizerClrPicker::Build(IWindow* owner, events::IEventListener* listener, const wchar_t* caption)
{
    ForgetControls();
    owner_ = owner;
    listener_ = nullptr;
    str::strbuffer::StrBuffer* hex = str::strbuffer::StrBuffer::New();
    if (!hex)
        return nullptr;
    FormatHex(shown_, hex);

    hueLeft_ = DrawnButton(kLeftGlyph);
    hueRight_ = DrawnButton(kRightGlyph);
    saturationLeft_ = DrawnButton(kLeftGlyph);
    saturationRight_ = DrawnButton(kRightGlyph);
    lightnessLeft_ = DrawnButton(kLeftGlyph);
    lightnessRight_ = DrawnButton(kRightGlyph);
    for (gui::win::Button* step : {hueLeft_, hueRight_, saturationLeft_, saturationRight_, lightnessLeft_, lightnessRight_}) {
        if (step)
            step->SetFixedSize(kStepButtonSize, kStepButtonSize);
    }
    hueSlider_ = DrawnSlider(kHueMax, kHueStartValue);
    saturationSlider_ = DrawnSlider(kPercentMax, kPercentStartValue);
    lightnessSlider_ = DrawnSlider(kPercentMax, kPercentStartValue);
    copy_ = DrawnButton(kCopyCaption);
    if (copy_)
        copy_->SetFixedSize(kFree, kLineHeight);
    hexField_ = gui::win::TextField::New();
    if (hexField_) {
        hexField_->SetText(hex->GetText(), false);
        hexField_->SetFixedWidth(kHexWidth);
        hexField_->SetFixedHeight(kLineHeight);
    }
    swatch_ = DrawnButton(L"");
    if (swatch_) {
        swatch_->SetFixedSize(kFree, kLineHeight);
        swatch_->SetWidthPercent(kFull);
    }
    hex->ReleaseToPool();

    panel_ = gui::win::Box::Create(IBox::kColumn, kFull, kFree, kLeft, kTop, 0, 0, 0, 0);
    if (panel_) {
        AddTo(panel_, TextLabel(caption, kCaptionSize));
        AddTo(panel_, Gap(kCaptionSpace));
        if (gui::win::Box* colorLine = NewRowBox(kLeft)) {
            AddTo(colorLine, LetterCell(L"C:"));
            AddTo(colorLine, swatch_);
            AddTo(colorLine, TextLabel(L"#", kHashSize));
            AddTo(colorLine, hexField_);
            AddTo(colorLine, copy_);
            panel_->AddChild(colorLine);
        }
        struct SliderLine {
            const wchar_t* letter;
            gui::win::Slider* slider;
            gui::win::Button* left;
            gui::win::Button* right;
        };
        const SliderLine lines[] = {{L"H:", hueSlider_, hueLeft_, hueRight_},
                                    {L"S:", saturationSlider_, saturationLeft_, saturationRight_},
                                    {L"L:", lightnessSlider_, lightnessLeft_, lightnessRight_}};
        for (const SliderLine& line : lines) {
            AddTo(panel_, Gap(kLineSpace));
            if (gui::win::Box* box = NewRowBox(kLeft)) {
                AddTo(box, LetterCell(line.letter));
                AddTo(box, line.slider);
                AddTo(box, line.left);
                AddTo(box, line.right);
                panel_->AddChild(box);
            }
        }
    }

    int32_t red = RedOf(shown_), green = GreenOf(shown_), blue = BlueOf(shown_);
    color::RgbToHsl(red, green, blue, &hue_, &saturation_, &lightness_);
    ShowSwatch();
    ShowSliders();

    for (gui::win::Button* button : {swatch_, hueLeft_, hueRight_, saturationLeft_, saturationRight_, lightnessLeft_,
                                lightnessRight_, copy_}) {
        if (button)
            button->AddClickListener(this);
    }
    if (hexField_)
        hexField_->AddListener(this);
    for (gui::win::Slider* slider : {hueSlider_, saturationSlider_, lightnessSlider_}) {
        if (slider)
            slider->AddChangeListener(this);
    }
    listener_ = listener;
    return panel_;
}

// The swatch button takes its colour as a COLORREF word after the prefix; the RRGGBB digits of
// the hex text read that way would show red and blue swapped.
void SkinCustomizerClrPicker::ShowSwatch()
{
    if (swatchCaption_) {
        swatchCaption_->Assign(kSwatchPrefix);
        const uint8_t bytes[3] = {BlueOf(shown_), GreenOf(shown_), RedOf(shown_)};
        swatchCaption_->AppendHexBytes(bytes, 3);
    }
    if (swatch_)
        swatch_->SetCaption(swatchCaption_ ? swatchCaption_->GetText() : L"");
}

void SkinCustomizerClrPicker::ShowSliders()
{
    if (hueSlider_) {
        hueSlider_->SetPosition(hue_);
        hueSlider_->SetTrackGradient(kHueTrack, saturation_, lightness_);
    }
    if (saturationSlider_) {
        saturationSlider_->SetPosition(saturation_);
        saturationSlider_->SetTrackGradient(kSaturationTrack, hue_, lightness_);
    }
    if (lightnessSlider_) {
        lightnessSlider_->SetPosition(lightness_);
        lightnessSlider_->SetTrackGradient(kLightnessTrack, hue_, saturation_);
    }
}

void SkinCustomizerClrPicker::SetColor(COLORREF color, bool updateText, bool updateHue, bool updateSaturation,
                                       bool updateLightness)
{
    shown_ = color & 0xFFFFFF;
    if (updateText && hexField_) {
        str::strbuffer::StrBuffer* hex = str::strbuffer::StrBuffer::New();
        if (hex) {
            FormatHex(shown_, hex);
            hexField_->SetText(hex->GetText(), false);
            hex->ReleaseToPool();
        }
    }
    ShowSwatch();
    int32_t hue = 0, saturation = 0, lightness = 0;
    color::RgbToHsl(RedOf(shown_), GreenOf(shown_), BlueOf(shown_), &hue, &saturation, &lightness);
    if (updateHue)
        hue_ = hue;
    if (updateSaturation)
        saturation_ = saturation;
    if (updateLightness)
        lightness_ = lightness;
    ShowSliders();
    Tell();
}

bool SkinCustomizerClrPicker::ParseHexText(COLORREF* color)
{
    if (!hexField_)
        return false;
    str::strbuffer::StrBuffer* text = str::strbuffer::StrBuffer::FromText(hexField_->GetText());
    if (!text)
        return false;
    const bool valid = text->GetLength() == kHexLength && text->IsHex();
    if (valid && color) {
        const int32_t red = static_cast<int32_t>(text->HexDigitAt(0) * 16 + text->HexDigitAt(1));
        const int32_t green = static_cast<int32_t>(text->HexDigitAt(2) * 16 + text->HexDigitAt(3));
        const int32_t blue = static_cast<int32_t>(text->HexDigitAt(4) * 16 + text->HexDigitAt(5));
        *color = ComposeColor(red, green, blue);
    }
    text->ReleaseToPool();
    return valid;
}

void SkinCustomizerClrPicker::OnEvent(base::IObject* source, int32_t code)
{
    (void)code;
    if (!source)
        return;
    if (Is(source, hexField_)) {
        OnHexChanged();
    } else if (Is(source, swatch_)) {
        ChooseInDialog();
    } else if (Is(source, copy_)) {
        CopyHex();
    } else if (Is(source, hueSlider_)) {
        hue_ = hueSlider_->GetPosition();
        ApplyHsl();
    } else if (Is(source, saturationSlider_)) {
        saturation_ = saturationSlider_->GetPosition();
        ApplyHsl();
    } else if (Is(source, lightnessSlider_)) {
        lightness_ = lightnessSlider_->GetPosition();
        ApplyHsl();
    } else if (Is(source, hueLeft_)) {
        hue_ -= kHueStep;
        if (hue_ < 0)
            hue_ += kHueTurn;
        ApplyHsl();
    } else if (Is(source, hueRight_)) {
        hue_ += kHueStep;
        if (hue_ >= kHueTurn)
            hue_ -= kHueTurn;
        ApplyHsl();
    } else {
        // The percentages stop at their ends; a step that cannot go tells nobody.
        struct Step {
            gui::win::Button* button;
            int32_t* value;
            int32_t delta;
            int32_t end;
        };
        const Step steps[] = {{saturationLeft_, &saturation_, -1, 0},
                              {saturationRight_, &saturation_, 1, kPercentMax},
                              {lightnessLeft_, &lightness_, -1, 0},
                              {lightnessRight_, &lightness_, 1, kPercentMax}};
        for (const Step& step : steps) {
            if (!Is(source, step.button))
                continue;
            if (*step.value == step.end)
                return;
            *step.value += step.delta;
            ApplyHsl();
            return;
        }
    }
}

void SkinCustomizerClrPicker::ApplyHsl()
{
    int32_t red = 0, green = 0, blue = 0;
    color::HslToRgb(hue_, saturation_, lightness_, &red, &green, &blue);
    SetColor(ComposeColor(red, green, blue), true, false, false, false);
}

// Typed text shows at once when it is a whole colour; the text itself stays as typed. A grey has
// no hue of its own, so the hue slider stays where the user left it.
void SkinCustomizerClrPicker::OnHexChanged()
{
    COLORREF color = 0;
    if (!ParseHexText(&color))
        return;
    const bool grey = RedOf(color) == GreenOf(color) && GreenOf(color) == BlueOf(color);
    SetColor(color, false, !grey, true, true);
}

// A cancelled dialog leaves the colour, which is still set anew (and told) as after a choice.
void SkinCustomizerClrPicker::ChooseInDialog()
{
    dialogs::win::ColorPicker* dialog = dialogs::win::ColorPicker::New();
    COLORREF color = shown_;
    if (dialog) {
        dialog->SetInitialColor(RedOf(shown_), GreenOf(shown_), BlueOf(shown_));
        if (dialog->Run(owner_))
            color = ComposeColor(static_cast<int32_t>(dialog->GetRed()), static_cast<int32_t>(dialog->GetGreen()),
                                 static_cast<int32_t>(dialog->GetBlue()));
        dialog->ReleaseToPool();
    }
    SetColor(color, true, true, true, true);
}

void SkinCustomizerClrPicker::CopyHex()
{
    if (hexField_)
        gui::win::CopyTextToClipboard(gui::win::NativeWindowOf(owner_), hexField_->GetText());
}

void SkinCustomizerClrPicker::Tell()
{
    if (listener_)
        listener_->OnEvent(this, kEventColorChanged);
}

} // namespace dialogs
} // namespace gui
} // namespace s

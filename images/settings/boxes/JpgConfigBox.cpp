#include "images/settings/boxes/JpgConfigBox.h"

#include "core/str/StrBuffer.h"
#include "images/settings/JpgEncodeSetting.h"
#include "images/settings/boxes/BgGroupBox.h"
#include "images/settings/boxes/PanelCaptions.h"
#include "storage/file/Pooled.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/RadioButton.h"
#include "windowing/widgets/Slider.h"
#include "windowing/widgets/TextField.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

using str::strbuffer::StrBuffer;

namespace {

const int32_t kFieldMinWidth = 35;
const int32_t kBestQuality = 100;
const int32_t kSliderStep = 10;
// At most "100".
const uint32_t kLongestQualityText = 3;

} // namespace

JpgConfigBox::JpgConfigBox() : FormatConfigBox(L"Jpeg"), field_(nullptr), slider_(nullptr), moving_(false) {}

void JpgConfigBox::Reset()
{
    ResetPanel();
    moving_ = false;
}

void JpgConfigBox::ForgetControls()
{
    field_ = nullptr;
    slider_ = nullptr;
}

bool JpgConfigBox::BuildGroups(s::gui::win::Box* root)
{
    // A JPEG keeps no transparency: the background is always filled.
    BgGroupBox* background = GetBackground();
    background->SetKeepTransparency(false);
    background->GetKeepButton()->SetChecked(false, true);
    background->GetFillButton()->SetChecked(true, true);
    background->SetKeepTransparencyEnabled(false);

    s::gui::win::GroupBox* group = s::gui::win::GroupBox::CreateWithBox(L"", 100, s::gui::IBox::kRow, 0, kControlGap);
    if (group)
        SetPanelCaption(group, GetWindow(), kTextQuality, L"Quality");
    s::gui::win::TextField* field = s::gui::win::TextField::New();
    s::gui::win::Slider* slider = s::gui::win::Slider::Create(100, -1);
    field_ = field;
    slider_ = slider;
    if (!AddAll(root, {group}) || !AddAll(group, {field, slider}))
        return false;
    field->SetText(L"100", false);
    field->SetMinWidth(kFieldMinWidth);
    slider->SetRange(0, kBestQuality);
    slider->SetStep(kSliderStep);
    slider->SetPosition(kBestQuality);
    const int32_t quality = Setting()->Quality;
    if (quality != kBestQuality) {
        file::Pooled<StrBuffer> text;
        if (text) {
            text->AppendInt32(quality);
            field->SetText(text->GetText(), false);
        }
        slider->SetPosition(quality);
    }
    field->AddListener(this);
    slider->AddChangeListener(this);
    return true;
}

void JpgConfigBox::OnEvent(base::IObject* source, int32_t)
{
    if (!field_ || !slider_)
        return;
    if (source == static_cast<base::IObject*>(slider_)) {
        if (moving_)
            return;
        file::Pooled<StrBuffer> text;
        if (text) {
            text->AppendInt32(slider_->GetPosition());
            field_->SetText(text->GetText(), true);
        }
        return;
    }
    if (source != static_cast<base::IObject*>(field_))
        return;
    file::Pooled<StrBuffer> text;
    if (!text)
        return;
    text->Assign(field_->GetText());
    const uint32_t length = text->GetLength();
    // Anything but 0 to 100 is left as typed; the slider keeps the last quality.
    if (length < 1 || length > kLongestQualityText || !text->IsInteger())
        return;
    const int32_t value = text->ToInt32();
    if (static_cast<uint32_t>(value) > static_cast<uint32_t>(kBestQuality) || value == slider_->GetPosition())
        return;
    moving_ = true;
    slider_->SetPosition(value);
    moving_ = false;
}

void JpgConfigBox::ApplyTo(jpg::EncodeSetting* setting)
{
    ApplyBackgroundTo(setting);
    if (slider_)
        setting->Quality = slider_->GetPosition();
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s

#include "images/settings/boxes/BmpConfigBox.h"

#include "images/settings/BmpEncodeSetting.h"
#include "images/settings/boxes/BgGroupBox.h"
#include "images/settings/boxes/PanelCaptions.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/RadioButton.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

BmpConfigBox::BmpConfigBox()
    : FormatConfigBox(L"Bitmap"), bits32_(nullptr), bits24_(nullptr), bits8_(nullptr), bits4_(nullptr)
{
}

void BmpConfigBox::ForgetControls()
{
    bits32_ = nullptr;
    bits24_ = nullptr;
    bits8_ = nullptr;
    bits4_ = nullptr;
}

bool BmpConfigBox::BuildGroups(s::gui::win::Box* root)
{
    s::gui::win::GroupBox* group = NewGroup(kTextBmpResolution, L"Resolution", kControlGap);
    bits32_ = NewRadioButton(kTextBmp32Bpp, L"32 Bpp (16,777,216 Colors with Transparency)");
    bits24_ = NewRadioButton(kTextBmp24Bpp, L"24 Bpp (16,777,216 Colors)");
    bits8_ = NewRadioButton(kTextBmp8Bpp, L"8 Bpp (256 Colors)");
    bits4_ = NewRadioButton(kTextBmp4Bpp, L"4 Bpp (16 Colors)");
    if (!AddAll(root, {group}) || !AddAll(group, {bits32_, bits24_, bits8_, bits4_}))
        return false;
    const struct {
        int32_t bits;
        s::gui::IRadioButton* button;
    } depths[] = {{32, bits32_}, {24, bits24_}, {8, bits8_}, {4, bits4_}};
    for (const auto& depth : depths) {
        if (Setting()->Bpp == depth.bits)
            depth.button->SetChecked(true, false);
    }
    s::gui::IRadioButton* keep = GetBackground()->GetKeepButton();
    for (s::gui::IRadioButton* lower : {bits4_, bits8_, bits24_})
        keep->AddDisabledWhileCheckedTarget(lower);
    for (const auto& depth : depths)
        depth.button->AddDisableListener(this);
    return true;
}

void BmpConfigBox::OnEvent(base::IObject* source, int32_t)
{
    if (!bits32_)
        return;
    if (source == static_cast<base::IObject*>(bits32_)) {
        if (bits32_->IsChecked()) {
            bits32_->SetChecked(false, true);
            bits24_->SetChecked(true, true);
        }
        return;
    }
    const bool fromLower = source == static_cast<base::IObject*>(bits24_) ||
                           source == static_cast<base::IObject*>(bits8_) ||
                           source == static_cast<base::IObject*>(bits4_);
    if (fromLower && (bits24_->IsChecked() || bits8_->IsChecked() || bits4_->IsChecked())) {
        for (s::gui::IRadioButton* lower : {bits24_, bits8_, bits4_})
            lower->SetChecked(false, true);
        bits32_->SetChecked(true, true);
    }
}

void BmpConfigBox::ApplyTo(bmp::EncodeSetting* setting)
{
    setting->KeepTransparency = KeepsTransparency();
    ApplyBackgroundTo(setting);
    const struct {
        int32_t bits;
        s::gui::IRadioButton* button;
    } depths[] = {{4, bits4_}, {8, bits8_}, {24, bits24_}, {32, bits32_}};
    for (const auto& depth : depths) {
        if (depth.button && depth.button->IsChecked()) {
            setting->Bpp = depth.bits;
            return;
        }
    }
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s

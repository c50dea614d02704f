#include "images/settings/boxes/GifConfigBox.h"

#include "images/settings/GifEncodeSetting.h"
#include "images/settings/boxes/PanelCaptions.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/RadioButton.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

GifConfigBox::GifConfigBox() : FormatConfigBox(L"Gif"), bits8_(nullptr), bits4_(nullptr) {}

void GifConfigBox::ForgetControls()
{
    bits8_ = nullptr;
    bits4_ = nullptr;
}

bool GifConfigBox::BuildGroups(s::gui::win::Box* root)
{
    s::gui::win::GroupBox* group = NewGroup(kTextGifResolution, L"Resolution", kControlGap);
    bits8_ = NewRadioButton(kTextGif8Bpp, L"8 Bpp (256 Colors)");
    bits4_ = NewRadioButton(kTextGif4Bpp, L"4 Bpp (16 Colors)");
    if (!AddAll(root, {group}) || !AddAll(group, {bits8_, bits4_}))
        return false;
    (Setting()->Bpp == 8 ? bits8_ : bits4_)->SetChecked(true, false);
    return true;
}

void GifConfigBox::ApplyTo(gif::EncodeSetting* setting)
{
    setting->KeepTransparency = KeepsTransparency();
    ApplyBackgroundTo(setting);
    setting->Bpp = bits4_ && bits4_->IsChecked() ? 4 : 8;
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s

#include "windowing/dialogs/ColorPicker.h"

#include "mfc/ColorDialog.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace dialogs {
namespace win {

namespace {

// The system dialog speaks COLORREF (0x00BBGGRR), the picker 0xRRGGBB: the red and blue bytes
// trade places at its edge, both ways.
uint32_t Traded(uint32_t color)
{
    return ComposeColor(BlueOf(color), GreenOf(color), RedOf(color));
}

} // namespace

ColorPicker::ColorPicker() : color_(kWhite), red_(255), green_(255), blue_(255), initialColor_(kWhite) {}

ColorPicker::~ColorPicker() {}

void ColorPicker::Reset()
{
    // The components follow the colour, so a reused picker never reports the last user's bytes.
    color_ = kWhite;
    red_ = 255;
    green_ = 255;
    blue_ = 255;
    initialColor_ = kWhite;
}

bool ColorPicker::Run(IComponent* owner)
{
    CColorDialog dialog(Traded(initialColor_), CC_FULLOPEN);
    dialog.m_cc.hwndOwner = gui::win::NativeWindowOf(owner);
    if (dialog.DoModal() != IDOK)
        return false;
    const COLORREF chosen = dialog.GetColor();
    red_ = RedOf(chosen);
    green_ = GreenOf(chosen);
    blue_ = BlueOf(chosen);
    color_ = Traded(chosen);
    return true;
}

uint32_t ColorPicker::GetColor()
{
    return color_;
}

uint32_t ColorPicker::GetRed()
{
    return red_;
}

uint32_t ColorPicker::GetGreen()
{
    return green_;
}

uint32_t ColorPicker::GetBlue()
{
    return blue_;
}

void ColorPicker::SetInitialColor(uint32_t red, uint32_t green, uint32_t blue)
{
    initialColor_ = Traded(ComposeColor(red, green, blue));
}

} // namespace win
} // namespace dialogs
} // namespace gui
} // namespace s

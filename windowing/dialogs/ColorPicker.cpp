#include "windowing/dialogs/ColorPicker.h"

#include "mfc/ColorDialog.h"
#include "windowing/component/ComponentNative.h"

namespace s {
namespace gui {
namespace dialogs {
namespace win {

namespace {

uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue)
{
    return (red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF);
}

// The system dialog speaks COLORREF (0x00BBGGRR): the red and blue bytes trade places at its edge.
COLORREF ToColorRef(uint32_t color)
{
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
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
    CColorDialog dialog(ToColorRef(initialColor_), CC_FULLOPEN);
    dialog.m_cc.hwndOwner = gui::win::NativeWindowOf(owner);
    if (dialog.DoModal() != IDOK)
        return false;
    const COLORREF chosen = dialog.GetColor();
    red_ = GetRValue(chosen);
    green_ = GetGValue(chosen);
    blue_ = GetBValue(chosen);
    color_ = Rgb(red_, green_, blue_);
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
    initialColor_ = Rgb(red, green, blue);
}

} // namespace win
} // namespace dialogs
} // namespace gui
} // namespace s

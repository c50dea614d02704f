#include "skins/drawer/radiobutton/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace radiobutton {
namespace win {

namespace {
const COLORREF kDot = RGB(53, 185, 56);
}

Thin::Thin() : frame_(RGB(120, 120, 120)), dot_(kDot), textDrawer_(text::win::Basic::New())
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete textDrawer_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_radiobutton_win_Thin";
}

void Thin::Reset()
{
    frame_ = RGB(120, 120, 120);
    dot_ = kDot;
    if (textDrawer_)
        textDrawer_->Reset();
}

void Thin::SetTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (textDrawer_)
        textDrawer_->GetNormalFontSetting()->SetColor(red, green, blue);
}

void Thin::SetDisabledTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (textDrawer_)
        textDrawer_->GetDisabledFontSetting()->SetColor(red, green, blue);
}

void Thin::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (textDrawer_)
        textDrawer_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

} // namespace win
} // namespace radiobutton
} // namespace drawer
} // namespace gui
} // namespace s

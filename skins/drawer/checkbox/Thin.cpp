#include "skins/drawer/checkbox/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace checkbox {
namespace win {

Thin::Thin()
    : text_(RGB(120, 120, 120)), box_(RGB(120, 120, 120)), glyphButton_(button::win::Thin::New()), textDrawer_(text::win::Basic::New())
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete glyphButton_;
    delete textDrawer_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_checkbox_win_Thin";
}

void Thin::Reset()
{
    text_ = RGB(120, 120, 120);
    box_ = RGB(120, 120, 120);
    if (glyphButton_)
        glyphButton_->Reset();
    if (textDrawer_)
        textDrawer_->Reset();
}

void Thin::SetTextColor(int32_t red, int32_t green, int32_t blue)
{
    text_ = ComposeColor(red, green, blue);
    if (textDrawer_)
        textDrawer_->GetNormalFontSetting()->SetColor(red, green, blue);
}

void Thin::SetDisabledTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (textDrawer_)
        textDrawer_->GetDisabledFontSetting()->SetColor(red, green, blue);
}

void Thin::SetGlyphButtonColor(int32_t red, int32_t green, int32_t blue)
{
    if (glyphButton_)
        glyphButton_->SetForegroundColor(red, green, blue);
}

void Thin::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (textDrawer_)
        textDrawer_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

} // namespace win
} // namespace checkbox
} // namespace drawer
} // namespace gui
} // namespace s

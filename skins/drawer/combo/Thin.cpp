#include "skins/drawer/combo/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace combo {
namespace win {

Thin::Thin() : textDrawer_(text::win::Basic::New()), arrowButton_(button::win::Thin::New()), foreground_(0)
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete textDrawer_;
    delete arrowButton_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_combo_win_Thin";
}

void Thin::Reset()
{
    if (textDrawer_) {
        textDrawer_->Reset();
        textDrawer_->SetCenteredSingleLine(0);
    }
    if (arrowButton_)
        arrowButton_->Reset();
    foreground_ = 0;
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

void Thin::SetForegroundColor(int32_t red, int32_t green, int32_t blue)
{
    foreground_ = ComposeColor(red, green, blue);
    if (arrowButton_)
        arrowButton_->SetForegroundColor(red, green, blue);
}

void Thin::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (textDrawer_)
        textDrawer_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

} // namespace win
} // namespace combo
} // namespace drawer
} // namespace gui
} // namespace s

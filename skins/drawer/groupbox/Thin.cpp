#include "skins/drawer/groupbox/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

namespace {
const COLORREF kFrame = 0xBFD0D0;
}

Thin::Thin() : frame_(kFrame), textDrawer_(text::win::Basic::New())
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete textDrawer_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_groupbox_win_Thin";
}

void Thin::Reset()
{
    frame_ = kFrame;
    if (textDrawer_)
        textDrawer_->Reset();
}

void Thin::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (textDrawer_)
        textDrawer_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

IFontSetting* Thin::GetFontSetting()
{
    return textDrawer_ ? textDrawer_->GetNormalFontSetting() : nullptr;
}

IFontSetting* Thin::GetDisabledFontSetting()
{
    return textDrawer_ ? textDrawer_->GetDisabledFontSetting() : nullptr;
}

} // namespace win
} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s

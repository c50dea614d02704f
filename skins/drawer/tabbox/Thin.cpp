#include "skins/drawer/tabbox/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace tabbox {
namespace win {

Thin::Thin() : color_(0xFFFFFF), pageText_(text::win::Basic::New()), tabText_(text::win::Basic::New())
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete pageText_;
    delete tabText_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_tabbox_win_Thin";
}

void Thin::Reset()
{
    color_ = 0xFFFFFF;
    if (pageText_)
        pageText_->Reset();
    if (tabText_)
        tabText_->Reset();
}

void Thin::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (pageText_)
        pageText_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

IFontSetting* Thin::GetFontSetting()
{
    return pageText_ ? pageText_->GetNormalFontSetting() : nullptr;
}

IFontSetting* Thin::GetDisabledFontSetting()
{
    return pageText_ ? pageText_->GetDisabledFontSetting() : nullptr;
}

void Thin::ApplyToTabFont(IFont* font)
{
    if (tabText_)
        tabText_->ApplyToFonts(font, nullptr, nullptr, nullptr, nullptr);
}

IFontSetting* Thin::GetTabFontSetting()
{
    return tabText_ ? tabText_->GetNormalFontSetting() : nullptr;
}

} // namespace win
} // namespace tabbox
} // namespace drawer
} // namespace gui
} // namespace s

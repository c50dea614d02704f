#include "skins/drawer/menu/Basic.h"

namespace s {
namespace gui {
namespace drawer {
namespace menu {
namespace win {

namespace {
const int32_t kMenuSizeCode = -2;
}

Basic::Basic()
    : highlightColor_(0), hotFill_(1), hotShift_(0), textDrawer_(text::win::Basic::New()),
      combo_(combo::win::Thin::New())
{
    Basic::Reset();
}

Basic::~Basic()
{
    delete textDrawer_;
    delete combo_;
}

const wchar_t* Basic::GetClassName()
{
    return L"s_gui_drawer_menu_win_Basic";
}

void Basic::Reset()
{
    normal_.Reset();
    normal_.SetSizeCode(kMenuSizeCode);
    highlight_.Reset();
    highlight_.SetSizeCode(kMenuSizeCode);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    highlight_.SetColor(RedOf(highlightText), GreenOf(highlightText), BlueOf(highlightText));
    highlightColor_ = GetSysColor(COLOR_HIGHLIGHT);
    hotFill_ = 1;
    hotShift_ = 0;
    if (textDrawer_)
        textDrawer_->Reset();
    if (combo_)
        combo_->Reset();
}

void Basic::ApplyToFonts(IFont* normal, IFont* highlight)
{
    text::win::Basic::ApplySetting(&normal_, normal);
    text::win::Basic::ApplySetting(&highlight_, highlight);
}

} // namespace win
} // namespace menu
} // namespace drawer
} // namespace gui
} // namespace s

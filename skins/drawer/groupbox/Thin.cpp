#include "skins/drawer/groupbox/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

namespace {
const int32_t kLineWidth = 2;
}

Thin::Thin()
{
    Thin::Reset();
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_groupbox_win_Thin";
}

void Thin::Reset()
{
    ResetCaptioned();
}

void Thin::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption, IFont* font,
                int32_t captionWidth, int32_t captionHeight)
{
    DrawFramed(dc, left, top, right, bottom, caption, font, captionWidth, captionHeight, kLineWidth);
}

} // namespace win
} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s

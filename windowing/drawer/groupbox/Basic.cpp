#include "windowing/drawer/groupbox/Basic.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

namespace {
const int32_t kLineWidth = 1;
}

Basic::Basic()
{
    Basic::Reset();
}

void Basic::Reset()
{
    ResetCaptioned();
}

void Basic::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption,
                 IFont* font, int32_t captionWidth, int32_t captionHeight)
{
    DrawFramed(dc, left, top, right, bottom, caption, font, captionWidth, captionHeight, kLineWidth);
}

} // namespace win
} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s

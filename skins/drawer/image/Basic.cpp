#include "skins/drawer/image/Basic.h"

namespace s {
namespace gui {
namespace drawer {
namespace image {
namespace win {

const wchar_t* Basic::GetClassName()
{
    return L"s_gui_drawer_image_win_Basic";
}

void Basic::Draw(CDC* dc, s::image::IBufferedImage* backImage, int32_t left, int32_t top, int32_t right,
                 int32_t bottom, s::image::IBufferedImage* picture, bool stretch, bool framed, bool blend)
{
    if (!dc || !dc->GetSafeHdc() || !picture || left >= right || top >= bottom)
        return;
    const int32_t w = right - left;
    const int32_t h = bottom - top;
    int32_t x = left;
    int32_t y = top;
    int32_t width = w;
    int32_t height = h;
    if (framed) {
        const COLORREF black = 0;
        dc->FillSolidRect(left, top, w, 1, black);
        dc->FillSolidRect(right - 1, top, 1, h, black);
        dc->FillSolidRect(left, bottom - 1, w, 1, black);
        dc->FillSolidRect(left, top, 1, h, black);
        x = left + 1;
        y = top + 1;
        width = w - 2;
        height = h - 2;
        // A frame that fills the whole rectangle leaves no room for the picture.
        if (width <= 0 || height <= 0)
            return;
    }
    s::image::IBufferedImage* shown = picture;
    if (picture->HasFilters()) {
        s::image::IBufferedImage* filtered = picture->GetFilteredImage();
        if (filtered)
            shown = filtered;
    }
    if (blend && backImage && shown->HasAlpha())
        backImage->DrawImage(x, y, width, height, shown, 0, 0, stretch);
    else
        shown->Draw(dc, x, y, width, height, stretch);
}

} // namespace win
} // namespace image
} // namespace drawer
} // namespace gui
} // namespace s

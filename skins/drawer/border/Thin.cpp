#include "skins/drawer/border/Thin.h"

#include <algorithm>

namespace s {
namespace gui {
namespace drawer {
namespace border {
namespace win {

namespace {

struct Base {
    int32_t red;
    int32_t green;
    int32_t blue;
};

int32_t Scale(int32_t component, double factor)
{
    const double product = static_cast<double>(component) * factor;
    if (product >= 255.0)
        return 255;
    if (product <= 0.0)
        return 0;
    return static_cast<int32_t>(product);
}

// Paints with the edges clipped to the frame's rectangle, so that a rectangle too small for its
// edges never gets pixels outside itself.
class Painter {
public:
    Painter(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const Base& base, bool shaded)
        : dc_(dc), left_(left), top_(top), right_(right), bottom_(bottom), base_(base), shaded_(shaded)
    {
    }

    // The base colour times the factor (the base itself when not shaded).
    COLORREF Shade(double factor) const
    {
        const double f = shaded_ ? factor : 1.0;
        return RGB(Scale(base_.red, f), Scale(base_.green, f), Scale(base_.blue, f));
    }
    // All three components from one of the base's.
    COLORREF GreyOf(int32_t component, double factor) const
    {
        const int32_t grey = Scale(component, shaded_ ? factor : 1.0);
        return RGB(grey, grey, grey);
    }
    COLORREF GreyOfRed(double factor) const { return GreyOf(base_.red, factor); }
    COLORREF GreyOfBlue(double factor) const { return GreyOf(base_.blue, factor); }

    void Fill(int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color) const
    {
        const int32_t x0 = std::max(x, left_);
        const int32_t y0 = std::max(y, top_);
        const int32_t x1 = std::min(x + width, right_);
        const int32_t y1 = std::min(y + height, bottom_);
        if (width <= 0 || height <= 0 || x0 >= x1 || y0 >= y1)
            return;
        dc_->FillSolidRect(x0, y0, x1 - x0, y1 - y0, color);
    }
    void Pixel(int32_t x, int32_t y, COLORREF color) const { Fill(x, y, 1, 1, color); }

private:
    CDC* dc_;
    int32_t left_;
    int32_t top_;
    int32_t right_;
    int32_t bottom_;
    Base base_;
    bool shaded_;
};

} // namespace

Thin::Thin() : shaded_(1)
{
    Thin::Reset();
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_border_win_Thin";
}

void Thin::Reset()
{
    shaded_ = 1;
}

void Thin::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t type, int32_t variant,
                int32_t red, int32_t green, int32_t blue)
{
    if (!dc || !dc->GetSafeHdc() || left >= right || top >= bottom || type < 0 || type > 3 || variant < 0 ||
        variant > 2)
        return;
    const Painter p(dc, left, top, right, bottom, Base{red, green, blue}, shaded_ != 0);
    const int32_t w = right - left;
    const int32_t h = bottom - top;
    const bool cut2 = variant == 2;

    COLORREF topColor = 0;
    COLORREF rightColor = 0;
    COLORREF bottomColor = 0;
    COLORREF leftColor = 0;
    bool hasBottom = true;
    switch (type) {
    case 0:
        topColor = p.Shade(1.15);
        rightColor = p.Shade(0.7);
        bottomColor = p.Shade(0.5);
        leftColor = p.Shade(1.05);
        break;
    case 1:
        topColor = p.Shade(1.05);
        rightColor = cut2 ? p.GreyOfRed(0.9) : p.Shade(0.9);
        bottomColor = cut2 ? p.GreyOfBlue(0.85) : p.Shade(0.85);
        leftColor = p.Shade(1.0);
        break;
    case 2:
        topColor = p.Shade(0.85);
        rightColor = p.Shade(1.0);
        bottomColor = p.Shade(1.05);
        leftColor = p.Shade(0.9);
        break;
    default:
        topColor = p.Shade(1.05);
        rightColor = cut2 ? p.GreyOfRed(0.9) : p.Shade(0.9);
        hasBottom = false;
        leftColor = p.Shade(1.0);
        break;
    }

    // The edges stop short of the corners by the variant's cut.
    const int32_t cut = variant;
    p.Fill(left + cut, top, w - 2 * cut, 1, topColor);
    p.Fill(right - 1, top + cut, 1, h - 2 * cut, rightColor);
    if (hasBottom)
        p.Fill(left + cut, bottom - 1, w - 2 * cut, 1, bottomColor);
    p.Fill(left, top + cut, 1, h - 2 * cut, leftColor);

    if (type == 0 && variant > 0) {
        // The cut corners, shaded as a bevel.
        p.Pixel(left + cut, top, p.Shade(1.15));
        p.Pixel(right - 1 - cut, top, p.Shade(1.05));
        p.Pixel(right - 1, top + cut, p.Shade(0.95));
        p.Pixel(right - 1, bottom - 1 - cut, p.Shade(0.5));
        p.Pixel(left + cut, bottom - 1, p.Shade(0.7));
        p.Pixel(right - 1 - cut, bottom - 1, p.Shade(0.45));
        p.Pixel(left, top + cut, p.Shade(1.15));
        p.Pixel(left, bottom - 1 - cut, p.Shade(0.85));
    }
    if (!cut2)
        return;
    switch (type) {
    case 0:
        p.Pixel(left + 1, top + 1, p.Shade(1.15));
        p.Pixel(right - 2, top + 1, p.Shade(0.95));
        p.Pixel(right - 2, bottom - 2, p.Shade(0.7));
        p.Pixel(left + 1, bottom - 2, p.Shade(0.85));
        break;
    case 1:
        p.Pixel(left + 1, top + 1, p.Shade(1.05));
        p.Pixel(right - 2, top + 1, p.GreyOfRed(0.9));
        p.Pixel(right - 2, bottom - 2, p.GreyOfBlue(0.85));
        p.Pixel(left + 1, bottom - 2, p.Shade(1.0));
        break;
    case 2:
        p.Pixel(left + 1, top + 1, p.Shade(0.85));
        p.Pixel(right - 2, top + 1, p.Shade(1.0));
        p.Pixel(right - 2, bottom - 2, p.Shade(1.05));
        p.Pixel(left + 1, bottom - 2, p.Shade(0.9));
        break;
    default:
        p.Pixel(left + 1, top + 1, p.Shade(1.05));
        p.Pixel(right - 2, top + 1, p.GreyOfRed(0.9));
        break;
    }
}

} // namespace win
} // namespace border
} // namespace drawer
} // namespace gui
} // namespace s

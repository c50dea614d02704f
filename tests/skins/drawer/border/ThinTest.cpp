#include "skins/drawer/border/Thin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skins/drawer/Canvas.h"

namespace {

using s::gui::drawer::border::win::Thin;
using testing_support::Canvas;

const COLORREF kBackground = RGB(1, 2, 3);

struct Base {
    int red;
    int green;
    int blue;
};

// The frame as the border drawer's table gives it, painted into a grid of expected colours.
class Expected {
public:
    Expected(int width, int height, int left, int top, int right, int bottom, Base base, bool shaded)
        : width_(width), grid_(width * height, kBackground), l_(left), t_(top), r_(right), b_(bottom), base_(base),
          shaded_(shaded)
    {
    }

    static int Times(int component, double factor)
    {
        const double product = component * factor;
        return product >= 255.0 ? 255 : static_cast<int>(product);
    }
    COLORREF S(double f) const
    {
        if (!shaded_)
            f = 1.0;
        return RGB(Times(base_.red, f), Times(base_.green, f), Times(base_.blue, f));
    }
    COLORREF GreyR(double f) const
    {
        const int g = Times(base_.red, shaded_ ? f : 1.0);
        return RGB(g, g, g);
    }
    COLORREF GreyB(double f) const
    {
        const int g = Times(base_.blue, shaded_ ? f : 1.0);
        return RGB(g, g, g);
    }
    void Fill(int x, int y, int w, int h, COLORREF c)
    {
        for (int yy = std::max(y, t_); yy < std::min(y + h, b_); ++yy)
            for (int xx = std::max(x, l_); xx < std::min(x + w, r_); ++xx)
                grid_[yy * width_ + xx] = c;
    }
    void Pixel(int x, int y, COLORREF c) { Fill(x, y, 1, 1, c); }

    void Frame(int type, int variant)
    {
        const int l = l_, t = t_, r = r_, b = b_, w = r - l, h = b - t;
        COLORREF top, right, bottom, left;
        bool hasBottom = true;
        if (type == 0) {
            top = S(1.15), right = S(0.7), bottom = S(0.5), left = S(1.05);
        } else if (type == 1) {
            top = S(1.05), right = variant == 2 ? GreyR(0.9) : S(0.9), bottom = variant == 2 ? GreyB(0.85) : S(0.85),
            left = S(1);
        } else if (type == 2) {
            top = S(0.85), right = S(1), bottom = S(1.05), left = S(0.9);
        } else {
            top = S(1.05), right = variant == 2 ? GreyR(0.9) : S(0.9), bottom = 0, left = S(1);
            hasBottom = false;
        }
        if (variant == 0) {
            Fill(l, t, w, 1, top), Fill(r - 1, t, 1, h, right);
            if (hasBottom)
                Fill(l, b - 1, w, 1, bottom);
            Fill(l, t, 1, h, left);
        } else if (variant == 1) {
            Fill(l + 1, t, w - 2, 1, top), Fill(r - 1, t + 1, 1, h - 2, right);
            if (hasBottom)
                Fill(l + 1, b - 1, w - 2, 1, bottom);
            Fill(l, t + 1, 1, h - 2, left);
        } else {
            Fill(l + 2, t, w - 4, 1, top), Fill(r - 1, t + 2, 1, h - 4, right);
            if (hasBottom)
                Fill(l + 2, b - 1, w - 4, 1, bottom);
            Fill(l, t + 2, 1, h - 4, left);
        }
        if (type == 0 && variant == 1) {
            Pixel(l + 1, t, S(1.15)), Pixel(r - 2, t, S(1.05)), Pixel(r - 1, t + 1, S(0.95)),
                Pixel(r - 1, b - 2, S(0.5)), Pixel(l + 1, b - 1, S(0.7)), Pixel(r - 2, b - 1, S(0.45)),
                Pixel(l, t + 1, S(1.15)), Pixel(l, b - 2, S(0.85));
        }
        if (type == 0 && variant == 2) {
            Pixel(l + 2, t, S(1.15)), Pixel(r - 3, t, S(1.05)), Pixel(r - 1, t + 2, S(0.95)),
                Pixel(r - 1, b - 3, S(0.5)), Pixel(l + 2, b - 1, S(0.7)), Pixel(r - 3, b - 1, S(0.45)),
                Pixel(l, t + 2, S(1.15)), Pixel(l, b - 3, S(0.85));
            Pixel(l + 1, t + 1, S(1.15)), Pixel(r - 2, t + 1, S(0.95)), Pixel(r - 2, b - 2, S(0.7)),
                Pixel(l + 1, b - 2, S(0.85));
        }
        if (type == 1 && variant == 2)
            Pixel(l + 1, t + 1, S(1.05)), Pixel(r - 2, t + 1, GreyR(0.9)), Pixel(r - 2, b - 2, GreyB(0.85)),
                Pixel(l + 1, b - 2, S(1));
        if (type == 2 && variant == 2)
            Pixel(l + 1, t + 1, S(0.85)), Pixel(r - 2, t + 1, S(1)), Pixel(r - 2, b - 2, S(1.05)),
                Pixel(l + 1, b - 2, S(0.9));
        if (type == 3 && variant == 2)
            Pixel(l + 1, t + 1, S(1.05)), Pixel(r - 2, t + 1, GreyR(0.9));
    }

    const std::vector<COLORREF>& Grid() const { return grid_; }

private:
    int width_;
    std::vector<COLORREF> grid_;
    int l_, t_, r_, b_;
    Base base_;
    bool shaded_;
};

struct DrawerHolder {
    Thin* drawer = Thin::New();
    ~DrawerHolder() { drawer->ReleaseToPool(); }
};

TEST(BorderDrawer, EveryTypeAndVariantMatchesItsPixelTable)
{
    const int kWidth = 20, kHeight = 16;
    const Base bases[] = {{200, 100, 40}, {250, 240, 230}, {17, 33, 255}};
    DrawerHolder holder;
    Canvas canvas(kWidth, kHeight, kBackground);
    ASSERT_TRUE(canvas.IsReady());
    for (bool shaded : {true, false}) {
        holder.drawer->SetShaded(shaded ? 1 : 0);
        for (const Base& base : bases) {
            for (int type = 0; type <= 3; ++type) {
                for (int variant = 0; variant <= 2; ++variant) {
                    canvas.Clear(kBackground);
                    holder.drawer->Draw(&canvas.dc, 3, 2, 15, 12, type, variant, base.red, base.green, base.blue);
                    Expected expected(kWidth, kHeight, 3, 2, 15, 12, base, shaded);
                    expected.Frame(type, variant);
                    EXPECT_EQ(expected.Grid(), canvas.Pixels())
                        << "type " << type << " variant " << variant << " shaded " << shaded << " base "
                        << base.red << "," << base.green << "," << base.blue;
                }
            }
        }
    }
}

TEST(BorderDrawer, ShadesAreTruncatedDoubleProducts)
{
    DrawerHolder holder;
    Canvas canvas(12, 10, kBackground);
    holder.drawer->Draw(&canvas.dc, 0, 0, 10, 8, 0, 0, 200, 100, 40);
    EXPECT_EQ(RGB(229, 114, 46), canvas.At(5, 0)) << "200 x 1.15 lies just below 230";
    EXPECT_EQ(RGB(140, 70, 28), canvas.At(9, 4));
    EXPECT_EQ(RGB(100, 50, 20), canvas.At(5, 7));
    EXPECT_EQ(RGB(210, 105, 42), canvas.At(0, 4));

    canvas.Clear(kBackground);
    holder.drawer->Draw(&canvas.dc, 0, 0, 10, 8, 1, 2, 200, 100, 40);
    for (int y = 2; y < 6; ++y)
        EXPECT_EQ(RGB(180, 180, 180), canvas.At(9, y)) << y;
    for (int x = 2; x < 8; ++x)
        EXPECT_EQ(RGB(34, 34, 34), canvas.At(x, 7)) << x;

    canvas.Clear(kBackground);
    holder.drawer->Draw(&canvas.dc, 0, 0, 10, 8, 1, 0, 250, 240, 230);
    EXPECT_EQ(RGB(255, 252, 241), canvas.At(4, 0)) << "red limited to 255";

    holder.drawer->SetShaded(0);
    canvas.Clear(kBackground);
    holder.drawer->Draw(&canvas.dc, 0, 0, 10, 8, 3, 2, 200, 100, 40);
    EXPECT_EQ(RGB(200, 100, 40), canvas.At(4, 0));
    EXPECT_EQ(RGB(200, 200, 200), canvas.At(9, 3)) << "grey of red, factor 1";
    EXPECT_EQ(RGB(200, 200, 200), canvas.At(8, 1));
    EXPECT_EQ(kBackground, canvas.At(4, 7)) << "type 3 has no bottom edge";
}

TEST(BorderDrawer, SmallRectanglesNeverGetPixelsOutsideThemselves)
{
    DrawerHolder holder;
    Canvas canvas(12, 12, kBackground);
    for (int w = 1; w <= 4; ++w) {
        for (int h = 1; h <= 4; ++h) {
            for (int type = 0; type <= 3; ++type) {
                for (int variant = 0; variant <= 2; ++variant) {
                    canvas.Clear(kBackground);
                    holder.drawer->Draw(&canvas.dc, 4, 4, 4 + w, 4 + h, type, variant, 200, 100, 40);
                    for (int y = 0; y < 12; ++y) {
                        for (int x = 0; x < 12; ++x) {
                            if (x < 4 || y < 4 || x >= 4 + w || y >= 4 + h) {
                                ASSERT_EQ(kBackground, canvas.At(x, y))
                                    << w << "x" << h << " type " << type << " variant " << variant << " at " << x
                                    << "," << y;
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST(BorderDrawer, UnknownTypesVariantsAndEmptyRectanglesDrawNothing)
{
    DrawerHolder holder;
    Canvas canvas(12, 12, kBackground);
    const std::vector<COLORREF> untouched = canvas.Pixels();
    struct Case {
        int left, top, right, bottom, type, variant;
    };
    const Case cases[] = {{0, 0, 10, 10, 4, 0}, {0, 0, 10, 10, -1, 0}, {0, 0, 10, 10, 0, 3},
                          {0, 0, 10, 10, 0, -1}, {5, 0, 5, 10, 0, 0},  {6, 0, 5, 10, 0, 0},
                          {0, 5, 10, 5, 0, 0},  {0, 6, 10, 4, 1, 1}};
    for (const Case& c : cases) {
        holder.drawer->Draw(&canvas.dc, c.left, c.top, c.right, c.bottom, c.type, c.variant, 200, 100, 40);
        EXPECT_EQ(untouched, canvas.Pixels()) << c.type << " " << c.variant << " " << c.left << "," << c.top;
    }
    holder.drawer->Draw(nullptr, 0, 0, 10, 10, 0, 0, 200, 100, 40);
}

} // namespace

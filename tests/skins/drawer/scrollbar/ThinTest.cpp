#include <gtest/gtest.h>

#include <string>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/border/Thin.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/scrollbar/Thin.h"

using s::gui::drawer::scrollbar::win::Thin;
using testing_support::Canvas;
using testing_support::SamePixels;

namespace {

const COLORREF kFg = RGB(200, 100, 40);
const COLORREF kTrack = RGB(240, 230, 200);

bool Same(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != 0 || (IsRectEmpty(&a) && IsRectEmpty(&b));
}

std::string Text(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

class ScrollBarDrawer : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar = Thin::New();
        bar->SetForegroundColor(GetRValue(kFg), GetGValue(kFg), GetBValue(kFg));
        bar->SetTrackColor(GetRValue(kTrack), GetGValue(kTrack), GetBValue(kTrack));
    }
    void TearDown() override { bar->ReleaseToPool(); }

    Thin* bar = nullptr;
};

TEST_F(ScrollBarDrawer, LaysOutArrowsTrackThumbAndCorner)
{
    struct Case {
        RECT bar;
        bool horizontal;
        int32_t range, page, position;
        bool corner;
        RECT parts[6];
    } cases[] = {
        // 170-pixel track: a page of a tenth gives a 17-pixel thumb.
        {{0, 0, 15, 200}, false, 1000, 100, 0, false,
         {{0, 0, 15, 15}, {}, {0, 15, 15, 32}, {0, 32, 15, 185}, {0, 185, 15, 200}, {}}},
        {{0, 0, 15, 200}, false, 1000, 100, 900, false,
         {{0, 0, 15, 15}, {0, 15, 15, 168}, {0, 168, 15, 185}, {}, {0, 185, 15, 200}, {}}},
        // 153 x 450 / 900 = 76.5 rounds away from zero.
        {{0, 0, 15, 200}, false, 1000, 100, 450, false,
         {{0, 0, 15, 15}, {0, 15, 15, 92}, {0, 92, 15, 109}, {0, 109, 15, 185}, {0, 185, 15, 200}, {}}},
        {{0, 0, 200, 15}, true, 1000, 100, 450, false,
         {{0, 0, 15, 15}, {15, 0, 92, 15}, {92, 0, 109, 15}, {109, 0, 185, 15}, {185, 0, 200, 15}, {}}},
        // The thumb never gets shorter than 11 pixels.
        {{0, 0, 15, 200}, false, 100000, 10, 0, false,
         {{0, 0, 15, 15}, {}, {0, 15, 15, 26}, {0, 26, 15, 185}, {0, 185, 15, 200}, {}}},
        // A page showing the whole range: arrows only.
        {{0, 0, 15, 200}, false, 100, 100, 0, false, {{0, 0, 15, 15}, {}, {}, {}, {0, 185, 15, 200}, {}}},
        {{0, 0, 15, 200}, false, 100, 500, 0, false, {{0, 0, 15, 15}, {}, {}, {}, {0, 185, 15, 200}, {}}},
        {{0, 0, 15, 200}, false, 0, -5, 0, false, {{0, 0, 15, 15}, {}, {}, {}, {0, 185, 15, 200}, {}}},
        // The corner square comes off the far end; 155 x 100 / 1,000 = 15.5 rounds up.
        {{0, 0, 15, 200}, false, 1000, 100, 900, true,
         {{0, 0, 15, 15}, {0, 15, 15, 154}, {0, 154, 15, 170}, {}, {0, 170, 15, 185}, {0, 185, 15, 200}}},
        {{10, 20, 210, 35}, true, 1000, 100, 0, true,
         {{10, 20, 25, 35}, {}, {25, 20, 41, 35}, {41, 20, 180, 35}, {180, 20, 195, 35}, {195, 20, 210, 35}}},
        // Positions beyond the range stand at its ends.
        {{0, 0, 15, 200}, false, 1000, 100, 5000, false,
         {{0, 0, 15, 15}, {0, 15, 15, 168}, {0, 168, 15, 185}, {}, {0, 185, 15, 200}, {}}},
        // 100,000 rows of 20 pixels on a 2,000-pixel track: (track - thumb) x position needs more
        // than 32 bits.
        {{0, 0, 15, 2030}, false, 2000000, 1000, 1999000, false,
         {{0, 0, 15, 15}, {0, 15, 15, 2004}, {0, 2004, 15, 2015}, {}, {0, 2015, 15, 2030}, {}}},
        {{0, 0, 15, 2030}, false, 2000000, 1000, 1000000, false,
         {{0, 0, 15, 15}, {0, 15, 15, 1010}, {0, 1010, 15, 1021}, {0, 1021, 15, 2015}, {0, 2015, 15, 2030}, {}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(-1, bar->HitTest(-100, -100, c.bar.left, c.bar.top, c.bar.right, c.bar.bottom, c.horizontal,
                                   c.range, c.page, c.position, c.corner));
        for (int32_t i = 0; i < Thin::kPartCount; ++i)
            EXPECT_TRUE(Same(c.parts[i], bar->GetPart(i)))
                << "part " << i << " is " << Text(bar->GetPart(i)) << " not " << Text(c.parts[i]) << " for range "
                << c.range << " page " << c.page << " position " << c.position;
    }
}

TEST_F(ScrollBarDrawer, HitTestsThePartsWithTheirRightAndBottomEdgesExcluded)
{
    struct Case {
        int32_t x, y;
        int32_t range, page;
        bool corner;
        int32_t part;
    } cases[] = {
        {7, 0, 1000, 100, false, 0},    {7, 14, 1000, 100, false, 0},  {7, 15, 1000, 100, false, 1},
        {7, 91, 1000, 100, false, 1},   {7, 92, 1000, 100, false, 2},  {0, 108, 1000, 100, false, 2},
        {14, 109, 1000, 100, false, 3}, {7, 184, 1000, 100, false, 3}, {7, 185, 1000, 100, false, 4},
        {7, 199, 1000, 100, false, 4},  {7, 200, 1000, 100, false, -1}, {15, 50, 1000, 100, false, -1},
        {-1, 50, 1000, 100, false, -1},
        // The corner square belongs to no part.
        {7, 190, 1000, 100, true, -1},  {7, 184, 1000, 100, true, 4},
        // Without a thumb the arrows still answer and the track does not.
        {7, 5, 100, 100, false, 0},     {7, 100, 100, 100, false, -1}, {7, 190, 100, 100, false, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.part, bar->HitTest(c.x, c.y, 0, 0, 15, 200, 0, c.range, c.page, 450, c.corner))
            << c.x << "," << c.y << " corner " << c.corner;
        // The same bar lying down answers the same with x and y swapped.
        EXPECT_EQ(c.part, bar->HitTest(c.y, c.x, 0, 0, 200, 15, 1, c.range, c.page, 450, c.corner))
            << c.y << "," << c.x << " horizontal";
    }
    EXPECT_EQ(-1, bar->HitTest(5, 5, 0, 0, 0, 200, 0, 1000, 100, 0, 0));
}

TEST_F(ScrollBarDrawer, DragsTheThumbOverTheFreeTrackAndStopsAtTheEnds)
{
    // Thumb at 92..109 on the track 15..185: 153 free pixels for 900 positions.
    struct Case {
        int32_t distance;
        int32_t position;
    } cases[] = {
        {0, 450}, {-77, 0}, {-76, 3}, {-1000, 0}, {75, 891}, {76, 900}, {1000, 900}, {17, 550}, {-17, 350},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.position, bar->PositionFromDrag(c.distance, 450, 0, 0, 15, 200, 0, 1000, 100, 0))
            << "distance " << c.distance;
        EXPECT_EQ(c.position, bar->PositionFromDrag(c.distance, 450, 0, 0, 200, 15, 1, 1000, 100, 0))
            << "distance " << c.distance << " horizontal";
    }
    // Nothing to scroll, or no range at all: position 0.
    EXPECT_EQ(0, bar->PositionFromDrag(40, 0, 0, 0, 15, 200, 0, 100, 100, 0));
    EXPECT_EQ(0, bar->PositionFromDrag(40, 3, 0, 0, 15, 200, 0, 100, 300, 0));
    EXPECT_EQ(0, bar->PositionFromDrag(40, 3, 0, 0, 15, 200, 0, 0, -20, 0));
    EXPECT_EQ(0, bar->PositionFromDrag(40, 3, 0, 0, 15, 200, 0, -10, -20, 0));
}

TEST_F(ScrollBarDrawer, LongDragsOnLongListsKeepTheirProportion)
{
    // 1,500 pixels of 1,989 free ones over 1,999,000 positions: the product is beyond 32 bits.
    const int32_t position = bar->PositionFromDrag(1500, 0, 0, 0, 15, 2030, 0, 2000000, 1000, 0);
    EXPECT_NEAR(1500.0 * 1999000.0 / 1989.0, position, 2.0);
    EXPECT_EQ(1999000, bar->PositionFromDrag(1989, 0, 0, 0, 15, 2030, 0, 2000000, 1000, 0));
    const int32_t back = bar->PositionFromDrag(-1500, 1999000, 0, 0, 15, 2030, 0, 2000000, 1000, 0);
    EXPECT_NEAR(1999000.0 - 1500.0 * 1999000.0 / 1989.0, back, 2.0);
}

// What the bar should look like, composed from the drawers it paints with.
class ScrollBarPaint : public ScrollBarDrawer {
protected:
    void SetUp() override
    {
        ScrollBarDrawer::SetUp();
        border = s::gui::drawer::border::win::Thin::New();
        button = s::gui::drawer::button::win::Thin::New();
        button->SetForegroundColor(GetRValue(kFg), GetGValue(kFg), GetBValue(kFg));
    }
    void TearDown() override
    {
        button->ReleaseToPool();
        border->ReleaseToPool();
        ScrollBarDrawer::TearDown();
    }
    void Frame(Canvas* c, const RECT& r)
    {
        border->Draw(&c->dc, r.left, r.top, r.right, r.bottom, 2, 1, GetRValue(kFg), GetGValue(kFg), GetBValue(kFg));
    }
    void Button(Canvas* c, const RECT& r, int32_t state, const wchar_t* caption)
    {
        button->Draw(&c->dc, r.left, r.top, r.right, r.bottom, state, caption, true, nullptr, true, false, false);
    }
    void Glyph(Canvas* c, const RECT& r, const wchar_t* name)
    {
        button->DrawGlyph(&c->dc, r.left, r.top, r.right, r.bottom, name, GetRValue(kFg), GetGValue(kFg),
                          GetBValue(kFg));
    }

    s::gui::drawer::border::win::Thin* border = nullptr;
    s::gui::drawer::button::win::Thin* button = nullptr;
};

TEST_F(ScrollBarPaint, PaintsFrameArrowsThumbAndTrackOfTheLayout)
{
    Canvas actual(15, 200);
    Canvas expected(15, 200);
    bar->Draw(&actual.dc, 0, 0, 15, 200, 0, 1000, 100, 450, 1, 2, 0, 0, 0, 0, 0, 0);
    Frame(&expected, {0, 0, 15, 200});
    Button(&expected, {0, 0, 15, 15}, 1, L"#Up");
    Button(&expected, {0, 185, 15, 200}, 0, L"#Down");
    Button(&expected, {0, 92, 15, 109}, 2, L"#ThumbLineH");
    expected.dc.FillSolidRect(1, 15, 13, 77, kTrack);
    expected.dc.FillSolidRect(1, 109, 13, 76, kTrack);
    EXPECT_TRUE(SamePixels(actual, expected));
}

TEST_F(ScrollBarPaint, LyingDownWithTheCornerAndItsOwnTrackColour)
{
    Canvas actual(200, 15);
    Canvas expected(200, 15);
    bar->Draw(&actual.dc, 0, 0, 200, 15, 1, 1000, 100, 0, 0, 0, 2, 1, 1, 9, 8, 7);
    Frame(&expected, {0, 0, 185, 15});
    Button(&expected, {0, 0, 15, 15}, 0, L"#Left");
    Button(&expected, {170, 0, 185, 15}, 2, L"#Right");
    Button(&expected, {15, 0, 31, 15}, 0, L"#ThumbLineV");
    expected.dc.FillSolidRect(31, 1, 139, 13, RGB(9, 8, 7));
    EXPECT_TRUE(SamePixels(actual, expected));
}

TEST_F(ScrollBarPaint, OnlyThumbsLongerThanTwiceTheirWidthShowArrows)
{
    // 182 of 1,000 on a 170-pixel track: a 31-pixel thumb; 179 of 1,000: a 30-pixel one.
    for (int32_t page : {182, 179}) {
        Canvas actual(15, 200);
        Canvas expected(15, 200);
        bar->Draw(&actual.dc, 0, 0, 15, 200, 0, 1000, page, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        const int32_t length = page == 182 ? 31 : 30;
        const RECT thumb = {0, 15, 15, 15 + length};
        Frame(&expected, {0, 0, 15, 200});
        Button(&expected, {0, 0, 15, 15}, 0, L"#Up");
        Button(&expected, {0, 185, 15, 200}, 0, L"#Down");
        Button(&expected, thumb, 0, L"#ThumbLineH");
        if (length == 31) {
            Glyph(&expected, {2, 17, 13, 28}, L"#Up");
            Glyph(&expected, {2, 33, 13, 44}, L"#Down");
        }
        expected.dc.FillSolidRect(1, thumb.bottom, 13, 185 - thumb.bottom, kTrack);
        EXPECT_TRUE(SamePixels(actual, expected)) << "page " << page;
    }
}

TEST_F(ScrollBarPaint, WithoutAThumbOnlyFrameAndArrowsArePainted)
{
    Canvas actual(15, 200);
    Canvas expected(15, 200);
    bar->Draw(&actual.dc, 0, 0, 15, 200, 0, 50, 50, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    Frame(&expected, {0, 0, 15, 200});
    Button(&expected, {0, 0, 15, 15}, 0, L"#Up");
    Button(&expected, {0, 185, 15, 200}, 0, L"#Down");
    EXPECT_TRUE(SamePixels(actual, expected));

    Canvas empty(15, 200);
    Canvas untouched(15, 200);
    bar->Draw(&empty.dc, 0, 0, 15, 0, 0, 1000, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    bar->Draw(nullptr, 0, 0, 15, 200, 0, 1000, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_TRUE(SamePixels(empty, untouched));
}

} // namespace

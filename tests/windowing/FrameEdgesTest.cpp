// The sizing border of a skinned frame and the edge codes of a window being sized.
#include <windows.h>

#include <gtest/gtest.h>

#include "windowing/FrameEdges.h"

namespace {

using namespace s::gui::win;

const int32_t kWidth = 200, kHeight = 150;

TEST(FrameEdges, PointsNearEdgesAndCornersHitThem)
{
    struct Case {
        int32_t x, y;
        LRESULT expected;
    };
    const Case cases[] = {
        {kWidth - 3, kHeight - 10, HTBOTTOMRIGHT}, // 3 px from the right, 10 from the bottom
        {kWidth - 1, 10, HTTOPRIGHT},
        {kWidth - 5, 75, HTRIGHT},
        {kWidth - 6, 75, HTCLIENT},                // just inside the band
        {kWidth - 30, kHeight - 2, HTBOTTOMRIGHT},
        {29, kHeight - 2, HTBOTTOMLEFT},
        {100, kHeight - 1, HTBOTTOM},
        {0, kHeight - 30, HTBOTTOMLEFT},
        {4, 29, HTTOPLEFT},
        {4, 75, HTLEFT},
        {5, 75, HTCLIENT},
        {kWidth - 30, 0, HTTOPRIGHT},
        {29, 4, HTTOPLEFT},
        {100, 4, HTTOP},
        {100, 75, HTCLIENT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, HitTestFrameEdges(c.x, c.y, kWidth, kHeight, HTCLIENT)) << c.x << "," << c.y;
    EXPECT_EQ(HTCAPTION, HitTestFrameEdges(100, 75, kWidth, kHeight, HTCAPTION));
}

TEST(FrameEdges, SystemSizingEdgesMapToTheWindowsOwnCodes)
{
    struct Case {
        WPARAM system;
        int32_t code;
    };
    const Case cases[] = {
        {WMSZ_LEFT, 1}, {WMSZ_RIGHT, 2},      {WMSZ_TOP, 3},        {WMSZ_TOPLEFT, 5},
        {WMSZ_TOPRIGHT, 6}, {WMSZ_BOTTOM, 4}, {WMSZ_BOTTOMLEFT, 7}, {WMSZ_BOTTOMRIGHT, 8},
        {0, 0},         {9, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.code, SizingEdgeFromSystem(c.system)) << c.system;
}

TEST(FrameEdges, TooTallSizingMovesTheDraggedEdge)
{
    struct Case {
        int32_t edge;
        RECT expected;
    };
    const Case cases[] = {
        {kSizingTop, {0, 300, 100, 700}},        {kSizingTopLeft, {0, 300, 100, 700}},
        {kSizingBottom, {0, 100, 100, 500}},     {kSizingBottomRight, {0, 100, 100, 500}},
        {kSizingBottomLeft, {0, 100, 100, 500}}, {kSizingLeft, {0, 300, 100, 700}},
    };
    for (const Case& c : cases) {
        RECT rect = {0, 100, 100, 700};
        FitSizingHeight(&rect, c.edge, 400);
        EXPECT_TRUE(EqualRect(&c.expected, &rect)) << c.edge << ": " << rect.top << ".." << rect.bottom;
    }
    RECT fits = {0, 100, 100, 500};
    FitSizingHeight(&fits, kSizingTop, 400);
    EXPECT_EQ(100, fits.top);
    EXPECT_EQ(500, fits.bottom);
}

} // namespace

// A window holding a row, a column, a flow and a pile of coloured Boxes, painted on the virtual
// display; one Box inherits its parent's buffered background and shows it through.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/ShownWindow.h"
#include "windowing/TestWindowDrawer.h"
#include "windowing/box/Box.h"

namespace {

using s::gui::IBox;
using s::gui::win::Box;
using testing_support::ShownWindowTest;
using testing_support::TestWindowDrawer;

struct Painted {
    Box* box;
    COLORREF color;
};

Box* Coloured(int32_t width, int32_t height, COLORREF color, std::vector<Painted>* painted)
{
    Box* box = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 0, 0);
    box->SetWidthPixels(width, false);
    box->SetHeightPixels(height, false);
    box->SetBackgroundColor(GetRValue(color), GetGValue(color), GetBValue(color), false);
    painted->push_back(Painted{box, color});
    return box;
}

// The centre of a Box in the window's screenshot.
POINT CentreIn(HWND frame, Box* box)
{
    RECT window;
    GetWindowRect(frame, &window);
    RECT rect;
    GetWindowRect(box->m_hWnd, &rect);
    return POINT{(rect.left + rect.right) / 2 - window.left, (rect.top + rect.bottom) / 2 - window.top};
}

class BoxPaintTest : public ShownWindowTest {};

TEST_F(BoxPaintTest, RowsColumnsAFlowAndAPileOfColouredBoxes)
{
    std::vector<Painted> painted;
    window_->SetBounds(60, 60, 460, 420);
    Box* root = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 8, 8, 8);
    root->SetBackgroundColor(235, 235, 225, false);

    Box* row = Box::Create(IBox::kRow, 100, -1, 0, 1, 6, 0, 0, 0);
    row->AddChild(Coloured(60, 30, RGB(220, 40, 40), &painted));
    row->AddChild(Coloured(90, 20, RGB(40, 170, 60), &painted));
    row->AddChild(Coloured(60, 40, RGB(40, 70, 220), &painted));
    root->AddChild(row);

    Box* column = Box::Create(IBox::kColumn, -1, -1, 1, 0, 0, 4, 0, 0);
    column->AddChild(Coloured(120, 16, RGB(250, 170, 30), &painted));
    column->AddChild(Coloured(70, 16, RGB(150, 60, 190), &painted));
    root->AddChild(column);

    Box* flow = Box::Create(IBox::kFlow, 100, -1, 1, 0, 5, 5, 0, 0);
    const COLORREF flowColours[] = {RGB(0, 150, 150), RGB(200, 90, 120), RGB(90, 90, 90), RGB(180, 180, 0),
                                    RGB(0, 100, 200), RGB(120, 60, 20), RGB(60, 200, 200)};
    for (COLORREF colour : flowColours)
        flow->AddChild(Coloured(70, 18, colour, &painted));
    root->AddChild(flow);

    // The pile paints stripes into its back image through a drawer; the Box on it inherits.
    TestWindowDrawer stripes(RGB(30, 30, 110));
    stripes.stripes = true;
    Box* pile = Box::Create(IBox::kPile, -1, -1, 2, 2, 0, 0, 0, 0);
    pile->SetWidthPixels(200, false);
    pile->SetHeightPixels(90, false);
    pile->SetDrawer(&stripes, false);
    pile->AddChild(Coloured(40, 20, RGB(240, 240, 0), &painted));
    Box* seeThrough = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 0, 0);
    seeThrough->SetWidthPixels(95, false);
    seeThrough->SetHeightPixels(50, false);
    pile->AddChild(seeThrough);
    root->AddChild(pile);

    window_->AddChild(root);
    Show();
    window_->Redraw();
    RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    RECT window, pileRect, seeRect;
    GetWindowRect(frame_, &window);
    GetWindowRect(pile->m_hWnd, &pileRect);
    GetWindowRect(seeThrough->m_hWnd, &seeRect);
    // The window's thread paints in its own time: the picture is taken once every Box shows.
    testing_support::ScreenImage image;
    testing_support::WaitUntil(
        [&] {
            if (!testing_support::CaptureWindow(frame_, &image))
                return false;
            for (const Painted& p : painted) {
                const POINT centre = CentreIn(frame_, p.box);
                if (image.At(centre.x, centre.y) != p.color)
                    return false;
            }
            const int32_t x = seeRect.left + 2;
            return image.At(x - window.left, seeRect.top + 5 - window.top) == stripes.StripeAt(x - pileRect.left);
        },
        5000);
    testing_support::SaveScreenshot(image, L"BoxesInRowsColumnsFlowAndPile");
    for (const Painted& p : painted) {
        const POINT centre = CentreIn(frame_, p.box);
        EXPECT_EQ(p.color, image.At(centre.x, centre.y)) << "box at " << centre.x << ", " << centre.y;
    }
    // The flow wrapped: seven boxes of 70 do not fit one line of the window.
    RECT first, last;
    GetWindowRect(static_cast<Box*>(flow->GetChildAt(0))->m_hWnd, &first);
    GetWindowRect(static_cast<Box*>(flow->GetChildAt(6))->m_hWnd, &last);
    EXPECT_GT(last.top, first.top);

    // What shows through the inheriting Box is the pile's stripes at the same place.
    for (int32_t x = seeRect.left + 2; x < seeRect.right - 2; x += 7) {
        const int32_t y = seeRect.top + 5;
        EXPECT_EQ(stripes.StripeAt(x - pileRect.left), image.At(x - window.left, y - window.top)) << "x " << x;
    }
    window_->RemoveAllChildren(true);
}

} // namespace

// A Box that lets the mouse through still hands it to an enabled button standing in it.
#include <windows.h>

#include <gtest/gtest.h>

#include "windowing/box/Box.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::win::Box;
using s::gui::win::Button;

class BoxHitTest : public testing_support::WidgetStage {};

TEST_F(BoxHitTest, ATransparentBoxTakesTheMouseOnlyOverAnEnabledButton)
{
    Box* inner = Box::Create(s::gui::IBox::kRow, 100, 100, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(nullptr, inner);
    Add(inner);
    Button* button = Button::New();
    ASSERT_NE(nullptr, button);
    button->SetCaption(L"Go");
    inner->AddChild(button);
    HWND area = inner->GetSafeHwnd();
    RECT place = {};
    GetWindowRect(button->GetSafeHwnd(), &place);
    RECT outer = {};
    GetWindowRect(area, &outer);
    ASSERT_GT(outer.right - 2, place.right) << "room beside the button";
    const LPARAM onButton = MAKELPARAM(place.left + 2, place.top + 2);
    const LPARAM beside = MAKELPARAM(outer.right - 2, place.top + 2);

    EXPECT_EQ(HTCLIENT, SendMessageW(area, WM_NCHITTEST, 0, onButton));
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(area, WM_NCHITTEST, 0, beside));
    button->SetEnabled(false);
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(area, WM_NCHITTEST, 0, onButton));
}

} // namespace

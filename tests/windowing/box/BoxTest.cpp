// The Box on the virtual display: percent and pixel sizes, margins, the layout-size clamp, the
// nesting limit of layouts, its seven events, page lock and hiding.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "support/RecordingListener.h"
#include "support/Wait.h"
#include "windowing/Messages.h"
#include "windowing/ShownWindow.h"
#include "windowing/box/Box.h"

namespace {

using s::gui::IBox;
using s::gui::win::Box;
using testing_support::RecordingListener;
using testing_support::ShownWindowTest;
using testing_support::WaitUntil;

const DWORD kBoundMillis = 5000;

Box* FixedBox(int32_t width, int32_t height)
{
    Box* box = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 0, 0);
    box->SetWidthPixels(width, false);
    box->SetHeightPixels(height, false);
    return box;
}

// Where a child window stands in its parent's client area.
RECT PlaceInParent(HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<int32_t> Codes(RecordingListener& listener)
{
    std::vector<int32_t> codes;
    for (const RecordingListener::Heard& heard : listener.Take())
        codes.push_back(heard.code);
    return codes;
}

class BoxTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        window_->SetClientWidth(301);
        window_->SetClientHeight(200);
    }
};

TEST_F(BoxTest, PercentOfTheParentsClientSizeRoundsHalfAwayFromZero)
{
    Box* box = Box::Create(IBox::kColumn, 50, 25, 0, 0, 0, 0, 3, 0);
    EXPECT_EQ(6, box->GetMaxWidth()) << "without a parent a percent counts as none";
    window_->AddChild(box);
    EXPECT_EQ(151, box->GetMaxWidth()) << "150.5";
    EXPECT_EQ(145, box->GetMaxClientWidth()) << "144.5: the margins go before rounding";
    EXPECT_EQ(50, box->GetMaxHeight());
    EXPECT_EQ(151, box->GetWidth()) << "the column gave it its maximum width";

    box->SetWidthPixels(120, true);
    EXPECT_EQ(120, box->GetMaxWidth());
    EXPECT_EQ(120, box->GetMinWidth());
    EXPECT_EQ(114, box->GetMaxClientWidth());
    box->SetWidthPercent(200, true);
    EXPECT_EQ(602, box->GetMaxWidth()) << "the percent replaced the pixels";
    box->SetWidthPercent(-40, true);
    EXPECT_EQ(6, box->GetMaxWidth()) << "a negative percent is none";
    box->SetWidthPercent(2000000000, true);
    EXPECT_GT(box->GetMaxWidth(), 0) << "an absurd percent saturates instead of wrapping";
    box->SetWidthPixels(-5, true);
    EXPECT_EQ(6, box->GetMaxWidth()) << "negative pixels are none";
}

TEST_F(BoxTest, MarginsOffsetTheChildrenAndNarrowTheClientArea)
{
    Box* outer = FixedBox(200, 120);
    outer->SetMarginLeft(5);
    outer->SetMarginRight(9);
    outer->SetMarginTop(7);
    outer->SetMarginBottom(3);
    Box* inner = FixedBox(40, 20);
    outer->AddChild(inner);
    window_->AddChild(outer);
    EXPECT_EQ(186, outer->GetClientWidth());
    EXPECT_EQ(110, outer->GetClientHeight());
    ASSERT_NE(nullptr, inner->m_hWnd);
    const RECT place = PlaceInParent(inner->m_hWnd);
    EXPECT_EQ(5, place.left);
    EXPECT_EQ(7, place.top);
    EXPECT_EQ(40, place.right - place.left);

    // Changed margins move the children at once.
    outer->SetMargins(11);
    EXPECT_EQ(11, PlaceInParent(inner->m_hWnd).left);
    outer->SetClientWidth(100);
    EXPECT_EQ(122, outer->GetWidth());
    outer->SetClientWidth(-500);
    EXPECT_EQ(0, outer->GetClientWidth());
}

struct ClampCase {
    const char* name;
    int32_t width;
    int32_t height;
    int32_t expectedWidth;
    int32_t expectedHeight;
};

TEST_F(BoxTest, LayoutSizeIsClampedToTheLimits)
{
    // Content of 40 x 30 in margins of 2: minimum 44 x 34; maximum as large.
    Box* outer = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 2, 2);
    outer->AddChild(FixedBox(40, 30));
    outer->DoLayout();
    ASSERT_EQ(44, outer->GetMinWidth());
    ASSERT_EQ(34, outer->GetMinHeight());
    outer->SetMinWidth(60);
    outer->SetHeightPixels(80, false);
    const ClampCase cases[] = {
        {"0 asks for the minimum", 0, 0, 60, 80},
        {"below the minimum is raised", 50, 10, 60, 80},
        {"a minimum above the content's maximum is kept", 55, 90, 60, 80},
        {"above the maximum is the maximum", 5000, 5000, 60, 80},
        {"negative sizes are the minimum", -100, -100, 60, 80},
    };
    for (const ClampCase& c : cases) {
        outer->SetLayoutSize(c.width, c.height);
        EXPECT_EQ(c.expectedWidth, outer->GetWidth()) << c.name;
        EXPECT_EQ(c.expectedHeight, outer->GetHeight()) << c.name;
    }
    outer->SetHeightPercent(-1, false);
    outer->SetLayoutSize(70, 0);
    EXPECT_EQ(34, outer->GetHeight()) << "0 gives the minimum height";

    outer->SetIgnoreMinWidth(true);
    outer->SetIgnoreMinHeight(true);
    EXPECT_EQ(0, outer->GetMinWidth());
    EXPECT_EQ(0, outer->GetMinClientHeight());
    outer->ReleaseToPool();
}

TEST_F(BoxTest, SizeHintRaisesTheMinimumWidthLikeTheExplicitMinimum)
{
    // Content of 40 x 30 in margins of 2: minimum width 44.
    Box* outer = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 2, 2);
    outer->AddChild(FixedBox(40, 30));
    outer->DoLayout();
    struct Case {
        const char* name;
        int32_t hint;
        int32_t explicitMinimum;
        int32_t expected;
    };
    const Case cases[] = {
        {"none", -1, -1, 44},
        {"below the content", 20, -1, 44},
        {"above the content", 90, -1, 90},
        {"the explicit minimum above the hint", 90, 120, 120},
        {"the hint above the explicit minimum", 150, 120, 150},
        {"cleared again", -7, -1, 44},
    };
    for (const Case& c : cases) {
        outer->SetSizeHint(c.hint);
        outer->SetMinWidth(c.explicitMinimum);
        EXPECT_EQ(c.expected, outer->GetMinWidth()) << c.name;
        EXPECT_EQ(34, outer->GetMinHeight()) << c.name << ": heights keep the content's";
    }
    EXPECT_EQ(-1, outer->GetSizeHint());
    outer->SetSizeHint(70);
    outer->SetLayoutSize(0, 0);
    EXPECT_EQ(70, outer->GetWidth()) << "a layout gives at least the hint";
    outer->ReleaseToPool();
    Box* fresh = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(-1, fresh->GetSizeHint()) << "a Box from the pool has none";
    fresh->ReleaseToPool();
}

TEST_F(BoxTest, AThirdNestedLayoutDoesNothing)
{
    Box* box = FixedBox(50, 50);
    int32_t depth = 0;
    int32_t deepest = 0;
    RecordingListener layout;
    layout.action = [&](int32_t) {
        ++depth;
        deepest = std::max(deepest, depth);
        if (depth < 5)
            box->DoLayout();
        --depth;
    };
    box->AddLayoutListener(&layout);
    box->DoLayout();
    EXPECT_EQ(2, deepest);
    EXPECT_EQ(2u, layout.Count());
    box->DoLayout();
    EXPECT_EQ(4u, layout.Count()) << "the depth went back to 0";
    box->ReleaseToPool();
}

// A drop of files as the shell posts it: a DROPFILES block followed by the wide paths.
HGLOBAL MakeDrop(const std::vector<std::wstring>& paths)
{
    size_t characters = 1;
    for (const std::wstring& path : paths)
        characters += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + characters * sizeof(wchar_t));
    DROPFILES* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    wchar_t* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const std::wstring& path : paths) {
        path.copy(text, path.size());
        text += path.size() + 1;
    }
    GlobalUnlock(memory);
    return memory;
}

TEST_F(BoxTest, TellsItsListenersOfDropsWheelClicksLayoutAndBounds)
{
    Box* box = FixedBox(120, 80);
    RecordingListener files, wheel, layout, bounds, click, url;
    box->AddFileDropListener(&files);
    box->AddWheelListener(&wheel);
    box->AddLayoutListener(&layout);
    box->AddBoundsListener(&bounds);
    box->AddUrlDropListener(&url);
    window_->AddChild(box);
    ASSERT_NE(nullptr, box->m_hWnd);
    EXPECT_FALSE(Codes(layout).empty());
    EXPECT_FALSE(Codes(bounds).empty());

    // Files, one path longer than the 260 characters of a classic buffer: taken whole.
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'a') + L"\\file.txt";
    box->SetAcceptFiles(true);
    EXPECT_TRUE(GetWindowLongPtrW(box->m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    ASSERT_TRUE(PostMessageW(box->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"C:\\a.txt", longPath})), 0));
    ASSERT_TRUE(WaitUntil([&] { return files.Count() > 0; }, kBoundMillis));
    EXPECT_EQ(std::vector<int32_t>{1}, Codes(files));
    ASSERT_EQ(2u, box->GetDroppedFiles()->GetCount());
    EXPECT_STREQ(L"C:\\a.txt", box->GetDroppedFiles()->Get(0)->GetText());
    EXPECT_EQ(longPath, std::wstring(box->GetDroppedFiles()->Get(1)->GetText()));

    // Wheel lines with their sign, when the pointer is over the Box.
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    RECT rect;
    GetWindowRect(box->m_hWnd, &rect);
    const LPARAM inside = MAKELPARAM(rect.left + 10, rect.top + 10);
    SendMessageW(box->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), inside);
    EXPECT_EQ(-static_cast<int32_t>(lines), box->GetWheelLines());
    SendMessageW(box->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), inside);
    EXPECT_EQ(static_cast<int32_t>(lines), box->GetWheelLines());
    EXPECT_EQ((std::vector<int32_t>{2, 2}), Codes(wheel));
    SendMessageW(box->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(rect.right + 50, rect.top));
    EXPECT_EQ(0u, wheel.Count()) << "the pointer is elsewhere";

    // Clicks only with click listeners, which also make the Box take the mouse.
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(box->m_hWnd, WM_NCHITTEST, 0, inside));
    EXPECT_EQ(0, SendMessageW(box->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)));
    box->AddClickListener(&click);
    EXPECT_EQ(HTCLIENT, SendMessageW(box->m_hWnd, WM_NCHITTEST, 0, inside));
    EXPECT_EQ(1, SendMessageW(box->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)));
    EXPECT_EQ(std::vector<int32_t>{6}, Codes(click));

    // Layout and bounds.
    box->DoLayout();
    EXPECT_EQ(std::vector<int32_t>{3}, Codes(layout));
    box->SetPosition(3, 4);
    EXPECT_EQ(std::vector<int32_t>{4}, Codes(bounds));
    EXPECT_EQ(3, PlaceInParent(box->m_hWnd).left);

    // A dropped web address, its text set as the drop target would.
    box->GetDroppedUrl()->Assign(L"https://example.org/page");
    SendMessageW(box->m_hWnd, s::gui::msg::kUrlDropped, 0, 0);
    EXPECT_EQ(std::vector<int32_t>{7}, Codes(url));
    EXPECT_STREQ(L"https://example.org/page", box->GetDroppedUrl()->GetText());
    // The listeners go with this test: the Box goes first.
    window_->RemoveAllChildren(true);
}

TEST_F(BoxTest, AHiddenBoxWaitsAwayAndAPageLockKeepsItThere)
{
    Box* box = FixedBox(60, 40);
    window_->AddChild(box);
    ASSERT_NE(nullptr, box->m_hWnd);
    box->SetVisible(false, true);
    EXPECT_FALSE(box->IsShown());
    EXPECT_FALSE(GetWindowLongPtrW(box->m_hWnd, GWL_STYLE) & WS_VISIBLE);
    const RECT away = PlaceInParent(box->m_hWnd);
    EXPECT_EQ(-10000, away.left);
    EXPECT_EQ(10000, away.top);
    int32_t x = 0;
    int32_t y = 0;
    EXPECT_EQ(nullptr, box->GetBackBuffer(&x, &y)) << "its own back image went";
    window_->DoLayout();
    EXPECT_FALSE(GetWindowLongPtrW(box->m_hWnd, GWL_STYLE) & WS_VISIBLE) << "placing a hidden Box never shows it";

    box->SetPageLock(true);
    box->SetVisible(true, true);
    EXPECT_FALSE(box->IsShown()) << "locked";
    box->SetPageLock(false);
    box->SetVisible(true, true);
    EXPECT_TRUE(box->IsShown());
    EXPECT_EQ(0, PlaceInParent(box->m_hWnd).left) << "the window laid it out again";
}

TEST_F(BoxTest, ShowOnlyChildLocksTheOtherPagesAway)
{
    Box* pages = FixedBox(100, 100);
    pages->SetPile();
    Box* first = FixedBox(100, 100);
    Box* second = FixedBox(100, 100);
    pages->AddChild(first);
    pages->AddChild(second);
    window_->AddChild(pages);
    pages->ShowOnlyChild(1);
    EXPECT_FALSE(first->IsShown());
    EXPECT_TRUE(first->IsPageLocked());
    EXPECT_TRUE(second->IsShown());
    EXPECT_FALSE(second->IsPageLocked());
    first->SetVisible(true, true);
    EXPECT_FALSE(first->IsShown()) << "a locked page stays hidden";
    pages->ShowOnlyChild(0);
    EXPECT_TRUE(first->IsShown());
    EXPECT_FALSE(second->IsShown());
    pages->ShowOnlyChildVisible(1);
    EXPECT_FALSE(first->IsShown());
    EXPECT_FALSE(second->IsShown()) << "a locked page ignores ShowOnlyChildVisible too";
}

TEST_F(BoxTest, CreateTakesAlignmentsOutsideTheCodesAsTheEnds)
{
    Box* box = Box::Create(7, 10, -3, -4, 9, -1, 0, -2, 0);
    EXPECT_EQ(IBox::kColumn, box->GetLayoutKind()) << "an unknown kind keeps the column";
    Box* row = Box::Create(IBox::kRow, -1, -1, 1, 1, 4, 4, 1, 1);
    EXPECT_EQ(IBox::kRow, row->GetLayoutKind());
    EXPECT_STREQ(L"s_gui_win_Box", box->GetClassName());
    // Alignment is seen through a layout: a child at the end of a 100-pixel row and column.
    box->SetWidthPixels(100, false);
    box->SetHeightPixels(100, false);
    Box* child = FixedBox(20, 10);
    box->AddChild(child);
    box->SetLayoutSize(100, 100);
    EXPECT_EQ(0, child->GetX()) << "-4 is the start";
    EXPECT_EQ(90, child->GetY()) << "9 is the end";
    box->ReleaseToPool();
    row->ReleaseToPool();
}

} // namespace

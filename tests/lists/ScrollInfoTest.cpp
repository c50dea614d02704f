// The scroll information's arithmetic on a list box and on a scroll box: whole rows below the
// header, proportional resizing, the centre, clamping, undoing the offset, and requests that
// must do nothing.
#include "lists/ScrollStage.h"

namespace scrolltest {
namespace {

class ScrollInfoTest : public ScrollStage {};

TEST_F(ScrollInfoTest, ListRangeIsWholeRowsBelowTheHeaderAndStepsRoundDownToRows)
{
    ListBoxEx* listBox = AddListBox({80, 80, 80, 80}, 40);
    ASSERT_NE(nullptr, listBox);
    ListBox2* list = ListOf(listBox);
    ScrollBar* vertical = listBox->GetVerticalBar();
    OnUi([&] {
        const int32_t line = LineHeight(vertical);
        ASSERT_GT(line, 0);
        RECT client;
        ::GetClientRect(list->GetSafeHwnd(), &client);
        const int32_t header = list->GetHeader()->GetHeight();
        EXPECT_EQ(22, header);
        const int32_t page = client.bottom - header;
        EXPECT_EQ(page, *vertical->GetScrollInfo()->GetPage());
        EXPECT_EQ(line * 40 + page % line, *vertical->GetScrollInfo()->GetRange());
        EXPECT_EQ(0, Largest(vertical) % line) << "the last position shows a whole row at the top";
        EXPECT_TRUE(vertical->IsShown());

        vertical->ScrollBy(60);
        EXPECT_EQ(60 / line * line, Position(vertical));
        EXPECT_EQ(60 / line, ::SendMessageW(list->GetSafeHwnd(), LVM_GETTOPINDEX, 0, 0));
        // A step that stays within the same row moves nothing.
        const int32_t before = Position(vertical);
        vertical->ScrollBy(line - 1);
        EXPECT_EQ(before, Position(vertical));
        EXPECT_EQ(-Position(vertical), *vertical->GetScrollInfo()->GetAppliedOffset());
    });
}

TEST_F(ScrollInfoTest, ScrollingStopsExactlyAtBothEnds)
{
    ListBoxEx* listBox = AddListBox({80, 80, 80, 80}, 40);
    ASSERT_NE(nullptr, listBox);
    ScrollBar* vertical = listBox->GetVerticalBar();
    OnUi([&] {
        vertical->ScrollBy(1000000);
        EXPECT_EQ(Largest(vertical), Position(vertical));
        vertical->ScrollBy(-1000000);
        EXPECT_EQ(0, Position(vertical));
    });
}

TEST_F(ScrollInfoTest, AListThatFitsHidesItsBars)
{
    ListBoxEx* listBox = AddListBox({60, 60, 60, 60}, 3);
    ASSERT_NE(nullptr, listBox);
    OnUi([&] {
        EXPECT_FALSE(listBox->GetVerticalBar()->IsShown());
        EXPECT_FALSE(listBox->GetHorizontalBar()->IsShown());
        EXPECT_EQ(0, listBox->GetVisibleVerticalBarThickness());
        EXPECT_GT(listBox->GetVerticalBarThickness(), 0);
    });
}

TEST_F(ScrollInfoTest, ABoxKeepsItsProportionWhenTheViewGrows)
{
    Box* sheet = nullptr;
    ScrollBox* scrollBox = AddScrollBox(200, 600, &sheet);
    ASSERT_NE(nullptr, scrollBox);
    ScrollBar* vertical = scrollBox->GetVerticalBar();
    OnUi([&] {
        IComponent* content = scrollBox->GetContentBox();
        ScrollInfo* info = static_cast<ScrollInfo*>(vertical->GetScrollInfo());
        const int32_t page = *info->GetPage();
        ASSERT_GT(page, 0);
        EXPECT_EQ(600, *info->GetRange());
        vertical->ScrollBy(150);
        EXPECT_EQ(150, Position(vertical));
        EXPECT_EQ(-150, *info->GetAppliedOffset());
        RECT sheetRect;
        ::GetWindowRect(sheet->GetSafeHwnd(), &sheetRect);
        POINT origin = {sheetRect.left, sheetRect.top};
        ::ScreenToClient(::GetParent(sheet->GetSafeHwnd()), &origin);
        EXPECT_EQ(-150, origin.y);
        // The view doubles: the position doubles too, within the largest one.
        const int32_t grown = page * 2;
        content->SetSize(content->GetWidth(), grown);
        info->Recompute(content);
        EXPECT_EQ(grown, *info->GetPage());
        EXPECT_EQ(std::min(300, 600 - grown), Position(vertical));
        EXPECT_EQ(-Position(vertical), *info->GetAppliedOffset());
    });
}

TEST_F(ScrollInfoTest, CentreModeStartsWithTheMiddleInView)
{
    ScrollBox* scrollBox = AddScrollBox(1000, 100);
    ASSERT_NE(nullptr, scrollBox);
    OnUi([&] {
        scrollBox->SetCenterMode(true);
        ScrollBar* horizontal = scrollBox->GetHorizontalBar();
        const int32_t page = *horizontal->GetScrollInfo()->GetPage();
        ASSERT_GT(page, 0);
        EXPECT_EQ(500, scrollBox->GetCenterX());
        EXPECT_EQ(500 - (page + 1) / 2, Position(horizontal));
    });
}

TEST_F(ScrollInfoTest, ClearPutsTheSheetBackBeforeForgettingTheOffset)
{
    Box* sheet = nullptr;
    ScrollBox* scrollBox = AddScrollBox(600, 600, &sheet);
    ASSERT_NE(nullptr, scrollBox);
    OnUi([&] {
        scrollBox->ScrollBy(70, 90);
        EXPECT_EQ(70, Position(scrollBox->GetHorizontalBar()));
        EXPECT_EQ(90, Position(scrollBox->GetVerticalBar()));
        scrollBox->ClearScrolling();
        RECT sheetRect;
        ::GetWindowRect(sheet->GetSafeHwnd(), &sheetRect);
        POINT origin = {sheetRect.left, sheetRect.top};
        ::ScreenToClient(::GetParent(sheet->GetSafeHwnd()), &origin);
        EXPECT_EQ(0, origin.x);
        EXPECT_EQ(0, origin.y);
        EXPECT_EQ(0, *scrollBox->GetVerticalBar()->GetScrollInfo()->GetAppliedOffset());
        EXPECT_FALSE(scrollBox->GetVerticalBar()->IsShown());
        // Cleared scrolling stays off.
        scrollBox->ScrollBy(0, 50);
        EXPECT_EQ(0, Position(scrollBox->GetVerticalBar()));
    });
}

TEST_F(ScrollInfoTest, RequestsBeforeActivationOrWhileDisabledDoNothing)
{
    ScrollInfo* fresh = ScrollInfo::New();
    ASSERT_NE(nullptr, fresh);
    Box* loose = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 0, 0);
    fresh->SetRange(500);
    fresh->SetPage(100);
    fresh->SetScrollable(true);
    fresh->ScrollBy(loose, 50);
    fresh->LineForward(loose);
    EXPECT_EQ(0, *fresh->GetPosition());
    fresh->ReleaseToPool();
    loose->ReleaseToPool();

    ScrollBox* scrollBox = AddScrollBox(600, 600);
    ASSERT_NE(nullptr, scrollBox);
    OnUi([&] {
        scrollBox->SetScrollingDisabled(true);
        EXPECT_FALSE(scrollBox->GetVerticalBar()->IsShown());
        scrollBox->ScrollBy(0, 50);
        scrollBox->GetVerticalBar()->GetScrollInfo()->PageForward(scrollBox->GetContentBox());
        EXPECT_EQ(0, Position(scrollBox->GetVerticalBar()));
        scrollBox->SetScrollingDisabled(false);
        EXPECT_TRUE(scrollBox->GetVerticalBar()->IsShown());
        scrollBox->ScrollBy(0, 50);
        EXPECT_EQ(50, Position(scrollBox->GetVerticalBar()));
    });
}

} // namespace
} // namespace scrolltest

// The group box: its insets from the caption, its sizes, its back buffer, the drops of its
// content, and a group box without a content.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "images/win/BufferedImage.h"
#include "support/RecordingListener.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/ProgressBar.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::IGroupBox;
using s::gui::win::Box;
using s::gui::win::GroupBox;
using s::gui::win::ProgressBar;
using testing_support::RecordingListener;

class GroupBoxTest : public testing_support::WidgetStage {
protected:
    // A group box around a column Box holding a block of the given fixed size.
    GroupBox* NewGroup(const wchar_t* caption, int32_t blockWidth, int32_t blockHeight)
    {
        GroupBox* group = GroupBox::CreateWithBox(caption, -1, s::gui::IBox::kColumn, 0, 0);
        if (!group)
            return nullptr;
        ProgressBar* block = ProgressBar::New();
        if (block) {
            block->SetFixedWidth(blockWidth);
            block->SetFixedHeight(blockHeight);
            group->AddChild(block);
        }
        Add(group);
        return group;
    }

    // The caption's extent in the group box's font.
    static SIZE CaptionExtent(GroupBox* group)
    {
        HWND control = group->GetSafeHwnd();
        HDC dc = GetDC(control);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE extent = {};
        GetTextExtentPoint32W(dc, group->GetCaption(), static_cast<int>(wcslen(group->GetCaption())), &extent);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        return extent;
    }
};

TEST_F(GroupBoxTest, TheCaptionHeightSetsTheInsetsAndTheContentSitsInside)
{
    GroupBox* group = NewGroup(L"Quality", 60, 20);
    ASSERT_NE(nullptr, group);
    HWND control = group->GetSafeHwnd();
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(1000, GetDlgCtrlID(control));
    EXPECT_EQ(BS_GROUPBOX, GetWindowLongW(control, GWL_STYLE) & 0x0F);
    const SIZE caption = CaptionExtent(group);
    ASSERT_GT(caption.cy, 0);
    EXPECT_EQ(caption.cy, group->GetCaptionHeight());
    EXPECT_EQ(4, group->GetInsetLeft());
    EXPECT_EQ(4, group->GetInsetRight());
    EXPECT_EQ(4, group->GetInsetBottom());
    EXPECT_EQ(caption.cy + 1, group->GetInsetTop());

    HWND content = static_cast<Box*>(group->GetContent())->GetSafeHwnd();
    ASSERT_EQ(control, GetParent(content));
    RECT place = {};
    GetWindowRect(content, &place);
    POINT origin = {0, 0};
    ClientToScreen(control, &origin);
    EXPECT_EQ(4, place.left - origin.x);
    EXPECT_EQ(caption.cy + 1, place.top - origin.y);
    EXPECT_EQ(group->GetWidth() - 8, group->GetClientWidth());
    EXPECT_EQ(group->GetHeight() - caption.cy - 5, group->GetClientHeight());
}

TEST_F(GroupBoxTest, ItIsAtLeastAsWideAsItsCaptionAndItsContent)
{
    struct Case {
        const wchar_t* caption;
        int32_t block;
    };
    const Case cases[] = {{L"A rather long caption for a group", 10}, {L"Ok", 200}};
    for (const Case& c : cases) {
        GroupBox* group = NewGroup(c.caption, c.block, 12);
        ASSERT_NE(nullptr, group);
        const SIZE caption = CaptionExtent(group);
        s::gui::IComponent* content = group->GetContent();
        const int32_t expected = std::max<int32_t>(caption.cx + GroupBox::kCaptionAllowance, 8 + content->GetMinWidth());
        EXPECT_EQ(expected, group->GetMinWidth()) << c.block;
        EXPECT_EQ(group->GetInsetTop() + 4 + content->GetMinHeight(), group->GetMinHeight()) << c.block;
        EXPECT_GE(group->GetWidth(), group->GetMinWidth()) << "the layout gave it its minimum";
    }
    // In percent of the parent, integer division.
    GroupBox* half = NewGroup(L"Half", 10, 10);
    ASSERT_NE(nullptr, half);
    half->SetWidthPercent(50);
    EXPECT_EQ(box_->GetClientWidth() * 50 / 100, half->GetMaxWidth());
    half->SetWidthPixels(123);
    EXPECT_EQ(123, half->GetMinWidth());
    EXPECT_EQ(123, half->GetMaxWidth());
}

TEST_F(GroupBoxTest, HidingDropsTheBackBufferAndShowingMakesANewOne)
{
    GroupBox* group = NewGroup(L"Buffered", 40, 20);
    ASSERT_NE(nullptr, group);
    HWND control = group->GetSafeHwnd();
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_NE(nullptr, group->GetBackBufferImage());
    EXPECT_GE(group->GetBackBufferImage()->GetWidth(), group->GetWidth());
    EXPECT_EQ(group->GetBackBufferImage(), group->GetBackBuffer(nullptr, nullptr));

    group->SetVisible(false, true);
    EXPECT_EQ(nullptr, group->GetBackBufferImage());
    EXPECT_FALSE(IsWindowVisible(control));
    EXPECT_FALSE(group->GetContent()->IsShown());
    group->SetVisible(true, true);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_NE(nullptr, group->GetBackBufferImage());
}

// A drop of one file as the shell makes it.
HGLOBAL DropOf(const wchar_t* path)
{
    const size_t chars = wcslen(path) + 2;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    if (!block)
        return nullptr;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path, (chars - 2 + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    return block;
}

TEST_F(GroupBoxTest, FilesDroppedOnTheContentAreToldToTheFileDropListenersOnly)
{
    GroupBox* group = NewGroup(L"Drop here", 40, 20);
    ASSERT_NE(nullptr, group);
    RecordingListener drops;
    RecordingListener further;
    group->AddFileDropListener(&drops);
    group->AddListener(&further);
    group->SetAcceptFiles(true);
    HWND content = static_cast<Box*>(group->GetContent())->GetSafeHwnd();
    EXPECT_NE(0, GetWindowLongW(content, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    HGLOBAL drop = DropOf(L"C:\\pictures\\one.png");
    ASSERT_NE(nullptr, drop);
    SendMessageW(content, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    const std::vector<RecordingListener::Heard> heard = drops.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(IGroupBox::kEventFilesDropped, heard[0].code);
    EXPECT_EQ(static_cast<IGroupBox*>(group), heard[0].source);
    EXPECT_EQ(0u, further.Count());
    ASSERT_EQ(1u, group->GetDroppedFiles()->GetCount());
    EXPECT_STREQ(L"C:\\pictures\\one.png", group->GetDroppedFiles()->Get(0)->GetText());
}

TEST_F(GroupBoxTest, WithoutAContentChildrenAreRefusedAndNoFilesWereDropped)
{
    GroupBox* group = GroupBox::New();
    ASSERT_NE(nullptr, group);
    group->SetCaption(L"Empty");
    Add(group);
    ProgressBar* bar = ProgressBar::New();
    ASSERT_NE(nullptr, bar);
    group->AddChild(bar);
    EXPECT_EQ(0, group->GetChildCount());
    bar->ReleaseToPool();
    ASSERT_NE(nullptr, group->GetDroppedFiles());
    EXPECT_EQ(0u, group->GetDroppedFiles()->GetCount());
    // The frame still claims the room of its caption.
    EXPECT_EQ(CaptionExtent(group).cx + GroupBox::kCaptionAllowance, group->GetMinWidth());
}

TEST_F(GroupBoxTest, CreateWithBoxSetsUpItsContent)
{
    struct Case {
        int32_t kind;
        int32_t hGap;
        int32_t vGap;
    };
    const Case cases[] = {{s::gui::IBox::kRow, 5, 0}, {s::gui::IBox::kColumn, 0, 7}, {s::gui::IBox::kPile, 0, 0}};
    for (const Case& c : cases) {
        GroupBox* group = GroupBox::CreateWithBox(L"Made", 40.9, c.kind, c.hGap, c.vGap);
        ASSERT_NE(nullptr, group);
        Box* content = dynamic_cast<Box*>(group->GetContent());
        ASSERT_NE(nullptr, content);
        EXPECT_EQ(c.kind, content->GetLayoutKind());
        EXPECT_EQ(1, group->GetChildCount());
        EXPECT_STREQ(L"Made", group->GetCaption());
        Add(group);
        EXPECT_EQ(box_->GetClientWidth() * 40 / 100, group->GetMaxWidth()) << "the percent truncated";
        EXPECT_EQ(content->GetWidth() - 2 * GroupBox::kContentHMargins, content->GetClientWidth());
    }
}

} // namespace

// Creation's style bits and what the list paints.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "lists/ListStage.h"
#include "skins/ISkin.h"
#include "skins/skin/Presets.h"
#include "skins/skin/ThinWindow.h"
#include "support/Screenshot.h"

using namespace listtest;

namespace {

class ListPaintTest : public ListStage {};

TEST_F(ListPaintTest, CreationAppliesTheStoredStyle)
{
    list_->SetMultiSelect(false);
    list_->SetHeaderVisible(false);
    list_->SetFullRowSelect(true);
    list_->AddColumn(L"Name", 0, 0, false, nullptr, true, false, false, true, false);
    Show();
    const LONG style = ::GetWindowLongW(Native(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_NOCOLUMNHEADER);
    EXPECT_TRUE(style & LVS_EDITLABELS);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_EQ(::GetDlgCtrlID(Native()), 1009);
    const DWORD extended = static_cast<DWORD>(::SendMessageW(Native(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(extended & LVS_EX_HEADERDRAGDROP);
    EXPECT_FALSE(extended & LVS_EX_GRIDLINES);
    // Changes after creation reach the control; the same value again changes nothing.
    list_->SetMultiSelect(true);
    EXPECT_FALSE(::GetWindowLongW(Native(), GWL_STYLE) & LVS_SINGLESEL);
    list_->SetGridLines(true);
    EXPECT_TRUE(::SendMessageW(Native(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES);
    list_->SetListView();
    EXPECT_EQ(::GetWindowLongW(Native(), GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
}

// The system makes no picture 0 pixels high: a row height of 0 still gives the rows a picture of
// its own, a pixel high, rather than leaving them at the earlier height.
TEST_F(ListPaintTest, ARowHeightOfZeroLeavesNoEarlierHeightBehind)
{
    list_->AddColumn(L"A", 80, 0, false, nullptr, true, false, false, false, false);
    for (int i = 0; i < 3; ++i)
        list_->AddRow(NumberRow({i}));
    list_->SetRowHeight(40);
    Show();
    const auto rowHeight = [this] {
        RECT row = {LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageW(Native(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        return row.bottom - row.top;
    };
    ASSERT_GE(rowHeight(), 40);
    HIMAGELIST tall = list_->GetRowHeightImages();

    OnListThread([this] { list_->SetRowHeight(0); });
    EXPECT_EQ(0, list_->GetRowHeight());
    HIMAGELIST images = list_->GetRowHeightImages();
    ASSERT_NE(nullptr, images);
    EXPECT_NE(tall, images);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(images, &width, &height));
    EXPECT_EQ(1, height);
    EXPECT_LT(rowHeight(), 40);
    EXPECT_GT(rowHeight(), 0);
}

TEST_F(ListPaintTest, DefaultsAfterAReset)
{
    list_->SetMultiSelect(false);
    list_->SetRowHeight(22);
    HIMAGELIST first = list_->GetRowHeightImages();
    list_->SetRowHeight(24);
    EXPECT_NE(list_->GetRowHeightImages(), nullptr);
    EXPECT_NE(list_->GetRowHeightImages(), first);
    list_->Reset();
    EXPECT_EQ(list_->GetViewMode(), 2);
    EXPECT_TRUE(list_->IsMultiSelect());
    EXPECT_TRUE(list_->IsHeaderVisible());
    EXPECT_EQ(list_->GetRowHeight(), -1);
    EXPECT_EQ(list_->GetAlternateColor(), 0xEEEEEEu);
    EXPECT_EQ(list_->GetRowHeightImages(), nullptr);
    list_->SetFixedWidth(kWidth);
    list_->SetFixedHeight(kHeight);
}

TEST_F(ListPaintTest, ATreeWithTickedRowsAndADropMarker)
{
    list_->SetFullRowSelect(true);
    list_->AddColumn(L"Field", 170, 0, false, nullptr, true, false, true, false, true);
    list_->AddColumn(L"Value", 80, 2, false, nullptr, true, false, false, false, false);
    const wchar_t* names[] = {L"Processor", L"Core 1", L"Core 2", L"Memory", L"Network", L"Battery"};
    const wchar_t* values[] = {L"12 %", L"8 %", L"16 %", L"41 %", L"1.2 MB/s", L"93 %"};
    Record* records[6];
    for (int i = 0; i < 6; ++i) {
        records[i] = TextRow({names[i], values[i]}, 0, i == 0 ? 1 : 0);
        records[i]->GetCell(0)->checkState = (i % 3 == 2) ? 1 : 2;
    }
    records[0]->AppendChild(records[1]);
    records[0]->AppendChild(records[2]);
    for (int i : {0, 3, 4, 5})
        list_->AddRow(records[i]);
    Show();
    SetNativeState(3, LVIS_SELECTED, LVIS_SELECTED);
    list_->SetDropMarker(5, 0);
    ::RedrawWindow(Native(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ::Sleep(200);
    testing_support::ScreenImage image;
    ASSERT_TRUE(testing_support::CaptureWindow(Native(), &image));
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"list-tree-ticked-marker").empty());
    // The last column reaches the right edge: its background there is the list's, not the window's.
    const RECT row = SubItemRect(0, 1);
    EXPECT_EQ(image.At(image.width - 4, (row.top + row.bottom) / 2 + 1), image.At(row.left + 2, (row.top + row.bottom) / 2 + 1));
}

TEST_F(ListPaintTest, ASkinnedTreeWithTickedRowsAndADropMarker)
{
    // Orange: the skin's list colours and fonts, not the system's.
    s::gui::drawer::ISkin* skin = s::gui::drawer::skin::BuildThinWindowPreset(13);
    ASSERT_NE(nullptr, skin);
    list_->SetDrawer(skin->GetListBoxDrawer(), false);
    list_->SetAlternateRows(true);
    list_->AddColumn(L"Field", 170, 0, false, nullptr, true, false, true, false, true);
    list_->AddColumn(L"Value", 80, 2, false, nullptr, true, false, false, false, false);
    const wchar_t* names[] = {L"Processor", L"Core 1", L"Core 2", L"Memory", L"Disks", L"C:", L"Network"};
    const wchar_t* values[] = {L"12 %", L"8 %", L"16 %", L"41 %", L"", L"63 %", L"1.2 MB/s"};
    Record* records[7];
    for (int i = 0; i < 7; ++i) {
        const bool parent = i == 0 || i == 4;
        records[i] = TextRow({names[i], values[i]}, 0, parent ? 1 : 0);
        records[i]->GetCell(0)->checkState = (i == 2 || i == 5) ? 1 : 2;
    }
    records[0]->AppendChild(records[1]);
    records[0]->AppendChild(records[2]);
    records[4]->AppendChild(records[5]);
    for (int i : {0, 3, 4, 6})
        list_->AddRow(records[i]);
    Show();
    ASSERT_EQ(7u, list_->GetRowCount());
    SetNativeState(3, LVIS_SELECTED, LVIS_SELECTED);
    // Rows would go in under "Disks", after its child: the line starts at the child's indent.
    OnListThread([&] { list_->SetDropMarker(6, 0); });
    ::RedrawWindow(Native(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ::Sleep(200);
    testing_support::ScreenImage image;
    const bool captured = testing_support::CaptureWindow(Native(), &image);
    const COLORREF background = skin->GetListBoxDrawer()->GetBackgroundColor();
    list_->SetDrawer(nullptr, false);
    skin->ReleaseToPool();
    ASSERT_TRUE(captured);
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"list-skinned-tree-ticked-marker").empty());
    // The skin's background behind the right end of a plain row ("Disks": not alternate, not
    // selected, away from the marker, its value empty): each cell is painted into a fresh black
    // image that only the drawer fills.
    const RECT row = SubItemRect(4, 1);
    EXPECT_EQ(image.At(image.width - 4, (row.top + row.bottom) / 2), background);
    EXPECT_EQ(image.At(row.left + 4, (row.top + row.bottom) / 2), background);
}

} // namespace

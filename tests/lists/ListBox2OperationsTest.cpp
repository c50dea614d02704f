// The list's content operations with and without a native window, from its own thread and from
// another, keeping the native items in the model's order.
#include <windows.h>
#include <commctrl.h>

#include <thread>

#include <gtest/gtest.h>

#include "lists/ListBox2Event.h"
#include "lists/ListStage.h"

using namespace listtest;
using s::gui::ListBox2Event::CellChecked;
using s::gui::ListBox2Event::CellUnchecked;
using s::gui::ListBox2Event::RowDeselected;
using s::gui::ListBox2Event::RowSelected;
using s::gui::ListBox2Event::SelectionEmptied;
using s::gui::ListBox2Event::SingleRowSelected;
using s::gui::ListBox2Event::Sorted;
using testing_support::RecordingListener;

namespace {

class ListOperationsTest : public ListStage {
protected:
    void Columns(bool tree = false)
    {
        list_->AddColumn(L"Name", 120, 0, true, &CompareNumbers, true, false, true, false, tree);
        list_->AddColumn(L"Value", 80, 2, true, &CompareNumbers, true, false, false, false, false);
    }
    Record* Row(int64_t number, int32_t expand = -1)
    {
        return expand < 0 ? NumberRow({number, 100 - number}) : NumberRow({number, 100 - number}, 0, expand);
    }
    // A tree: 0 (expanded) with 1, 2 (expanded, with 3), then 4.
    void Tree()
    {
        Record* root = Row(0, 1);
        root->AppendChild(Row(1, 0));
        Record* middle = Row(2, 1);
        root->AppendChild(middle);
        middle->AppendChild(Row(3, 0));
        list_->AddRow(root);
        list_->AddRow(Row(4, 0));
    }
    std::vector<int32_t> Codes(RecordingListener& listener)
    {
        std::vector<int32_t> codes;
        for (const auto& heard : listener.Take())
            codes.push_back(heard.code);
        return codes;
    }
};

TEST_F(ListOperationsTest, WithoutAWindowTheOperationsChangeTheModel)
{
    Columns(true);
    Tree();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 1, 2, 3, 4}));
    list_->InsertRow(-3, Row(9));
    list_->InsertRow(99, Row(8));
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{9, 0, 1, 2, 3, 4, 8}));
    Record* root = list_->GetRowAt(1);
    list_->ToggleExpand(root, root->id);
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{9, 0, 4, 8}));
    list_->ToggleExpand(root, root->id);
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{9, 0, 1, 2, 3, 4, 8}));
    EXPECT_EQ(list_->GetFirstRow(), list_->GetRowAt(0));
    Record* last = list_->GetRowAt(6);
    EXPECT_EQ(list_->GetNextRow(last, last->id, true), list_->GetRowAt(0));
    EXPECT_EQ(list_->GetNextRow(last, last->id, false), nullptr);
    EXPECT_EQ(list_->GetPreviousRow(list_->GetRowAt(0), list_->GetRowAt(0)->id, true), last);
    EXPECT_EQ(list_->GetPreviousRow(nullptr, -1, true), last);
    EXPECT_EQ(list_->GetNextRow(nullptr, -1, false), nullptr);

    Record* nine = list_->GetRowAt(0);
    list_->SetCellValue(nine, nine->id, 1, 55);
    EXPECT_EQ(NumberAt(nine, 1), 55);
    list_->SetCellValue(nine, nine->id + 1, 1, 66);
    list_->SetCellValue(nine, nine->id, 7, 66);
    EXPECT_EQ(NumberAt(nine, 1), 55);
    list_->RemoveAndReleaseRow(nine, nine->id);
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 1, 2, 3, 4, 8}));
    // Collapsing every row leaves the top level.
    list_->CollapseAll();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 4, 8}));
    ExpectConsistent(*list_->GetModel());
    list_->RemoveAndReleaseAllRows();
    EXPECT_EQ(list_->GetRowCount(), 0u);
    EXPECT_EQ(list_->GetFirstRow(), nullptr);
}

TEST_F(ListOperationsTest, CreationShowsTheRowsAddedBefore)
{
    Columns(true);
    Tree();
    list_->AddRow(Row(5));
    Show();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 1, 2, 3, 4, 5}));
    ExpectInStep();
    // Column captions and widths reached the control; a width of 0 lets it choose.
    LVCOLUMNW column = {};
    wchar_t caption[32] = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = caption;
    column.cchTextMax = 32;
    ASSERT_TRUE(::SendMessageW(Native(), LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(caption, L"Value");
    EXPECT_EQ(column.cx, 80);
}

TEST_F(ListOperationsTest, NativeItemsFollowTheModelThroughEveryChange)
{
    Columns(true);
    Show();
    Tree();
    ExpectInStep();
    list_->InsertRow(0, Row(7));
    list_->InsertRow(2, Row(8));
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{7, 0, 8, 1, 2, 3, 4}));
    ExpectInStep();
    Record* root = list_->GetRowAt(1);
    list_->ToggleExpand(root, root->id);
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{7, 0, 8, 4}));
    ExpectInStep();
    list_->ToggleExpand(root, root->id);
    // The child 2 kept its expanded state: its child comes back too.
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{7, 0, 1, 2, 3, 8, 4}));
    ExpectInStep();
    list_->ToggleSortColumn(0);
    list_->Sort();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{8, 7, 4, 0}));
    ExpectInStep();
    SelectOnly(3);
    list_->MoveSelectionUp();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{8, 7, 0, 4}));
    ExpectInStep();
    list_->RemoveRow(list_->GetRowAt(0), list_->GetRowAt(0)->id);
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{7, 0, 4}));
    ExpectInStep();
    list_->RemoveAllRows();
    EXPECT_TRUE(NativeRecords().empty());
}

TEST_F(ListOperationsTest, AWaitingWorkerAndTheListThreadGetTheSameResult)
{
    Columns();
    Show();
    auto sequence = [this] {
        for (int i = 0; i < 20; ++i)
            list_->InsertRow(i % 3, Row(i));
        Record* row = list_->GetRowAt(4);
        list_->SetCellValue(row, row->id, 1, 1000);
        list_->RemoveRow(list_->GetRowAt(0), list_->GetRowAt(0)->id);
        list_->Sort();
    };
    std::thread worker(sequence);
    worker.join();
    const std::vector<int64_t> fromWorker = Numbers();
    ExpectInStep();
    list_->RemoveAndReleaseAllRows();
    OnListThread(sequence);
    EXPECT_EQ(Numbers(), fromWorker);
    ExpectInStep();
    EXPECT_EQ(Numbers().size(), 19u);
}

TEST_F(ListOperationsTest, UnusedForeignAndMalformedMessagesChangeNothing)
{
    Columns();
    Show();
    for (int i = 0; i < 3; ++i)
        list_->AddRow(Row(i));
    Record* row = list_->GetRowAt(1);
    ListBox2::OperationBlock block = {};
    block.record = row;
    block.rowId = row->id;
    // Numbers between the groups are the control's to answer.
    for (UINT message = 0x140A; message <= 0x140F; ++message)
        ::SendMessageW(Native(), message, reinterpret_cast<WPARAM>(&block), s::gui::win::ProcessKey());
    // Without this process's key, and without a block.
    ::SendMessageW(Native(), s::gui::msg::kListRemoveRow, reinterpret_cast<WPARAM>(&block), 12345);
    ::SendMessageW(Native(), s::gui::msg::kListRemoveRow, 0, s::gui::win::ProcessKey());
    ::SendMessageW(Native(), s::gui::msg::kListRemoveAllRows, 0, s::gui::win::ProcessKey());
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 1, 2}));
    // Stale, foreign and null references.
    Record* foreign = Row(9);
    list_->RemoveRow(foreign, foreign->id);
    list_->RemoveRow(row, row->id + 1);
    list_->RemoveRow(nullptr, 0);
    list_->ToggleExpand(nullptr, 0);
    list_->SetCellCheckState(foreign, foreign->id, 0, 2, true);
    list_->EnsureVisible(foreign, foreign->id);
    list_->SelectRow(row, row->id - 1);
    list_->RefreshCell(row, row->id, 40);
    list_->SetCellValue(row, row->id, 40, 1);
    list_->ToggleSortColumn(40);
    list_->RefreshColumn(40);
    list_->InsertRow(0, nullptr);
    list_->AddRow(row);
    foreign->ReleaseToPool();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 1, 2}));
    EXPECT_EQ(list_->GetSelectedCount(), 0u);
    ExpectInStep();
}

TEST_F(ListOperationsTest, SelectionEventsFollowTheControlsNotifications)
{
    Columns();
    Show();
    for (int i = 0; i < 4; ++i)
        list_->AddRow(Row(i));
    RecordingListener events;
    list_->AddSelectListener(&events);
    list_->AddDeselectListener(&events);
    list_->AddSingleSelectListener(&events);
    list_->AddSelectionEmptiedListener(&events);
    SelectOnly(1);
    EXPECT_EQ(Codes(events), (std::vector<int32_t>{SingleRowSelected, RowSelected}));
    EXPECT_EQ(Selection(), (std::vector<Record*>{list_->GetRowAt(1)}));
    SelectOnly(2);
    EXPECT_EQ(Codes(events), (std::vector<int32_t>{RowDeselected, SelectionEmptied, SingleRowSelected, RowSelected}));
    SetNativeState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(Codes(events), (std::vector<int32_t>{RowSelected}));
    EXPECT_EQ(Selection(), (std::vector<Record*>{list_->GetRowAt(2), list_->GetRowAt(3)}));
    Record* record = nullptr;
    int32_t id = 0;
    EXPECT_FALSE(list_->GetSelectedAt(5, &record, &id));
    EXPECT_EQ(record, nullptr);
    EXPECT_EQ(id, -1);

    // The focused row loses the selection too (its state goes from 3 to 1).
    list_->DeselectAll();
    EXPECT_EQ(list_->GetSelectedCount(), 0u);
    EXPECT_EQ(Codes(events), (std::vector<int32_t>{RowDeselected, RowDeselected, SelectionEmptied}));
}

TEST_F(ListOperationsTest, EnablingFollowsASingleSelection)
{
    Columns();
    Show();
    for (int i = 0; i < 3; ++i)
        list_->AddRow(Row(i));
    ListBox2* target = ListBox2::New();
    target->SetEnabled(false);
    list_->EnableWithSelection(target);
    SelectOnly(0);
    EXPECT_TRUE(target->IsEnabled());
    list_->DeselectAll();
    EXPECT_FALSE(target->IsEnabled());
    target->ReleaseToPool();
}

TEST_F(ListOperationsTest, RemovingTheSelectedRowsRemovesEveryOneOfThem)
{
    Columns(true);
    Show();
    Tree();
    // The root and its shown descendants: one removal takes four selected entries.
    for (int32_t row : {0, 1, 2, 3})
        SetNativeState(row, LVIS_SELECTED, LVIS_SELECTED);
    list_->AddRow(Row(5));
    SetNativeState(5, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ(list_->GetSelectedCount(), 5u);
    list_->SortSelectionByRow();
    list_->RemoveSelectedRows();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{4}));
    EXPECT_EQ(list_->GetSelectedCount(), 0u);
    ExpectInStep();
    // Removing a row that is not selected leaves the selection alone.
    list_->AddRow(Row(6));
    SelectOnly(1);
    list_->RemoveRow(list_->GetRowAt(0), list_->GetRowAt(0)->id);
    EXPECT_EQ(Selection(), (std::vector<Record*>{list_->GetRowAt(0)}));
}

TEST_F(ListOperationsTest, MovingALastButOneChildDownKeepsItUnderItsParent)
{
    Columns(true);
    Show();
    // 0 (expanded) with 1 and 2 (expanded, with 3); then 4 and 5 at the top level.
    Tree();
    list_->AddRow(Row(5, 0));
    SelectOnly(1);
    list_->MoveSelectionDown();
    // 1 goes behind its sibling 2 and 2's child, not to the end of the list.
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 2, 3, 1, 4, 5}));
    EXPECT_EQ(list_->GetRowAt(3)->parent, list_->GetRowAt(0));
    ExpectInStep();
    // The last child does not move; a top-level row goes behind the next top-level row.
    list_->MoveSelectionDown();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 2, 3, 1, 4, 5}));
    SelectOnly(0);
    list_->MoveSelectionDown();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{4, 0, 2, 3, 1, 5}));
    ExpectInStep();
    // Up again, and out of the parent.
    list_->MoveSelectionUp();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 2, 3, 1, 4, 5}));
    SelectOnly(2);
    list_->MoveSelectionOut();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 3, 2, 1, 4, 5}));
    EXPECT_EQ(list_->GetRowAt(1)->parent, list_->GetRowAt(0));
    ExpectInStep();
    // A first child selected alone moves nowhere up, and stays visible.
    SelectOnly(1);
    list_->MoveSelectionUp();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{0, 3, 2, 1, 4, 5}));
    ExpectInStep();
}

TEST_F(ListOperationsTest, SortingCollapsesTheTreeFirstAndTellsItsListeners)
{
    Columns(true);
    Show();
    Tree();
    list_->InsertRow(0, Row(6, 0));
    SetNativeState(2, LVIS_SELECTED, LVIS_SELECTED);
    RecordingListener sorted;
    list_->AddSortedListener(&sorted);
    list_->ToggleSortColumn(0);
    list_->Sort();
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{6, 4, 0}));
    EXPECT_EQ(list_->GetSelectedCount(), 0u);
    EXPECT_EQ(Codes(sorted), (std::vector<int32_t>{Sorted}));
    ExpectInStep();
    // Keeping sorted: each added row is sorted in.
    list_->SetKeepSorted(true);
    list_->AddRow(Row(5, 0));
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{6, 5, 4, 0}));
    ExpectInStep();
}

TEST_F(ListOperationsTest, CheckStatesSetFromAnyThreadTellOnlyRealChanges)
{
    Columns();
    Show();
    Record* plain = Row(0);
    Record* box = Row(1);
    box->GetCell(0)->checkState = 1;
    list_->AddRow(plain);
    list_->AddRow(box);
    RecordingListener checks;
    list_->AddCheckListener(&checks);
    list_->AddUncheckListener(&checks);
    std::thread worker([&] {
        list_->SetCellCheckState(plain, plain->id, 0, 2, true);
        list_->SetCellCheckState(box, box->id, 0, 2, true);
        list_->SetCellCheckState(box, box->id, 0, 2, true);
        list_->SetCellCheckState(box, box->id, 0, 3, true);
        list_->SetCellCheckState(box, box->id, 0, 1, false);
        list_->SetCellCheckState(box, box->id, 0, 2, false);
        list_->SetCellCheckState(box, box->id, 0, 1, true);
        list_->SetCellCheckState(box, box->id, 0, 7, true);
    });
    worker.join();
    const auto heard = checks.Take();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].code, CellChecked);
    EXPECT_EQ(heard[1].code, CellUnchecked);
    // Told on the list's thread.
    EXPECT_EQ(heard[0].threadId, ::GetWindowThreadProcessId(Native(), nullptr));
    EXPECT_EQ(plain->GetCell(0)->checkState, 0);
    EXPECT_EQ(box->GetCell(0)->checkState, 1);
    EXPECT_EQ(list_->GetLastChecked(), box);
    EXPECT_EQ(list_->GetLastUnchecked(), box);
}

} // namespace

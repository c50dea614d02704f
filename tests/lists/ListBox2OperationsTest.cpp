// The list's content operations with and without a native window, from its own thread and from
// another, keeping the native items in the model's order.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
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
    Columns(true);
    Show();
    s::gui::listbox2::List* model = list_->GetModel();
    const uint8_t ascending[2] = {model->GetColumn(0)->ascending, model->GetColumn(1)->ascending};
    // The tree, then top-level rows enough to scroll; every row has a check box.
    // Not painted meanwhile: the table refills the list twice for each operation.
    auto fill = [&] {
        list_->SetUpdating(true);
        list_->RemoveAndReleaseAllRows();
        for (uint32_t c = 0; c < 2; ++c)
            model->GetColumn(c)->ascending = ascending[c];
        model->sortPriority.Clear();
        for (uint32_t c : {0u, 1u})
            model->sortPriority.Append(c);
        Tree();
        for (int i = 5; i < 25; ++i)
            list_->AddRow(Row(i, 0));
        for (uint32_t r = 0; r < list_->GetRowCount(); ++r)
            list_->GetRowAt(r)->GetCell(0)->checkState = 1;
        list_->SetUpdating(false);
    };
    auto at = [&](uint32_t row) { return list_->GetRowAt(row); };
    Record* answer = nullptr;
    // Everything an operation may change: rows, cell texts, checks, highlights, the selection, the
    // first row shown, the update flag and what a query returned.
    auto state = [&] {
        std::wstring text;
        for (uint32_t r = 0; r < list_->GetRowCount(); ++r) {
            Record* row = at(r);
            text += std::to_wstring(NumberAt(row, 0)) + L":" + row->GetCell(1)->GetDisplayText()->GetText() + L":" +
                    std::to_wstring(row->GetCell(0)->checkState) + (row->emphasised ? L"!" : L"") + L" ";
        }
        text += L"| selected";
        for (Record* row : Selection())
            text += L" " + std::to_wstring(NumberAt(row, 0));
        text += L" | top " + std::to_wstring(::SendMessageW(Native(), LVM_GETTOPINDEX, 0, 0));
        text += list_->IsUpdating() ? L" | updating" : L"";
        text += L" | answer " + (answer ? std::to_wstring(NumberAt(answer, 0)) : std::wstring(L"none"));
        return text;
    };
    struct Case {
        const char* name;
        // On the test's thread before the operation, the same for both runs.
        std::function<void()> prepare;
        std::function<void()> operation;
    };
    auto none = [] {};
    const Case cases[] = {
        {"insert", none, [&] { list_->InsertRow(2, Row(90)); }},
        {"append", none, [&] { list_->AddRow(Row(91)); }},
        {"remove", none, [&] { list_->RemoveRow(at(4), at(4)->id); }},
        {"remove and release", none, [&] { list_->RemoveAndReleaseRow(at(4), at(4)->id); }},
        {"remove all", none, [&] { list_->RemoveAllRows(); }},
        {"remove and release all", none, [&] { list_->RemoveAndReleaseAllRows(); }},
        {"set cell value", none, [&] { list_->SetCellValue(at(6), at(6)->id, 1, 1000); }},
        {"refresh cell", [&] { at(6)->GetCell(1)->value = 777; },
         [&] { list_->RefreshCell(at(6), at(6)->id, 1); }},
        {"refresh column",
         [&] {
             for (uint32_t r = 0; r < list_->GetRowCount(); ++r)
                 at(r)->GetCell(1)->value = 500 + r;
         },
         [&] { list_->RefreshColumn(1); }},
        {"toggle sort column and sort", none,
         [&] {
             list_->ToggleSortColumn(1);
             list_->Sort();
         }},
        {"sort", none, [&] { list_->Sort(); }},
        {"toggle expand", none, [&] { list_->ToggleExpand(at(0), at(0)->id); }},
        {"collapse all", none, [&] { list_->CollapseAll(); }},
        {"check", none, [&] { list_->SetCellCheckState(at(6), at(6)->id, 0, 2, true); }},
        {"highlight", none, [&] { list_->SetRowHighlighted(true, at(7), at(7)->id); }},
        {"select", none, [&] { list_->SelectRow(at(8), at(8)->id); }},
        {"deselect all", [&] { SelectOnly(8); }, [&] { list_->DeselectAll(); }},
        {"remove selected",
         [&] {
             SelectOnly(2);
             SetNativeState(6, LVIS_SELECTED, LVIS_SELECTED);
         },
         [&] {
             list_->SortSelectionByRow();
             list_->RemoveSelectedRows();
         }},
        {"move up", [&] { SelectOnly(6); }, [&] { list_->MoveSelectionUp(); }},
        {"move down", [&] { SelectOnly(6); }, [&] { list_->MoveSelectionDown(); }},
        {"move out", [&] { SelectOnly(3); }, [&] { list_->MoveSelectionOut(); }},
        {"ensure visible", none, [&] { list_->EnsureVisible(at(22), at(22)->id); }},
        {"begin update", none, [&] { list_->SetUpdating(true); }},
        {"next row", none, [&] { answer = list_->GetNextRow(at(4), at(4)->id, false); }},
        {"previous row", none, [&] { answer = list_->GetPreviousRow(at(0), at(0)->id, true); }},
        {"first row", none, [&] { answer = list_->GetFirstRow(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fill();
        answer = nullptr;
        c.prepare();
        const std::wstring start = state();
        std::thread worker(c.operation);
        worker.join();
        const std::wstring fromWorker = state();
        ExpectInStep();
        fill();
        answer = nullptr;
        c.prepare();
        OnListThread(c.operation);
        EXPECT_EQ(state(), fromWorker);
        ExpectInStep();
        // Each operation changes something: equal results of two no-ops would show nothing.
        EXPECT_NE(fromWorker, start);
    }
    list_->SetUpdating(false);
}

TEST_F(ListOperationsTest, HighlightingMarksOnlyALiveRowWithOrWithoutAWindow)
{
    Columns();
    for (bool window : {false, true}) {
        SCOPED_TRACE(window ? "window" : "model only");
        if (window)
            Show();
        list_->RemoveAndReleaseAllRows();
        for (int i = 0; i < 3; ++i)
            list_->AddRow(Row(i));
        Record* row = list_->GetRowAt(1);
        Record* foreign = Row(9);
        // Stale ids, a record of no list and none at all change nothing.
        list_->SetRowHighlighted(true, row, row->id + 1);
        list_->SetRowHighlighted(true, foreign, foreign->id);
        list_->SetRowHighlighted(true, nullptr, row->id);
        EXPECT_EQ(row->emphasised, 0);
        EXPECT_EQ(foreign->emphasised, 0);
        list_->SetRowHighlighted(true, row, row->id);
        EXPECT_EQ(row->emphasised, 1);
        EXPECT_EQ(list_->GetRowAt(0)->emphasised, 0);
        EXPECT_EQ(list_->GetRowAt(2)->emphasised, 0);
        // A stale id does not clear it either; the live one does.
        list_->SetRowHighlighted(false, row, row->id - 1);
        EXPECT_EQ(row->emphasised, 1);
        list_->SetRowHighlighted(false, row, row->id);
        EXPECT_EQ(row->emphasised, 0);
        foreign->ReleaseToPool();
        ExpectInStep();
    }
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

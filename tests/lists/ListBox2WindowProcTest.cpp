// What the user does with the list: clicks on check boxes, expanders and headers, keys, label
// edits, the wheel, dropped files and dragging rows.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include <gtest/gtest.h>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "lists/AsyncKeys.h"
#include "lists/ListBox2Event.h"
#include "lists/ListStage.h"
#include "skins/drawer/IListBox.h"

using namespace listtest;
namespace event = s::gui::ListBox2Event;
using testing_support::RecordingListener;

namespace {

// The left button held while a test says so.
std::atomic<bool> leftHeld(false);
SHORT HeldKeys(int key)
{
    return key == VK_LBUTTON && leftHeld.load() ? static_cast<SHORT>(0x8000) : 0;
}

class ListWindowProcTest : public ListStage {
protected:
    void TearDown() override
    {
        leftHeld = false;
        s::gui::win::SetAsyncKeyReader(nullptr);
        ListStage::TearDown();
    }

    void Columns()
    {
        list_->AddColumn(L"Name", 140, 0, true, &CompareNumbers, true, false, true, true, true);
        list_->AddColumn(L"Size", 60, 2, false, nullptr, true, false, false, false, false);
        list_->AddColumn(L"Rank", 60, 2, true, &CompareNumbers, true, false, false, false, false);
    }
    Record* Row(int64_t number, int32_t expand, int32_t check)
    {
        Record* record = NumberRow({number, number * 10, 50 - number}, 0, expand);
        record->GetCell(0)->checkState = check;
        return record;
    }
    std::vector<int32_t> Codes(RecordingListener& listener)
    {
        std::vector<int32_t> codes;
        for (const auto& heard : listener.Take())
            codes.push_back(heard.code);
        return codes;
    }
    static LPARAM At(int32_t x, int32_t y) { return MAKELPARAM(x, y); }
    // The middle of row's first cell, left of the text, where the drawer puts nothing.
    POINT InRow(int32_t row)
    {
        const RECT rect = SubItemRect(row, 1);
        return POINT{rect.left + 20, (rect.top + rect.bottom) / 2};
    }
    void ClickColumn(int32_t column)
    {
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = Native();
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        ::SendMessageW(Native(), s::gui::msg::kReflectColumnClick, 0, reinterpret_cast<LPARAM>(&click));
    }
};

TEST_F(ListWindowProcTest, CheckBoxesAndExpandersReactToTheirClicks)
{
    Columns();
    Show();
    Record* parent = Row(1, 1, 1);
    parent->AppendChild(Row(2, 0, 3));
    list_->AddRow(parent);
    list_->AddRow(Row(3, 0, 0));
    RecordingListener events;
    list_->AddCheckListener(&events);
    list_->AddUncheckListener(&events);
    list_->AddSelectListener(&events);
    s::gui::drawer::IListBox* drawer = list_->GetDrawer();
    ASSERT_NE(drawer, nullptr);

    // Find the check box and the expander of row 0 through the drawer's own hit tests.
    const RECT cell = SubItemRect(0, 0);
    const RECT first = {cell.left, cell.top, cell.left + 140, cell.bottom};
    POINT box = {-1, -1};
    POINT expander = {-1, -1};
    for (int32_t x = 0; x < 60; ++x) {
        const int32_t y = (first.bottom - first.top) / 2;
        if (box.x < 0 && drawer->HitCheckBox(x, y, 1, 0) && !drawer->HitExpander(x, y, 0))
            box = POINT{first.left + x, first.top + y};
        if (expander.x < 0 && drawer->HitExpander(x, y, 0))
            expander = POINT{first.left + x, first.top + y};
    }
    ASSERT_GE(box.x, 0);
    ASSERT_GE(expander.x, 0);

    ::SendMessageW(Native(), WM_LBUTTONDOWN, MK_LBUTTON, At(box.x, box.y));
    ::SendMessageW(Native(), WM_LBUTTONUP, 0, At(box.x, box.y));
    EXPECT_EQ(parent->GetCell(0)->checkState, 2);
    std::vector<int32_t> codes = Codes(events);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), event::CellChecked);
    // The click also selects the row (the control's own processing).
    EXPECT_EQ(Selection(), (std::vector<Record*>{parent}));

    // An indeterminate box becomes unchecked.
    const RECT childCell = SubItemRect(1, 0);
    POINT childBox = {-1, -1};
    for (int32_t x = 0; x < 80 && childBox.x < 0; ++x) {
        const int32_t y = (childCell.bottom - childCell.top) / 2;
        if (drawer->HitCheckBox(x, y, 1, 1) && !drawer->HitExpander(x, y, 1))
            childBox = POINT{childCell.left + x, childCell.top + y};
    }
    ASSERT_GE(childBox.x, 0);
    ::SendMessageW(Native(), WM_LBUTTONDOWN, MK_LBUTTON, At(childBox.x, childBox.y));
    ::SendMessageW(Native(), WM_LBUTTONUP, 0, At(childBox.x, childBox.y));
    EXPECT_EQ(list_->GetRowAt(1)->GetCell(0)->checkState, 1);
    codes = Codes(events);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), event::CellUnchecked);
    EXPECT_EQ(list_->GetLastUnchecked(), list_->GetRowAt(1));

    // The expander collapses the row and does not select it.
    list_->DeselectAll();
    ::SendMessageW(Native(), WM_LBUTTONDOWN, MK_LBUTTON, At(expander.x, expander.y));
    ::SendMessageW(Native(), WM_LBUTTONUP, 0, At(expander.x, expander.y));
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{1, 3}));
    EXPECT_EQ(list_->GetSelectedCount(), 0u);
    ExpectInStep();

    // A double click elsewhere on the row toggles it back and is told.
    RecordingListener doubles;
    list_->AddDoubleClickListener(&doubles);
    const POINT row = InRow(0);
    ::SendMessageW(Native(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(row.x, row.y));
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{1, 2, 3}));
    EXPECT_EQ(Codes(doubles), (std::vector<int32_t>{event::RowDoubleClicked}));
    EXPECT_EQ(list_->GetDoubleClickedRecord(), parent);
    ExpectInStep();
}

TEST_F(ListWindowProcTest, ColumnClicksSortOnlySortableColumns)
{
    Columns();
    Show();
    for (int64_t n : {2, 3, 1})
        list_->AddRow(Row(n, 0, 0));
    RecordingListener events;
    list_->AddColumnClickListener(&events);
    list_->AddColumnSortedListener(&events);
    list_->AddSortedListener(&events);
    ClickColumn(1);
    EXPECT_EQ(Codes(events), (std::vector<int32_t>{event::ColumnClicked, event::ColumnSorted}));
    EXPECT_EQ(list_->GetLastClickedColumn(), 1);
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{2, 3, 1}));
    ClickColumn(2);
    EXPECT_EQ(Codes(events), (std::vector<int32_t>{event::ColumnClicked, event::Sorted, event::ColumnSorted}));
    // Rank descending first: 50 - n, so the numbers ascend.
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{1, 2, 3}));
    ClickColumn(2);
    Codes(events);
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{3, 2, 1}));
    ExpectInStep();
}

TEST_F(ListWindowProcTest, HeaderKeepsWidthsAboveTenAndTheLastColumnFixed)
{
    Columns();
    Show();
    HWND header = list_->GetHeader()->GetControl();
    ASSERT_NE(header, nullptr);
    struct Case {
        UINT code;
        int32_t item;
        int32_t width;
        LRESULT expected;
    };
    const Case cases[] = {
        {HDN_BEGINTRACKW, 2, 0, 1},  // the last column in display order
        {HDN_BEGINTRACKW, 0, 0, 0},
        {HDN_ITEMCHANGINGW, 0, 9, 1},
        {HDN_ITEMCHANGINGW, 0, 10, 0},
        {HDN_ITEMCHANGINGA, 1, 3, 1},
    };
    for (const Case& c : cases) {
        HDITEMW item = {};
        item.mask = HDI_WIDTH;
        item.cxy = c.width;
        NMHEADERW notice = {};
        notice.hdr.hwndFrom = header;
        notice.hdr.idFrom = ::GetDlgCtrlID(header);
        notice.hdr.code = c.code;
        notice.iItem = c.item;
        notice.pitem = &item;
        EXPECT_EQ(::SendMessageW(Native(), WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice)), c.expected)
            << c.code << " " << c.item << " " << c.width;
    }
    // A new order read back when the header lets the mouse go.
    s::col::_array::ArrayS32 order;
    for (int32_t c : {2, 0, 1})
        order.Append(c);
    list_->SetColumnOrder(&order);
    NMHDR released = {header, static_cast<UINT_PTR>(::GetDlgCtrlID(header)), static_cast<UINT>(NM_RELEASEDCAPTURE)};
    ::SendMessageW(Native(), WM_NOTIFY, released.idFrom, reinterpret_cast<LPARAM>(&released));
    ASSERT_EQ(list_->GetHeader()->GetColumnOrder()->GetCount(), 3u);
    EXPECT_EQ(list_->GetHeader()->GetColumnOrder()->Get(0), 2);
    EXPECT_EQ(list_->GetDisplayOrder()->Get(2), 1);
    // Wrong lengths, unknown and repeated columns change nothing.
    s::col::_array::ArrayS32 wrong;
    for (int32_t c : {0, 1})
        wrong.Append(c);
    list_->SetColumnOrder(&wrong);
    wrong.Append(7);
    list_->SetColumnOrder(&wrong);
    wrong.Set(2, 0);
    list_->SetColumnOrder(&wrong);
    list_->SetColumnOrder(nullptr);
    EXPECT_EQ(list_->GetDisplayOrder()->Get(0), 2);
}

TEST_F(ListWindowProcTest, LabelEditsAndSwallowedKeysReachTheListeners)
{
    Columns();
    Show();
    list_->AddRow(Row(1, 0, 0));
    RecordingListener edits;
    edits.action = [&](int32_t) {
        EXPECT_EQ(list_->GetEditedRow(), 0);
        EXPECT_STREQ(list_->GetEditedText(), L"renamed");
    };
    list_->AddLabelEditListener(&edits);
    NMLVDISPINFOW edit = {};
    edit.hdr.hwndFrom = Native();
    edit.hdr.code = LVN_ENDLABELEDITW;
    edit.item.iItem = 0;
    wchar_t text[] = L"renamed \x3000 ";
    edit.item.pszText = text;
    EXPECT_EQ(::SendMessageW(Native(), s::gui::msg::kReflectEndLabelEdit, 0, reinterpret_cast<LPARAM>(&edit)), 0);
    edit.item.pszText = nullptr;
    ::SendMessageW(Native(), s::gui::msg::kReflectEndLabelEdit, 0, reinterpret_cast<LPARAM>(&edit));
    EXPECT_EQ(edits.Count(), 1u);
    EXPECT_EQ(list_->GetEditedRow(), -1);

    // A key left alone goes to the control; one a listener marks is swallowed.
    SelectOnly(0);
    EXPECT_EQ(::SendMessageW(Native(), WM_KEYDOWN, VK_DOWN, 0), 0);
    RecordingListener keys;
    keys.action = [&](int32_t) {
        if (list_->GetKey() == VK_DELETE)
            list_->MarkKeyHandled();
    };
    list_->AddKeyListener(&keys);
    EXPECT_EQ(::SendMessageW(Native(), WM_KEYDOWN, VK_DELETE, 0), 1);
    ::SendMessageW(Native(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(Codes(keys), (std::vector<int32_t>{event::KeyDown, event::KeyDown}));
}

TEST_F(ListWindowProcTest, DroppedFilesAreReadAtTheirFullLength)
{
    list_->SetAcceptFiles(true);
    Columns();
    Show();
    EXPECT_TRUE(::GetWindowLongW(Native(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    const std::wstring shortPath = L"C:\\a.txt";
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'x') + L"\\b.txt";
    const size_t chars = shortPath.size() + 1 + longPath.size() + 1 + 1;
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    ASSERT_NE(memory, nullptr);
    DROPFILES* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    wchar_t* names = reinterpret_cast<wchar_t*>(reinterpret_cast<BYTE*>(drop) + sizeof(DROPFILES));
    wcscpy(names, shortPath.c_str());
    wcscpy(names + shortPath.size() + 1, longPath.c_str());
    ::GlobalUnlock(memory);
    RecordingListener drops;
    list_->AddShellDropListener(&drops);
    ::SendMessageW(Native(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(Codes(drops), (std::vector<int32_t>{event::ShellFilesDropped}));
    s::str::strarray::StrArray* files = list_->GetDroppedFiles();
    ASSERT_EQ(files->GetCount(), 2u);
    EXPECT_STREQ(files->Get(0)->GetText(), shortPath.c_str());
    EXPECT_STREQ(files->Get(1)->GetText(), longPath.c_str());
}

TEST_F(ListWindowProcTest, TheWheelScrollsByTheSignOfItsDelta)
{
    Columns();
    Show();
    for (int i = 0; i < 60; ++i)
        list_->AddRow(Row(i, 0, 0));
    const POINT inside = {list_->GetScreenX() + 50, list_->GetScreenY() + 60};
    auto top = [&] { return static_cast<int32_t>(::SendMessageW(Native(), LVM_GETTOPINDEX, 0, 0)); };
    // Down: a negative delta, whatever the key bits in the low word.
    const WPARAM down = MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-WHEEL_DELTA));
    EXPECT_EQ(::SendMessageW(Native(), WM_MOUSEWHEEL, down, MAKELPARAM(inside.x, inside.y)), 0);
    const int32_t afterDown = top();
    EXPECT_GT(afterDown, 0);
    const WPARAM up = MAKEWPARAM(MK_SHIFT, WHEEL_DELTA);
    ::SendMessageW(Native(), WM_MOUSEWHEEL, up, MAKELPARAM(inside.x, inside.y));
    EXPECT_LT(top(), afterDown);
    // Outside the list nothing scrolls.
    ::SendMessageW(Native(), WM_MOUSEWHEEL, down, MAKELPARAM(5, 5));
    EXPECT_EQ(::SendMessageW(Native(), WM_MOUSEWHEEL, down, MAKELPARAM(5, 5)), 1);
}

TEST_F(ListWindowProcTest, DraggingRowsWithinTheListMovesThemAndOntoAPartnerTellsIt)
{
    list_->SetDragReorder(true);
    EXPECT_TRUE(list_->IsRowDrag());
    Columns();
    Show();
    for (int i = 0; i < 5; ++i)
        list_->AddRow(NumberRow({i, 0, 0}));
    s::gui::win::SetAsyncKeyReader(&HeldKeys);
    RecordingListener events;
    list_->AddRowsMovedListener(&events);
    list_->AddPartnerDropListener(&events);

    auto drag = [&](int32_t from, POINT screenTarget) {
        SelectOnly(from);
        const POINT start = InRow(from);
        POINT screen = start;
        ::ClientToScreen(Native(), &screen);
        PlaceCursor(screen.x, screen.y);
        leftHeld = true;
        NMLISTVIEW begin = {};
        begin.hdr.hwndFrom = Native();
        begin.hdr.code = LVN_BEGINDRAG;
        begin.iItem = from;
        ::SendMessageW(Native(), s::gui::msg::kReflectBeginDrag, 0, reinterpret_cast<LPARAM>(&begin));
        PlaceCursor(screenTarget.x, screenTarget.y);
        POINT client = screenTarget;
        ::ScreenToClient(Native(), &client);
        ::SendMessageW(Native(), WM_MOUSEMOVE, MK_LBUTTON, At(client.x, client.y));
        leftHeld = false;
        ::SendMessageW(Native(), WM_LBUTTONUP, 0, At(client.x, client.y));
    };
    // Row 0 dropped on the lower half of row 3: after it.
    const RECT row3 = SubItemRect(3, 1);
    POINT target = {row3.left + 10, row3.bottom - 2};
    ::ClientToScreen(Native(), &target);
    drag(0, target);
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{1, 2, 3, 0, 4}));
    EXPECT_EQ(Codes(events), (std::vector<int32_t>{event::RowsMoved}));
    EXPECT_EQ(list_->GetDropRow(), -1);
    ExpectInStep();

    // Onto a partner list beside it.
    ListBox2* partner = ListBox2::New();
    partner->SetFixedWidth(100);
    partner->SetFixedHeight(kHeight);
    box_->AddChild(partner);
    OnListThread([&] { partner->SetBounds(kWidth + 10, 0, 100, kHeight); });
    list_->AddDropPartner(partner);
    const POINT over = {partner->GetScreenX() + 30, partner->GetScreenY() + 30};
    drag(1, over);
    EXPECT_EQ(Codes(events), (std::vector<int32_t>{event::RowsDroppedOnPartner}));
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{1, 2, 3, 0, 4}));
}

TEST_F(ListWindowProcTest, ADragWithoutAPictureStillRuns)
{
    list_->SetDragReorder(true);
    // Without columns the rows have no width: no picture can be made of them.
    Show();
    for (int i = 0; i < 4; ++i)
        list_->AddRow(NumberRow({i}));
    s::gui::win::SetAsyncKeyReader(&HeldKeys);
    RecordingListener events;
    list_->AddRowsMovedListener(&events);
    SelectOnly(0);
    CImageList* picture = reinterpret_cast<CImageList*>(1);
    OnListThread([&] { picture = list_->CreateDragImage(); });
    ASSERT_EQ(nullptr, picture);

    RECT window;
    ::GetWindowRect(Native(), &window);
    PlaceCursor(window.left + 30, window.top + 10);
    leftHeld = true;
    NMLISTVIEW begin = {};
    begin.hdr.hwndFrom = Native();
    begin.hdr.code = LVN_BEGINDRAG;
    ::SendMessageW(Native(), s::gui::msg::kReflectBeginDrag, 0, reinterpret_cast<LPARAM>(&begin));
    HWND captured = nullptr;
    OnListThread([&] { captured = ::GetCapture(); });
    EXPECT_EQ(Native(), captured);
    // The drag follows the mouse.
    const POINT below = {30, (window.bottom - window.top) - 20};
    PlaceCursor(window.left + below.x, window.top + below.y);
    ::SendMessageW(Native(), WM_MOUSEMOVE, MK_LBUTTON, At(below.x, below.y));
    EXPECT_EQ(list_->GetDropRow(), 4);
    leftHeld = false;
    ::SendMessageW(Native(), WM_LBUTTONUP, 0, At(below.x, below.y));
    // Dropped below the last row: the row goes to the end.
    EXPECT_EQ(Codes(events), (std::vector<int32_t>{event::RowsMoved}));
    EXPECT_EQ(Numbers(), (std::vector<int64_t>{1, 2, 3, 0}));
    EXPECT_EQ(list_->GetDropRow(), -1);
    captured = Native();
    OnListThread([&] { captured = ::GetCapture(); });
    EXPECT_EQ(nullptr, captured);
    ExpectInStep();
}

TEST_F(ListWindowProcTest, AutoScrollMovesEveryOtherTickAtFirst)
{
    list_->SetRowDrag(true);
    Columns();
    Show();
    for (int i = 0; i < 80; ++i)
        list_->AddRow(Row(i, 0, 0));
    s::gui::win::SetAsyncKeyReader(&HeldKeys);
    SelectOnly(0);
    POINT start = InRow(0);
    ::ClientToScreen(Native(), &start);
    PlaceCursor(start.x, start.y);
    leftHeld = true;
    NMLISTVIEW begin = {};
    begin.hdr.hwndFrom = Native();
    begin.hdr.code = LVN_BEGINDRAG;
    ::SendMessageW(Native(), s::gui::msg::kReflectBeginDrag, 0, reinterpret_cast<LPARAM>(&begin));
    ::KillTimer(Native(), s::gui::msg::kListAutoScrollTimer);
    // The timer is driven by hand from here; a tick away from the edges starts the count anew
    // (the real timer may have ticked before it was stopped).
    RECT window;
    ::GetWindowRect(Native(), &window);
    PlaceCursor(window.left + 30, (window.top + window.bottom) / 2);
    ::SendMessageW(Native(), WM_TIMER, s::gui::msg::kListAutoScrollTimer, 0);
    ASSERT_EQ(::SendMessageW(Native(), LVM_GETTOPINDEX, 0, 0), 0);
    PlaceCursor(window.left + 30, window.bottom + 5);
    std::vector<int32_t> tops;
    for (int tick = 1; tick <= 12; ++tick) {
        ::SendMessageW(Native(), WM_TIMER, s::gui::msg::kListAutoScrollTimer, 0);
        tops.push_back(static_cast<int32_t>(::SendMessageW(Native(), LVM_GETTOPINDEX, 0, 0)));
    }
    EXPECT_EQ(tops, (std::vector<int32_t>{0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 6, 7}));
    leftHeld = false;
    ::SendMessageW(Native(), WM_LBUTTONUP, 0, 0);
    // Without a drag the timer is not the list's.
    EXPECT_EQ(::SendMessageW(Native(), WM_TIMER, s::gui::msg::kListAutoScrollTimer, 0), 0);
}

} // namespace

// What the list hands its drawer for each cell, seen through a recording drawer: the exact
// arguments, the selection with and without full-row select, the drop marker, nothing while an
// update runs, the drag image's cells and the buttons that show only under the cursor.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/map/MapTable.h"
#include "core/str/StrBuffer.h"
#include "images/util/ImageCacher.h"
#include "lists/ListStage.h"
#include "lists/RecordingListDrawer.h"
#include "lists/listbox2/CellFormatters.h"
#include "mfc/ImageList.h"

using namespace listtest;

namespace {

class ListDrawerTest : public ListStage {
protected:
    void SetUp() override
    {
        ListStage::SetUp();
        // Away from the list: no cell is under the cursor unless a test puts it there.
        PlaceCursor(0, 0);
        recorder_ = std::make_unique<RecordingListDrawer>(list_->GetDrawer());
        list_->SetDrawer(recorder_.get(), false);
    }
    void TearDown() override
    {
        if (list_)
            list_->SetDrawer(nullptr, false);
        ListStage::TearDown();
    }

    // Shows the list and lets the paints of its creation pass.
    void ShowQuiet()
    {
        Show();
        Settle();
    }
    void Settle()
    {
        OnListThread([&] { ::UpdateWindow(Native()); });
        recorder_->Take();
    }
    std::vector<DrawCall> PaintRow(int32_t row)
    {
        recorder_->Take();
        OnListThread([&] { list_->RepaintRow(row, false); });
        return recorder_->Take();
    }
    int32_t ClientWidth()
    {
        RECT client;
        ::GetClientRect(Native(), &client);
        return client.right;
    }

    std::unique_ptr<RecordingListDrawer> recorder_;
};

TEST_F(ListDrawerTest, EachCellGetsItsOwnArguments)
{
    list_->SetAlternateRows(true);
    list_->AddColumn(L"Field", 150, 0, false, nullptr, true, false, true, false, true);
    list_->AddColumn(L"Load", 70, 2, false, nullptr, true, false, false, false, false);
    list_->AddColumn(L"State", 60, 1, false, nullptr, true, true, false, false, false);
    Record* parent = TextRow({L"Processor", L"", L"idle"}, 0, 1);
    parent->GetCell(0)->checkState = 1;
    SubRecord* load = parent->GetCell(1);
    load->ReplaceValue(425);
    load->valueDestructor = nullptr;
    load->formatter = &s::gui::listbox2::FormatPercentTenthsCell;
    Record* child = TextRow({L"Core 1", L"8 %", L""}, 0, 0);
    child->GetCell(0)->checkState = 2;
    child->GetCell(1)->drawerFlag = 1;
    SubRecord* state = child->GetCell(2);
    state->ReplaceValue(8);
    state->valueDestructor = nullptr;
    state->formatter = &s::gui::listbox2::FormatTransferStateCell;
    parent->AppendChild(child);
    Record* last = TextRow({L"Memory", L"41 %", L"ok"}, 0, 0);
    last->dimmed = 1;
    list_->AddRow(parent);
    list_->AddRow(last);
    ShowQuiet();
    ASSERT_EQ(3u, list_->GetRowCount());
    ASSERT_EQ(child, list_->GetRowAt(1));

    struct Expect {
        int32_t row;
        uint32_t column;
        int32_t alignment;
        uint8_t alternate, first, lastRow, highlighted;
        uint8_t hasCheck;
        int32_t check;
        uint8_t tree;
        int32_t expand, level;
        uint8_t hasIcon, progress, statusColor;
        const wchar_t* text;
        // 0 the primary font, 1 the emphasised one, 2 the dimmed one.
        int font;
    };
    const Expect expected[] = {
        {0, 0, 0, 0, 1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, nullptr, 0},
        {0, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, nullptr, 0},
        {0, 2, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, L"idle", 0},
        {1, 0, 0, 1, 0, 0, 0, 1, 2, 1, 0, 1, 0, 0, 0, nullptr, 0},
        {1, 1, 2, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, L"8 %", 0},
        {1, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, nullptr, 1},
        {2, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, nullptr, 2},
        {2, 2, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, L"ok", 2},
    };
    std::vector<DrawCall> rows[3] = {PaintRow(0), PaintRow(1), PaintRow(2)};
    s::gui::IFont* fonts[3] = {list_->GetPrimaryFont(), nullptr, nullptr};
    for (const Expect& e : expected) {
        SCOPED_TRACE(testing::Message() << "row " << e.row << " column " << e.column);
        ASSERT_EQ(3u, rows[e.row].size());
        const DrawCall& call = rows[e.row][e.column];
        const RECT sub = SubItemRect(e.row, static_cast<int32_t>(e.column));
        EXPECT_EQ(sub.bottom - sub.top, call.height);
        EXPECT_EQ(e.alignment, call.alignment);
        EXPECT_EQ(0, call.selected);
        EXPECT_EQ(0, call.fullRowSelect);
        EXPECT_EQ(e.alternate, call.alternateRow);
        EXPECT_EQ(-1, call.dropLevel);
        EXPECT_EQ(-1, call.dropPosition);
        EXPECT_EQ(e.first, call.firstRow);
        EXPECT_EQ(e.lastRow, call.lastRow);
        EXPECT_EQ(e.highlighted, call.highlighted);
        EXPECT_EQ(e.hasCheck, call.hasCheckBox);
        EXPECT_EQ(e.check, call.checkState);
        EXPECT_EQ(0, call.option);
        EXPECT_EQ(e.tree, call.treeRow);
        EXPECT_EQ(e.expand, call.expandState);
        EXPECT_EQ(e.level, call.level);
        EXPECT_EQ(e.hasIcon, call.hasIcon);
        // No icon source: no picture.
        EXPECT_EQ(nullptr, call.icon);
        EXPECT_EQ(e.progress, call.progress);
        EXPECT_EQ(e.statusColor, call.statusColor);
        EXPECT_EQ(1, call.endEllipsis);
        EXPECT_EQ(0, call.bottomAlign);
        EXPECT_EQ(0, call.underline);
        EXPECT_EQ(0, call.linkColor);
        EXPECT_TRUE(call.hadTarget);
        if (e.text) {
            EXPECT_EQ(std::wstring(e.text), call.text);
        }
        if (e.font == 0)
            EXPECT_EQ(fonts[0], call.font);
        else if (!fonts[e.font])
            fonts[e.font] = call.font;
        EXPECT_EQ(fonts[e.font], call.font);
    }
    // The emphasised and the dimmed font are fonts of their own.
    EXPECT_NE(fonts[1], fonts[0]);
    EXPECT_NE(fonts[2], fonts[0]);
    EXPECT_NE(fonts[1], fonts[2]);
    // Value and widths: the status of a cell is its value; the first column as wide as its header
    // item, the last one reaching the list's right edge.
    EXPECT_EQ(425, rows[0][1].status);
    EXPECT_EQ(8, rows[1][2].status);
    EXPECT_EQ(150, rows[0][0].width);
    EXPECT_EQ(70, rows[0][1].width);
    EXPECT_EQ(ClientWidth() - SubItemRect(0, 2).left, rows[0][2].width);
}

TEST_F(ListDrawerTest, WithoutFullRowSelectOnlyTheFirstCellOfASelectedRowIsSelected)
{
    list_->AddColumn(L"A", 80, 0, false, nullptr, true, false, false, false, false);
    list_->AddColumn(L"B", 80, 0, false, nullptr, true, false, false, false, false);
    list_->AddColumn(L"C", 80, 0, false, nullptr, true, false, false, false, false);
    for (int i = 0; i < 3; ++i)
        list_->AddRow(NumberRow({i, i, i}));
    ShowQuiet();
    SetNativeState(1, LVIS_SELECTED, LVIS_SELECTED);
    struct Case {
        bool fullRow;
        std::vector<uint8_t> selected;
    };
    const Case cases[] = {{false, {1, 0, 0}}, {true, {1, 1, 1}}};
    for (const Case& c : cases) {
        list_->SetFullRowSelect(c.fullRow);
        Settle();
        std::vector<uint8_t> selected;
        for (const DrawCall& call : PaintRow(1)) {
            selected.push_back(call.selected);
            EXPECT_EQ(c.fullRow ? 1 : 0, call.fullRowSelect);
        }
        EXPECT_EQ(c.selected, selected) << c.fullRow;
        // Rows not selected paint no cell selected.
        for (const DrawCall& call : PaintRow(2))
            EXPECT_EQ(0, call.selected);
    }
}

TEST_F(ListDrawerTest, TheDropMarkerReachesTheRowsOnEitherSideOfIt)
{
    list_->AddColumn(L"A", 80, 0, false, nullptr, true, false, false, false, false);
    list_->AddColumn(L"B", 80, 0, false, nullptr, true, false, false, false, false);
    for (int i = 0; i < 4; ++i)
        list_->AddRow(NumberRow({i, i}));
    ShowQuiet();
    OnListThread([&] { list_->SetDropMarker(2, 0); });
    // Level and edge of each row's cells: the row above the marker on its bottom edge, the
    // marker row on its top edge.
    const int32_t levels[4] = {-1, 0, 0, -1};
    const int32_t edges[4] = {-1, 1, 0, -1};
    for (int32_t row = 0; row < 4; ++row) {
        for (const DrawCall& call : PaintRow(row)) {
            EXPECT_EQ(levels[row], call.dropLevel) << row;
            EXPECT_EQ(edges[row], call.dropPosition) << row;
        }
    }
    OnListThread([&] { list_->SetDropMarker(-1, 0); });
}

TEST_F(ListDrawerTest, AHighlightedRowIsRepaintedAtOnceInTheEmphasisedFont)
{
    list_->AddColumn(L"A", 80, 0, false, nullptr, true, false, false, false, false);
    list_->AddColumn(L"B", 80, 0, false, nullptr, true, false, false, false, false);
    for (const wchar_t* name : {L"first", L"second", L"third"})
        list_->AddRow(TextRow({name, L"x"}));
    ShowQuiet();
    s::gui::IFont* primary = list_->GetPrimaryFont();
    Record* row = list_->GetRowAt(1);
    // The fonts the row's cells were painted in during the call, without a paint of the test's.
    auto fontsOfRow = [&](const wchar_t* name) {
        std::vector<s::gui::IFont*> fonts;
        for (const DrawCall& call : recorder_->Take()) {
            if (call.text == name)
                fonts.push_back(call.font);
        }
        return fonts;
    };
    list_->SetRowHighlighted(true, row, row->id);
    const std::vector<s::gui::IFont*> shown = fontsOfRow(L"second");
    ASSERT_FALSE(shown.empty()) << "repainted before the call returned";
    EXPECT_NE(primary, shown.back());
    EXPECT_TRUE(shown.back()->IsBold());
    for (const DrawCall& call : PaintRow(1))
        EXPECT_EQ(shown.back(), call.font);
    EXPECT_EQ(primary, PaintRow(0)[0].font);
    // A stale id neither clears the highlight nor repaints.
    list_->SetRowHighlighted(false, row, row->id + 1);
    EXPECT_TRUE(recorder_->Take().empty());
    EXPECT_EQ(shown.back(), PaintRow(1)[0].font);
    list_->SetRowHighlighted(false, row, row->id);
    const std::vector<s::gui::IFont*> cleared = fontsOfRow(L"second");
    ASSERT_FALSE(cleared.empty());
    EXPECT_EQ(primary, cleared.back());
}

TEST_F(ListDrawerTest, NothingIsPaintedWhileAnUpdateRuns)
{
    list_->AddColumn(L"A", 80, 0, false, nullptr, true, false, false, false, false);
    for (int i = 0; i < 3; ++i)
        list_->AddRow(NumberRow({i}));
    ShowQuiet();
    list_->SetUpdating(true);
    OnListThread([&] {
        list_->RepaintRow(0, true);
        list_->RefreshOneCell(1, 0, true);
        list_->RefreshColumnCells(0, true);
        ::RedrawWindow(Native(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    list_->SetCellValue(list_->GetRowAt(2), list_->GetRowAt(2)->id, 0, 77);
    EXPECT_TRUE(recorder_->Take().empty());
    list_->SetUpdating(false);
    OnListThread([&] { ::RedrawWindow(Native(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
    const std::vector<DrawCall> calls = recorder_->Take();
    ASSERT_FALSE(calls.empty());
    bool changed = false;
    for (const DrawCall& call : calls)
        changed = changed || call.text == L"77";
    EXPECT_TRUE(changed);
}

TEST_F(ListDrawerTest, TheDragImageHoldsTheSelectedRowsCells)
{
    list_->AddColumn(L"A", 80, 0, false, nullptr, true, false, false, false, false);
    list_->AddColumn(L"B", 80, 0, false, nullptr, true, false, false, false, false);
    for (int i = 0; i < 5; ++i)
        list_->AddRow(NumberRow({i, 10 + i}));
    ShowQuiet();
    for (int32_t row : {1, 2, 4})
        SetNativeState(row, LVIS_SELECTED, LVIS_SELECTED);
    RECT all = {LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageW(Native(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&all));
    RECT lastRow = {LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageW(Native(), LVM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&lastRow));
    all.bottom = lastRow.bottom;
    struct Case {
        bool fullRow;
        std::vector<std::wstring> texts;
    };
    const Case cases[] = {{false, {L"1", L"2", L"4"}}, {true, {L"1", L"11", L"2", L"12", L"4", L"14"}}};
    for (const Case& c : cases) {
        list_->SetFullRowSelect(c.fullRow);
        Settle();
        CImageList* image = nullptr;
        OnListThread([&] { image = list_->CreateDragImage(); });
        ASSERT_NE(nullptr, image) << c.fullRow;
        int width = 0, height = 0;
        ImageList_GetIconSize(image->GetSafeHandle(), &width, &height);
        EXPECT_EQ(all.right - all.left, width);
        EXPECT_EQ(all.bottom - all.top, height);
        EXPECT_EQ(1, ImageList_GetImageCount(image->GetSafeHandle()));
        image->DeleteImageList();
        delete image;
        std::vector<std::wstring> texts;
        for (const DrawCall& call : recorder_->Take())
            texts.push_back(call.text);
        EXPECT_EQ(c.texts, texts) << c.fullRow;
    }
    // Nothing selected: no image.
    SelectOnly(0);
    SetNativeState(0, 0, LVIS_SELECTED);
    CImageList* none = reinterpret_cast<CImageList*>(1);
    OnListThread([&] { none = list_->CreateDragImage(); });
    EXPECT_EQ(nullptr, none);
}

TEST_F(ListDrawerTest, AButtonShownWhenHotAppearsOnlyUnderTheCursor)
{
    list_->AddColumn(L"Name", 120, 0, false, nullptr, true, false, false, false, false);
    list_->AddColumn(L"Action", 120, 0, false, nullptr, true, false, false, false, false);
    list_->AddRow(TextRow({L"always", L"Open"}));
    list_->AddRow(TextRow({L"hot", L"Remove"}));
    SubRecord* always = list_->GetRowAt(0)->GetCell(1);
    always->buttonShown = 1;
    SubRecord* hot = list_->GetRowAt(1)->GetCell(1);
    hot->buttonShown = 1;
    hot->buttonWhenHot = 1;
    hot->hotTracked = 1;
    ShowQuiet();

    // Away from the cursor: the plain button shows, the hot one does not.
    EXPECT_EQ(1, PaintRow(0)[1].underline);
    const DrawCall away = PaintRow(1)[1];
    EXPECT_EQ(0, away.underline);
    EXPECT_EQ(0, away.linkColor);
    EXPECT_EQ(nullptr, list_->GetHotCell());
    ASSERT_GT(hot->hotRect[2], 0);

    // On the area the drawer reported: shown with the hover look, the cell hot, the mouse taken.
    RECT cell = SubItemRect(1, 1);
    POINT on = {cell.left + hot->hotRect[0] + 1, cell.top + hot->hotRect[1] + 1};
    ::ClientToScreen(Native(), &on);
    PlaceCursor(on);
    const DrawCall under = PaintRow(1)[1];
    EXPECT_EQ(1, under.underline);
    EXPECT_EQ(1, under.linkColor);
    EXPECT_EQ(hot, list_->GetHotCell());
    EXPECT_EQ(list_->GetRowAt(1), list_->GetHotRecord());
    HWND captured = nullptr;
    OnListThread([&] {
        captured = ::GetCapture();
        ::ReleaseCapture();
    });
    EXPECT_EQ(Native(), captured);
    PlaceCursor(POINT{0, 0});
    EXPECT_EQ(0, PaintRow(1)[1].underline);
}

TEST_F(ListDrawerTest, IconCellsShowTheirPicturesFromTheListsCache)
{
    list_->AddColumn(L"File", 160, 0, false, nullptr, true, true, false, false, false);
    list_->AddColumn(L"Size", 60, 2, false, nullptr, true, false, false, false, false);
    struct Row {
        const wchar_t* source;
        bool fromShell;
    };
    const Row rows[] = {
        {L"C:\\docs\\Letter.txt", true},
        {L"D:\\OTHER\\NOTES.TXT", true},
        {L"C:\\missing\\picture.png", false},
        {L"C:\\MISSING\\Picture.PNG", false},
        {nullptr, false},
    };
    for (const Row& r : rows) {
        Record* record = TextRow({r.source ? r.source : L"(none)", L"1 KB"});
        SubRecord* cell = record->GetCell(0);
        if (r.source)
            cell->iconSource = StrBuffer::FromText(r.source);
        cell->iconFromShell = r.fromShell ? 1 : 0;
        list_->AddRow(record);
    }
    ShowQuiet();
    std::vector<s::image::IImageBuffer*> icons;
    for (int32_t row = 0; row < 5; ++row) {
        const std::vector<DrawCall> calls = PaintRow(row);
        ASSERT_EQ(2u, calls.size());
        EXPECT_EQ(1, calls[0].hasIcon);
        // The other column has no icon.
        EXPECT_EQ(nullptr, calls[1].icon);
        icons.push_back(calls[0].icon);
    }
    // Both text files show the one picture of their type; the unreadable image none, kept once
    // for both spellings; the cell without a source none, and nothing kept for it.
    EXPECT_NE(nullptr, icons[0]);
    EXPECT_EQ(icons[0], icons[1]);
    EXPECT_EQ(nullptr, icons[2]);
    EXPECT_EQ(nullptr, icons[3]);
    EXPECT_EQ(nullptr, icons[4]);
    EXPECT_EQ(2u, list_->GetIconCache()->GetMap()->GetCount());
    // Painted again, nothing new is loaded.
    PaintRow(0);
    PaintRow(3);
    EXPECT_EQ(2u, list_->GetIconCache()->GetMap()->GetCount());
    // A list given back empties its cache.
    list_->GetIconCache()->Reset();
    EXPECT_EQ(0u, list_->GetIconCache()->GetMap()->GetCount());
}

} // namespace

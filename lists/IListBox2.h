#pragma once
#include <windows.h>

#include <cstdint>

#include "lists/listbox2/DataType.h"
#include "storage/events/IEventListener.h"
#include "windowing/component/IComponent.h"

namespace s {
namespace app {
class IAppWindowFactory;
}
namespace archive {
class IEntry;
}
namespace col {
namespace _array {
class ArrayS32;
}
} // namespace col
namespace lang {
class Localizer;
}
namespace str {
namespace strarray {
class StrArray;
}
} // namespace str
namespace gui {

class IDragOutNode;
class IFont;
class IScrollBar;
class IPopupMenu;
namespace drawer {
class IListBox;
}
namespace win {
class ListHeader;
}
namespace listbox2 {
class List;
class Record;
class SubRecord;
} // namespace listbox2

// The report list: a native list-view whose rows it paints itself from its record model. Content
// changes may come from any thread: they run on the list's window thread (before the window
// exists, on the caller's). A row is named by its record and the id the record carried when the
// caller took it; a stale pair is ignored.
class IListBox2 : public IComponent, public events::IEventListener {
public:
    // View and style flags; stored before the window exists, applied at once afterwards.
    virtual void SetIconView() = 0;
    virtual void SetListView() = 0;
    virtual void SetReportView() = 0;
    virtual void SetMultiSelect(bool on) = 0;
    virtual void SetHeaderVisible(bool on) = 0;
    virtual void SetCheckBoxes(bool on) = 0;
    virtual void SetFullRowSelect(bool on) = 0;
    virtual void SetGridLines(bool on) = 0;
    virtual void SetAcceptFiles(bool on) = 0;
    virtual void SetOleDropTarget(bool on) = 0;
    virtual void SetRowDrag(bool on) = 0;
    virtual void SetDragOut(bool on) = 0;
    virtual void AddDragOutEntry(const wchar_t* path, archive::IEntry* entry) = 0;
    virtual void AddDragOutTree(const wchar_t* basePath, IDragOutNode* node) = 0;
    virtual listbox2::List* GetModel() = 0;

    // Columns, in insertion order.
    virtual listbox2::DataType* GetColumn(uint32_t index) = 0;
    virtual void AddLocalizedColumn(lang::Localizer* localizer, int32_t textId, int32_t width, int32_t alignment,
                                    bool sortable, listbox2::CellCompare compare, bool ascending, bool iconColumn,
                                    bool checkColumn, bool editable, bool treeColumn) = 0;
    virtual void AddColumn(const wchar_t* caption, int32_t width, int32_t alignment, bool sortable,
                           listbox2::CellCompare compare, bool ascending, bool iconColumn, bool checkColumn,
                           bool editable, bool treeColumn) = 0;
    virtual void InsertColumn(listbox2::DataType* column) = 0;
    // Ignored unless it holds one entry per column.
    virtual void SetColumnOrder(col::_array::ArrayS32* order) = 0;

    // Rows.
    virtual uint32_t GetRowCount() = 0;
    virtual listbox2::Record* GetRowAt(uint32_t row) = 0;
    virtual void RemoveRow(listbox2::Record* record, int32_t id) = 0;
    virtual void RemoveAllRows() = 0;
    virtual void SetCellValue(listbox2::Record* record, int32_t id, uint32_t column, uint64_t value) = 0;
    virtual void RefreshCell(listbox2::Record* record, int32_t id, uint32_t column) = 0;
    virtual void ToggleSortColumn(uint32_t column) = 0;
    virtual void Sort() = 0;
    virtual void RemoveSelectedRows() = 0;
    virtual void AddRow(listbox2::Record* record) = 0;
    virtual void ToggleExpand(listbox2::Record* record, int32_t id) = 0;
    virtual void InsertRow(int32_t position, listbox2::Record* record) = 0;
    virtual void SetBold(bool bold) = 0;
    virtual void SetRowHighlighted(bool highlighted, listbox2::Record* record, int32_t id) = 0;
    virtual listbox2::Record* GetPreviousRow(listbox2::Record* record, int32_t id, bool wrap) = 0;
    virtual listbox2::Record* GetNextRow(listbox2::Record* record, int32_t id, bool wrap) = 0;
    virtual listbox2::Record* GetFirstRow() = 0;
    virtual void SetUpdating(bool begin) = 0;
    virtual void RefreshColumn(uint32_t column) = 0;
    virtual void SetCellCheckState(listbox2::Record* record, int32_t id, uint32_t column, int32_t state,
                                   bool notify) = 0;
    virtual void MoveSelectionUp() = 0;
    virtual void MoveSelectionDown() = 0;
    virtual void MoveSelectionOut() = 0;
    virtual void EnsureVisible(listbox2::Record* record, int32_t id) = 0;
    virtual void DeselectAll() = 0;
    virtual void SelectRow(listbox2::Record* record, int32_t id) = 0;
    virtual void RemoveAndReleaseRow(listbox2::Record* record, int32_t id) = 0;
    virtual void RemoveAndReleaseAllRows() = 0;

    // The selection, in the order the control reported it (or by row after SortSelectionByRow).
    virtual uint32_t GetSelectedCount() = 0;
    // False, with null and -1, beyond the selection.
    virtual bool GetSelectedAt(uint32_t index, listbox2::Record** record, int32_t* id) = 0;
    virtual void SortSelectionByRow() = 0;
    virtual int32_t GetEditedRow() = 0;
    virtual const wchar_t* GetEditedText() = 0;
    virtual str::strarray::StrArray* GetDroppedFiles() = 0;

    // Row height, fonts and sizes.
    virtual int32_t GetInnerHeight() = 0;
    virtual void SetInnerHeight(int32_t height) = 0;
    virtual void SetRowHeight(int32_t height) = 0;
    virtual int32_t GetRowHeight() = 0;
    virtual IFont* GetPrimaryFont() = 0;
    virtual void SetSizeCode(int32_t code) = 0;
    virtual const wchar_t* GetFaceName() = 0;
    virtual void SetFaceName(const wchar_t* face) = 0;
    virtual int32_t GetFontHeight() = 0;
    virtual void SetFontHeight(int32_t height) = 0;
    virtual COLORREF GetFontColor() = 0;
    virtual void SetFontColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual int32_t GetFontWidth() = 0;
    virtual void SetFontWidth(int32_t width) = 0;
    virtual bool IsBold() = 0;
    virtual bool IsItalic() = 0;
    virtual void SetItalic(bool italic) = 0;
    virtual bool IsUnderline() = 0;
    virtual void SetUnderline(bool underline) = 0;
    virtual bool IsStrikeOut() = 0;
    virtual void SetStrikeOut(bool strikeOut) = 0;
    virtual int32_t GetWeight() = 0;
    virtual void SetWeight(int32_t weight) = 0;
    virtual void FillParent() = 0;
    virtual void SetWidthPercent(int32_t percent) = 0;
    virtual void SetHeightPercent(int32_t percent) = 0;
    virtual void SetFixedWidth(int32_t width) = 0;
    virtual void SetFixedHeight(int32_t height) = 0;

    // Listeners, one operation per event (ListBox2Event).
    virtual void AddSelectListener(events::IEventListener* listener) = 0;
    virtual void AddDeselectListener(events::IEventListener* listener) = 0;
    virtual void AddShellDropListener(events::IEventListener* listener) = 0;
    virtual void AddPartnerDropListener(events::IEventListener* listener) = 0;
    virtual void AddRowsMovedListener(events::IEventListener* listener) = 0;
    virtual void AddLabelEditListener(events::IEventListener* listener) = 0;
    virtual void AddColumnClickListener(events::IEventListener* listener) = 0;
    virtual void AddColumnSortedListener(events::IEventListener* listener) = 0;
    virtual void AddContextMenuListener(events::IEventListener* listener) = 0;
    virtual void AddKeyListener(events::IEventListener* listener) = 0;
    virtual bool IsCellButtonTracking() = 0;
    virtual void SetCellButtonTracking(bool on) = 0;
    virtual void AddCellButtonListener(events::IEventListener* listener) = 0;
    virtual listbox2::Record* GetHotRecord() = 0;
    virtual listbox2::SubRecord* GetHotCell() = 0;
    virtual void AddSingleSelectListener(events::IEventListener* listener) = 0;
    virtual void AddSelectionEmptiedListener(events::IEventListener* listener) = 0;
    virtual void AddDoubleClickListener(events::IEventListener* listener) = 0;
    virtual listbox2::Record* GetDoubleClickedRecord() = 0;
    virtual void AddSortedListener(events::IEventListener* listener) = 0;
    virtual void ConfigureDragOut(events::IEventListener* listener, app::IAppWindowFactory* application,
                                  bool ownedByWindow, const wchar_t* caption) = 0;
    virtual void AddOleDropListener(events::IEventListener* listener) = 0;
    virtual int32_t GetDropRow() = 0;
    virtual void EnableWithSelection(IComponent* component) = 0;
    virtual void EnableWithSingleSelection(IComponent* component) = 0;
    virtual void DisableWhenSelectionEmpty(IComponent* component) = 0;
    virtual void AddDropPartner(IListBox2* list) = 0;
    virtual IListBox2* GetDropPartner() = 0;
    virtual int32_t GetLastClickedColumn() = 0;
    virtual void SetContextMenu(IPopupMenu* menu) = 0;
    virtual void SetHideNativeScrollBars(bool hide) = 0;
    virtual win::ListHeader* GetHeader() = 0;
    virtual void SetBorder(bool border) = 0;
    // The list takes rows dropped on itself (and so may drag them).
    virtual void SetDragReorder(bool on) = 0;
    virtual void SetDrawer(drawer::IListBox* drawer, bool owned) = 0;
    virtual void SetDropMarker(int32_t row, int32_t mode) = 0;
    virtual void SetMarkerColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetSecondaryFontColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetAlternateColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetAlternateRows(bool on) = 0;
    virtual void SetMiddleButtonFlag(bool on) = 0;
    virtual void AddCheckListener(events::IEventListener* listener) = 0;
    virtual listbox2::Record* GetLastChecked() = 0;
    virtual void AddUncheckListener(events::IEventListener* listener) = 0;
    virtual listbox2::Record* GetLastUnchecked() = 0;
    // The virtual key of the key event being told (event 8), and the listener's way to swallow it.
    virtual UINT GetKey() = 0;
    virtual void MarkKeyHandled() = 0;
    virtual void SetKeepSorted(bool on) = 0;
    virtual void CollapseAll() = 0;
    virtual void SetFontPreviewColumn(int32_t column, int32_t pointSize, bool bold, bool italic,
                                      const wchar_t* sample) = 0;
    virtual void SetExcludedChild(IComponent* child) = 0;
    // The owner-drawn bars of the list's container; the list has them recompute after changes
    // and scrolls through them.
    virtual void SetScrollBars(IScrollBar* vertical, IScrollBar* horizontal) = 0;
    virtual IScrollBar* GetVerticalScrollBar() = 0;
    virtual IScrollBar* GetHorizontalScrollBar() = 0;
};

} // namespace gui
} // namespace s

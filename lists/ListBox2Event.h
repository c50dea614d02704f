#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace gui {

// What a report list tells its listeners, with itself as the source.
namespace ListBox2Event {
const int32_t RowSelected = 1;
const int32_t RowDeselected = 2;
const int32_t ShellFilesDropped = 3;
const int32_t RowsDroppedOnPartner = 4;
const int32_t LabelEdited = 5;
const int32_t ColumnSorted = 6;
const int32_t ContextMenuRequested = 7;
const int32_t KeyDown = 8;
const int32_t SingleRowSelected = 20;
const int32_t SelectionEmptied = 21;
const int32_t RowDoubleClicked = 22;
const int32_t CellChecked = 23;
const int32_t CellUnchecked = 24;
const int32_t RowsMoved = 25;
const int32_t Sorted = 26;
const int32_t DragOutStarted = 27;
const int32_t DragOutTransferStarted = 28;
const int32_t DragOutEnded = 29;
const int32_t OleFilesDropped = 30;
const int32_t CellButtonClicked = 31;
const int32_t ColumnClicked = 32;
} // namespace ListBox2Event

namespace msg {
// The report list's private messages, sent to its own window with the operation block's address
// in wParam and this process's key in lParam; without the key they are ignored.
const UINT kListRemoveRow = 0x1401;
const UINT kListRemoveAllRows = 0x1402;
const UINT kListSetCellValue = 0x1403;
const UINT kListToggleSortColumn = 0x1404;
const UINT kListSort = 0x1405;
const UINT kListRemoveSelectedRows = 0x1406;
const UINT kListAppendRow = 0x1407;
const UINT kListSetRowHighlighted = 0x1408;
const UINT kListNextRow = 0x1409;
const UINT kListPreviousRow = 0x1410;
const UINT kListSetUpdating = 0x1411;
const UINT kListRefreshColumn = 0x1412;
const UINT kListInsertRow = 0x1413;
const UINT kListToggleExpand = 0x1414;
const UINT kListRefreshCell = 0x1415;
const UINT kListSetCheckState = 0x1416;
const UINT kListMoveSelectionUp = 0x1417;
const UINT kListMoveSelectionDown = 0x1418;
const UINT kListMoveSelectionOut = 0x1419;
const UINT kListEnsureVisible = 0x1420;
const UINT kListDeselectAll = 0x1421;
const UINT kListSelectRow = 0x1422;
const UINT kListRemoveAndReleaseRow = 0x1423;
const UINT kListRemoveAndReleaseAllRows = 0x1424;
const UINT kListCollapseAll = 0x1425;
// A drag of the list's entries out as files, sent by the list to itself from its drag source's
// events: the drag goes on, the drop was seen, the target began taking the files, the drag ended.
const UINT kListDragOutMoved = WM_USER + 8;
const UINT kListDragOutDropped = WM_USER + 9;
const UINT kListDragOutTransferStarted = WM_USER + 10;
const UINT kListDragOutEnded = WM_USER + 11;
// An OLE drag over the list, sent by the list to itself from its drop target's callbacks.
const UINT kListOleDragEntered = WM_USER + 16;
const UINT kListOleDragOver = WM_USER + 17;
const UINT kListOleDropped = WM_USER + 18;
const UINT kListOleDragLeft = WM_USER + 19;
// The list's row-drag auto-scroll timer.
const UINT_PTR kListAutoScrollTimer = 1;
} // namespace msg

} // namespace gui
} // namespace s

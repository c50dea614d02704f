#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "lists/ExplorerDropSource.h"
#include "lists/IListBox2.h"
#include "lists/ListHeader.h"
#include "lists/listbox2/List.h"
#include "mfc/Brush.h"
#include "mfc/ImageList.h"
#include "mfc/ListCtrl.h"
#include "windowing/component/Component.h"
#include "windowing/component/SkinLink.h"
#include "windowing/paint/Font.h"

class CDC;

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace image {
class ImageCache;
namespace util {
class ImageCacher;
}
} // namespace image
namespace gui {
namespace drawer {
namespace listbox {
namespace win {
class Basic;
}
} // namespace listbox
} // namespace drawer
namespace events {
class Disabler;
class Enabler;
} // namespace events
namespace win {

class ExplorerDropTarget;
class ImageCollection;

// The toolkit's report list (see IListBox2) over the system's list-view. The record model is the
// authority; the native items carry their records as item parameters and are kept in the model's
// order. Every row is painted cell by cell through a list-box drawer, off-screen.
class ListBox2 : public Component<IListBox2, CListCtrl>, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_ListBox2";
    static constexpr UINT kControlId = 1009;
    // The indent unit of native labels: an ideographic space.
    static constexpr wchar_t kIndentUnit = L'\x3000';

    // The arguments of a private message, on the sender's stack for the time of the send.
    struct OperationBlock {
        listbox2::Record* record;
        int32_t rowId;
        uint32_t column;
        uint64_t value;
        int32_t position;
        uint8_t highlight;
        uint8_t wrap;
        uint8_t beginUpdate;
        uint8_t notify;
    };

    ListBox2();
    ~ListBox2() override;

    static thread::EasyPooler* GetPool();
    static ListBox2* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // A change of language, a new skin.
    void OnEvent(base::IObject* source, int32_t code) override;

    // Component operations where the list differs.
    bool CreateWindowIn(IComponent* parent) override;

    // IListBox2: view and columns.
    void SetIconView() override;
    void SetListView() override;
    void SetReportView() override;
    void SetMultiSelect(bool on) override;
    void SetHeaderVisible(bool on) override;
    void SetCheckBoxes(bool on) override;
    void SetFullRowSelect(bool on) override;
    void SetGridLines(bool on) override;
    void SetAcceptFiles(bool on) override;
    void SetOleDropTarget(bool on) override;
    void SetRowDrag(bool on) override;
    void SetDragOut(bool on) override;
    void AddDragOutEntry(const wchar_t* path, archive::IEntry* entry) override;
    void AddDragOutTree(const wchar_t* basePath, IDragOutNode* node) override;
    listbox2::List* GetModel() override { return &model_; }
    listbox2::DataType* GetColumn(uint32_t index) override;
    void AddLocalizedColumn(lang::Localizer* localizer, int32_t textId, int32_t width, int32_t alignment, bool sortable,
                            listbox2::CellCompare compare, bool ascending, bool iconColumn, bool checkColumn,
                            bool editable, bool treeColumn) override;
    void AddColumn(const wchar_t* caption, int32_t width, int32_t alignment, bool sortable,
                   listbox2::CellCompare compare, bool ascending, bool iconColumn, bool checkColumn, bool editable,
                   bool treeColumn) override;
    void InsertColumn(listbox2::DataType* column) override;
    void SetColumnOrder(col::_array::ArrayS32* order) override;

    // IListBox2: rows, through the private messages.
    uint32_t GetRowCount() override { return model_.GetRowCount(); }
    listbox2::Record* GetRowAt(uint32_t row) override { return model_.GetRow(row); }
    void RemoveRow(listbox2::Record* record, int32_t id) override;
    void RemoveAllRows() override;
    void SetCellValue(listbox2::Record* record, int32_t id, uint32_t column, uint64_t value) override;
    void RefreshCell(listbox2::Record* record, int32_t id, uint32_t column) override;
    void ToggleSortColumn(uint32_t column) override;
    void Sort() override;
    void RemoveSelectedRows() override;
    void AddRow(listbox2::Record* record) override;
    void ToggleExpand(listbox2::Record* record, int32_t id) override;
    void InsertRow(int32_t position, listbox2::Record* record) override;
    void SetBold(bool bold) override;
    void SetRowHighlighted(bool highlighted, listbox2::Record* record, int32_t id) override;
    listbox2::Record* GetPreviousRow(listbox2::Record* record, int32_t id, bool wrap) override;
    listbox2::Record* GetNextRow(listbox2::Record* record, int32_t id, bool wrap) override;
    listbox2::Record* GetFirstRow() override;
    void SetUpdating(bool begin) override;
    void RefreshColumn(uint32_t column) override;
    void SetCellCheckState(listbox2::Record* record, int32_t id, uint32_t column, int32_t state, bool notify) override;
    void MoveSelectionUp() override;
    void MoveSelectionDown() override;
    void MoveSelectionOut() override;
    void EnsureVisible(listbox2::Record* record, int32_t id) override;
    void DeselectAll() override;
    void SelectRow(listbox2::Record* record, int32_t id) override;
    void RemoveAndReleaseRow(listbox2::Record* record, int32_t id) override;
    void RemoveAndReleaseAllRows() override;
    uint32_t GetSelectedCount() override { return selected_.GetCount(); }
    bool GetSelectedAt(uint32_t index, listbox2::Record** record, int32_t* id) override;
    void SortSelectionByRow() override;
    int32_t GetEditedRow() override { return editedRow_; }
    const wchar_t* GetEditedText() override;
    str::strarray::StrArray* GetDroppedFiles() override { return droppedFiles_; }

    // IListBox2: accessors.
    int32_t GetInnerHeight() override { return innerHeight_; }
    void SetInnerHeight(int32_t height) override { innerHeight_ = height; }
    void SetRowHeight(int32_t height) override;
    int32_t GetRowHeight() override { return rowHeight_; }
    IFont* GetPrimaryFont() override { return &primaryFont_; }
    void SetSizeCode(int32_t code) override;
    const wchar_t* GetFaceName() override { return primaryFont_.GetFaceName(); }
    void SetFaceName(const wchar_t* face) override;
    int32_t GetFontHeight() override { return primaryFont_.GetHeight(); }
    void SetFontHeight(int32_t height) override;
    COLORREF GetFontColor() override { return primaryFont_.GetColor(); }
    void SetFontColor(int32_t red, int32_t green, int32_t blue) override;
    int32_t GetFontWidth() override { return primaryFont_.GetWidth(); }
    void SetFontWidth(int32_t width) override;
    bool IsBold() override { return primaryFont_.IsBold(); }
    bool IsItalic() override { return primaryFont_.IsItalic(); }
    void SetItalic(bool italic) override;
    bool IsUnderline() override { return primaryFont_.IsUnderline(); }
    void SetUnderline(bool underline) override;
    bool IsStrikeOut() override { return primaryFont_.IsStrikeOut(); }
    void SetStrikeOut(bool strikeOut) override;
    int32_t GetWeight() override { return primaryFont_.GetWeight(); }
    void SetWeight(int32_t weight) override;
    void FillParent() override;
    void SetWidthPercent(int32_t percent) override { widthPercent_ = percent; }
    void SetHeightPercent(int32_t percent) override { heightPercent_ = percent; }
    void SetFixedWidth(int32_t width) override { fixedWidth_ = width; }
    void SetFixedHeight(int32_t height) override { fixedHeight_ = height; }
    void AddSelectListener(events::IEventListener* listener) override;
    void AddDeselectListener(events::IEventListener* listener) override;
    void AddShellDropListener(events::IEventListener* listener) override;
    void AddPartnerDropListener(events::IEventListener* listener) override;
    void AddRowsMovedListener(events::IEventListener* listener) override;
    void AddLabelEditListener(events::IEventListener* listener) override;
    void AddColumnClickListener(events::IEventListener* listener) override;
    void AddColumnSortedListener(events::IEventListener* listener) override;
    void AddContextMenuListener(events::IEventListener* listener) override;
    void AddKeyListener(events::IEventListener* listener) override;
    bool IsCellButtonTracking() override { return cellButtonTracking_; }
    void SetCellButtonTracking(bool on) override { cellButtonTracking_ = on; }
    void AddCellButtonListener(events::IEventListener* listener) override;
    listbox2::Record* GetHotRecord() override { return hotRecord_; }
    listbox2::SubRecord* GetHotCell() override { return hotCell_; }
    void AddSingleSelectListener(events::IEventListener* listener) override;
    void AddSelectionEmptiedListener(events::IEventListener* listener) override;
    void AddDoubleClickListener(events::IEventListener* listener) override;
    listbox2::Record* GetDoubleClickedRecord() override { return doubleClicked_; }
    void AddSortedListener(events::IEventListener* listener) override;
    void ConfigureDragOut(events::IEventListener* listener, app::IAppWindowFactory* application, bool ownedByWindow,
                          const wchar_t* caption) override;
    void AddOleDropListener(events::IEventListener* listener) override;
    int32_t GetDropRow() override { return dropRow_; }
    void EnableWithSelection(IComponent* component) override;
    void EnableWithSingleSelection(IComponent* component) override;
    void DisableWhenSelectionEmpty(IComponent* component) override;
    void AddDropPartner(IListBox2* list) override;
    IListBox2* GetDropPartner() override { return partner_; }
    int32_t GetLastClickedColumn() override { return lastClickedColumn_; }
    void SetContextMenu(IPopupMenu* menu) override { contextMenu_ = menu; }
    void SetHideNativeScrollBars(bool hide) override { hideNativeScrollBars_ = hide; }
    // Null only when the header pool could make none.
    ListHeader* GetHeader() override { return header_; }
    void SetBorder(bool border) override;
    void SetDragReorder(bool on) override;
    void SetDrawer(drawer::IListBox* drawer, bool owned) override;
    void SetDropMarker(int32_t row, int32_t mode) override;
    void SetMarkerColor(int32_t red, int32_t green, int32_t blue) override;
    void SetSecondaryFontColor(int32_t red, int32_t green, int32_t blue) override;
    void SetAlternateColor(int32_t red, int32_t green, int32_t blue) override;
    void SetAlternateRows(bool on) override { alternateRows_ = on; }
    void SetMiddleButtonFlag(bool on) override { middleButton_ = on; }
    void AddCheckListener(events::IEventListener* listener) override;
    listbox2::Record* GetLastChecked() override { return lastChecked_; }
    void AddUncheckListener(events::IEventListener* listener) override;
    listbox2::Record* GetLastUnchecked() override { return lastUnchecked_; }
    UINT GetKey() override { return key_; }
    void MarkKeyHandled() override { keyHandled_ = true; }
    void SetKeepSorted(bool on) override { keepSorted_ = on; }
    void CollapseAll() override;
    void SetFontPreviewColumn(int32_t column, int32_t pointSize, bool bold, bool italic, const wchar_t* sample) override;
    void SetExcludedChild(IComponent* child) override { excludedChild_ = child; }
    void SetScrollBars(IScrollBar* vertical, IScrollBar* horizontal) override;
    IScrollBar* GetVerticalScrollBar() override { return verticalBar_; }
    IScrollBar* GetHorizontalScrollBar() override { return horizontalBar_; }

    // State the tests and the dialogs read.
    bool IsMultiSelect() const { return multiSelect_; }
    bool IsHeaderVisible() const { return headerVisible_; }
    // The room the header takes above the rows: 0 while it is hidden or not attached.
    int32_t HeaderHeight() { return header_ ? header_->GetHeight() : 0; }
    int32_t GetViewMode() const { return viewMode_; }
    bool IsRowDrag() const { return rowDrag_; }
    bool IsDragReorder() const { return dragReorder_; }
    bool IsUpdating() const { return updating_; }
    int32_t GetDropMode() const { return dropMode_; }
    COLORREF GetAlternateColor() const { return alternateColor_; }
    bool HasAlternateRows() const { return alternateRows_; }
    drawer::IListBox* GetDrawer();
    HIMAGELIST GetRowHeightImages() const { return rowImages_.GetSafeHandle(); }
    uint32_t GetListenerCount(int32_t event);
    HWND GetStoredHandle() const { return handle_; }
    int32_t GetLastRowHeight() const { return lastRowHeight_; }
    ExplorerDropSource* GetDropSource() { return &dropSource_; }
    // The OLE drop target while the window exists with the OLE-drop flag; null otherwise.
    ExplorerDropTarget* GetDropTarget() { return dropTarget_; }
    bool IsOleHovering() const { return oleHover_; }
    image::util::ImageCacher* GetIconCache() { return iconCache_; }
    col::_array::ArrayS32* GetDisplayOrder() { return &displayOrder_; }

    // Creation and painting.
    bool Create(HWND parent);
    void Paint();
    void RepaintRow(int32_t row, bool reformat);
    void PaintRowCells(CDC* dc, int32_t row);
    void RefreshColumnCells(uint32_t column, bool reformat);
    void RefreshOneCell(int32_t row, uint32_t column, bool reformat);
    void PaintCell(CDC* dc, int32_t row, uint32_t column, int32_t offsetX, int32_t offsetY);
    // The picture of the selected rows; the caller owns it. Null without memory for it.
    CImageList* CreateDragImage();

    // The window procedure: WindowProc first, then (unless it took the message) the list-view's
    // own processing, then PostMessageHook.
    LRESULT RunWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void PostMessageHook(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The workers of the private messages; without a window they change the model only.
    void InsertRowNow(int32_t position, listbox2::Record* record, bool nested);
    void RemoveRowNow(listbox2::Record* record, int32_t id, bool nested);
    void RemoveAllRowsNow();
    void RemoveAndReleaseAllRowsNow();
    void RemoveSelectedRowsNow();
    void SetCellValueNow(listbox2::Record* record, int32_t id, uint32_t column, uint64_t value);
    void RefreshCellNow(listbox2::Record* record, int32_t id, uint32_t column);
    void ToggleExpandNow(listbox2::Record* record, int32_t id);
    void CollapseAllNow();
    void SortNow();
    void SetCellCheckStateNow(listbox2::Record* record, int32_t id, uint32_t column, int32_t state, bool notify);
    void SetRowHighlightedNow(bool highlighted, listbox2::Record* record, int32_t id);
    void MoveSelectionUpNow();
    void MoveSelectionDownNow();
    void MoveSelectionOutNow();
    void EnsureVisibleNow(listbox2::Record* record, int32_t id);
    void SelectRowNow(listbox2::Record* record, int32_t id);
    void DeselectAllNow();
    void SetUpdatingNow(bool begin);
    listbox2::Record* GetNextRowNow(listbox2::Record* record, int32_t id, bool wrap);
    listbox2::Record* GetPreviousRowNow(listbox2::Record* record, int32_t id, bool wrap);
    void UpdateScrollBars();
    void RecaptionColumns();
    // The insertion marker for a point in window coordinates during a drag.
    void TrackDropMarker(int32_t x, int32_t y);

private:
    ListBox2(const ListBox2&) = delete;
    ListBox2& operator=(const ListBox2&) = delete;

    // Sends the message with the block when the window exists; false when it does not (the
    // caller then runs the worker itself).
    bool Send(UINT message, OperationBlock* block);
    bool RunOperation(UINT message, OperationBlock* block);
    void ApplyStyle(DWORD remove, DWORD add);
    void ApplyExtendedStyle(DWORD bit, bool on);
    void SetViewMode(int32_t mode);
    void ApplyFont();
    void ResetFonts();
    void ResetState();
    col::_array::ArrayP* ListenersOf(int32_t event);
    void Tell(int32_t event);
    void AddListener(int32_t event, events::IEventListener* listener);
    bool HasWindow() const { return handle_ != nullptr; }
    bool IsTreeList();

    // Native items.
    void InsertNativeItem(listbox2::Record* record, bool creating);
    void BuildLabel(listbox2::Record* record);
    void PadWithSpaces(const wchar_t* text);
    void SortNativeItems();
    void SetNativeSelected(int32_t row, bool selected);
    void InsertChildren(listbox2::Record* record);
    void RemoveFromSelection(listbox2::Record* record);
    bool IsRowSelected(int32_t row);
    void ToggleCheck(listbox2::Record* record, listbox2::SubRecord* cell);
    void RedrawRows(int32_t first, int32_t last);
    void RedrawAroundMarker(int32_t row);
    // Moves one row through the model and keeps the moved-records scratch.
    void MoveOneRow(listbox2::Record* record, int32_t target, listbox2::Record* parent, int32_t position,
                    col::_array::ArrayP* moved);
    void FinishSelectionMove(col::_array::ArrayP* moved, bool firstVisible);
    void RemoveHiddenMovedRows(col::_array::ArrayP* moved);
    listbox2::Record* LastShownDescendant(listbox2::Record* record);
    void MoveDroppedRows();

    // OLE drops from the shell.
    void CreateDropTarget();
    void ReleaseDropTarget();
    void OnDropTargetEvent(int32_t code);
    void HandleOleDragMessage(UINT message);
    void TrackDropMarkerAtCursor();

    // Entries dragged out as files (ListBox2DragOut.cpp).
    void StartDragOut();
    void OnDropSourceEvent(int32_t code);
    void HandleDragOutMessage(UINT message);

    // Window procedure parts.
    void HandleSelectionChange(LPARAM lParam);
    bool HandleLeftButtonDown(LPARAM lParam);
    void HandleDoubleClick(LPARAM lParam);
    void HandleMouseMove(LPARAM lParam);
    bool HandleBeginDrag();
    void HandleLeftButtonUp();
    // Lets go of the drag image and ends the drag.
    void EndDrag();
    void HandleAutoScroll();
    LRESULT HandleWheel(WPARAM wParam, LPARAM lParam);
    void HandleDropFiles(WPARAM wParam);
    LRESULT HandleControlColor(HDC dc);
    void HandleColumnClick(LPARAM lParam);
    void HandleLabelEdit(LPARAM lParam);
    LRESULT HandleCustomDraw(LPARAM lParam);
    bool HandleHeaderNotify(LPARAM lParam, LRESULT* result);
    // The header keeps its own copy of the display order.
    void CopyOrderToHeader();
    bool HandleHitTest(WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool HandlePrivateMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void UpdatePartner(POINT screen);
    void DragSelectTo(int32_t x, int32_t y);
    void TrackHotCell(int32_t x, int32_t y);
    // The scroll paths (ListBox2Scroll.cpp): through the owner-drawn bars when the list has
    // them, else through the list-view's own scrolling.
    void ScrollRows(int32_t pixels);
    void ScrollByWheel(int32_t pixels);
    void AutoScrollStep(bool up, int32_t rowHeight);
    void RecomputeScrollInfos();
    int32_t HitRow(int32_t x, int32_t y);
    bool SubItemBounds(int32_t row, uint32_t column, RECT* rect);
    void ExcludeOverlays(CDC* dc);

    // Painting parts.
    bool CellRect(int32_t row, uint32_t column, RECT* rect);
    bool IsLastInDisplayOrder(uint32_t column);
    void MarkerFor(int32_t row, uint32_t column, int32_t* level, int32_t* edge, bool* selectedByMarker);
    bool HasIconSource(listbox2::SubRecord* cell);
    // The cell's picture from the icon cache, loaded on first use; the caller holds the cache's
    // lock until the cell is painted, so that the picture cannot be replaced meanwhile.
    image::ImageCache* CellIcon(listbox2::SubRecord* cell);

    HWND handle_;
    Font controlFont_;
    Font primaryFont_;
    Font secondaryFont_;
    Font emphasisedFont_;
    Font emphasisedSecondaryFont_;
    Font dimmedFont_;
    CBrush brush_;
    ExplorerDropSource dropSource_;
    listbox2::List model_;
    str::strarray::StrArray* droppedFiles_;
    LVITEMW item_;
    str::strbuffer::StrBuffer* label_;
    str::strbuffer::StrBuffer* editedText_;
    int32_t rowHeight_;
    bool separateControlFont_;
    int32_t lastRowHeight_;
    int32_t viewMode_;
    bool multiSelect_;
    bool headerVisible_;
    bool checkBoxes_;
    bool fullRowSelect_;
    bool gridLines_;
    bool acceptFiles_;
    bool oleDropTarget_;
    bool oleHover_;
    bool rowDrag_;
    bool dragOut_;
    bool keepSorted_;
    col::_array::ArrayP selected_;
    col::_array::ArrayS32 selectedIds_;
    static const int32_t kListenerSlots = 19;
    col::_array::ArrayP listeners_[kListenerSlots];
    listbox2::Record* doubleClicked_;
    listbox2::Record* hotRecord_;
    listbox2::SubRecord* hotCell_;
    bool cellButtonTracking_;
    events::Enabler* enabler_;
    events::Disabler* disabler_;
    CImageList rowImages_;
    CImageList* dragImage_;
    bool dragging_;
    int32_t autoScrollTicks_;
    col::_array::ArrayP partners_;
    IListBox2* partner_;
    bool labelEditing_;
    int32_t editedRow_;
    bool smallImagesAttached_;
    bool hasIconColumn_;
    ImageCollection* shellIcons_;
    image::util::ImageCacher* iconCache_;
    ExplorerDropTarget* dropTarget_;
    int32_t lastClickedColumn_;
    IPopupMenu* contextMenu_;
    bool hideNativeScrollBars_;
    IScrollBar* verticalBar_;
    IScrollBar* horizontalBar_;
    // From the header pool for the list's whole life; reset with the list.
    ListHeader* header_;
    bool border_;
    bool dragReorder_;
    drawer::listbox::win::Basic* defaultDrawer_;
    drawer::IListBox* skinDrawer_;
    bool ownsSkinDrawer_;
    int32_t dropRow_;
    int32_t dropMode_;
    bool updating_;
    COLORREF markerColor_;
    bool drawerMarkerColor_;
    COLORREF alternateColor_;
    bool ownAlternateColor_;
    bool alternateRows_;
    bool middleButton_;
    col::_array::ArrayS32 displayOrder_;
    listbox2::Record* lastChecked_;
    listbox2::Record* lastUnchecked_;
    UINT key_;
    bool keyHandled_;
    int32_t innerHeight_;
    int32_t previewColumn_;
    int32_t previewPoints_;
    bool previewBold_;
    bool previewItalic_;
    str::strbuffer::StrBuffer* previewSample_;
    IComponent* excludedChild_;
    SkinLink skinLink_;
    lang::Localizer* localizer_;
};

} // namespace win
} // namespace gui
} // namespace s

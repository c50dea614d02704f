// Creating the native control, and painting: the whole control off-screen in one copy, rows and
// cells directly, every cell through the list-box drawer.
#include <shellapi.h>

#include <algorithm>
#include <optional>

#include "core/str/StrBuffer.h"
#include "images/ImageCache.h"
#include "images/util/ImageCacher.h"
#include "images/util/ImageCollection.h"
#include "images/win/BufferedImage.h"
#include "lists/ListBox2.h"
#include "lists/listbox2/CellFormatters.h"
#include "lists/listbox2/DataType.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"
#include "mfc/PaintDC.h"
#include "skins/drawer/IListBox.h"
#include "windowing/MessageBoxW.h"
#include "windowing/component/CopyParentBackground.h"
#include "windowing/paint/MemDC.h"

using s::gui::listbox2::DataType;
using s::gui::listbox2::Record;
using s::gui::listbox2::SubRecord;
using s::image::win::BufferedImage;
using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace win {

namespace {

// An off-screen image of that size with a memory context over it; null when either is missing.
MemDC* OffScreen(CWnd* window, int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    BufferedImage* image = BufferedImage::New();
    if (!image)
        return nullptr;
    if (!image->Create(width, height)) {
        image->ReleaseToPool();
        return nullptr;
    }
    MemDC* memory = MemDC::Create(window, image, true);
    if (!memory)
        image->ReleaseToPool();
    return memory;
}

// A window's device context, given back when the holder goes.
class WindowDC : public CDC {
public:
    explicit WindowDC(HWND window) : window_(window) { Attach(::GetDC(window)); }
    ~WindowDC() override
    {
        HDC dc = Detach();
        if (dc)
            ::ReleaseDC(window_, dc);
    }

private:
    HWND window_;
};

} // namespace

bool ListBox2::Create(HWND parent)
{
    DWORD style = WS_CHILD | LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS;
    if (border_)
        style |= WS_BORDER;
    if (viewMode_ == 1)
        style |= LVS_LIST;
    else if (viewMode_ == 2)
        style |= LVS_REPORT;
    if (!multiSelect_)
        style |= LVS_SINGLESEL;
    if (!headerVisible_)
        style |= LVS_NOCOLUMNHEADER;
    if (labelEditing_)
        style |= LVS_EDITLABELS;
    const RECT empty = {0, 0, 0, 0};
    if (!parent || !CListCtrl::Create(style, empty, parent, kControlId)) {
        ShowWindowCreationFailed();
        return false;
    }
    DWORD extended = LVS_EX_HEADERDRAGDROP;
    if (fullRowSelect_)
        extended |= LVS_EX_FULLROWSELECT;
    if (checkBoxes_)
        extended |= LVS_EX_CHECKBOXES;
    if (gridLines_)
        extended |= LVS_EX_GRIDLINES;
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended);
    model_.view = this;
    Font& font = separateControlFont_ ? controlFont_ : primaryFont_;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetFontHandle()), FALSE);
    if (rowImages_.GetSafeHandle())
        SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowImages_.GetSafeHandle()));
    for (uint32_t c = 0; c < model_.GetColumnCount(); ++c) {
        DataType* column = model_.GetColumn(c);
        CListCtrl::InsertColumn(static_cast<int>(c), column->caption ? column->caption->GetText() : L"",
                                listbox2::ColumnFormatOf(column->alignment), column->width == 0 ? -1 : column->width);
    }
    if (displayOrder_.GetCount() == model_.GetColumnCount() && displayOrder_.GetCount() > 0)
        SendMessage(LVM_SETCOLUMNORDERARRAY, displayOrder_.GetCount(), reinterpret_cast<LPARAM>(displayOrder_.GetData()));
    for (uint32_t r = 0; r < model_.GetRowCount(); ++r)
        InsertNativeItem(model_.GetRow(r), true);
    if (acceptFiles_)
        ::DragAcceptFiles(m_hWnd, TRUE);
    if (oleDropTarget_)
        CreateDropTarget();
    if (hasIconColumn_ && !separateControlFont_ && shellIcons_ && shellIcons_->GetSafeHandle()) {
        SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(shellIcons_->GetSafeHandle()));
        smallImagesAttached_ = true;
    }
    // The header paints through the skin's drawer from now on.
    if (header_ && header_->AttachControl(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER))))
        header_->CreateWindowIn(this);
    handle_ = m_hWnd;
    minWidth_ = preferredWidth_ = 50;
    minHeight_ = preferredHeight_ = 25;
    if (parent_)
        parent_->RequestLayout();
    if (visible_)
        ShowWindow(SW_SHOW);
    return true;
}

void ListBox2::ExcludeOverlays(CDC* dc)
{
    const int32_t headerHeight = HeaderHeight();
    if (headerHeight > 0) {
        RECT header;
        ::GetWindowRect(header_->GetControl(), &header);
        const RECT area = {0, 0, header.right - header.left, headerHeight};
        dc->ExcludeClipRect(area);
    }
    HWND child = excludedChild_ ? NativeWindowOf(excludedChild_) : nullptr;
    if (child && ::IsWindowVisible(child)) {
        RECT area;
        ::GetWindowRect(child, &area);
        ScreenToClient(&area);
        dc->ExcludeClipRect(area);
    }
}

void ListBox2::Paint()
{
    CPaintDC dc(this);
    if (updating_ || !dc.GetSafeHdc())
        return;
    RECT client;
    GetClientRect(&client);
    MemDC* memory = OffScreen(this, client.right, client.bottom);
    if (!memory)
        return;
    drawer::IListBox* drawer = GetDrawer();
    if (inheritBackground_ && drawer) {
        CopyParentBackground(this, memory);
        drawer->FillBackground(memory, 0, 0, client.right, client.bottom);
        SendMessage(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(drawer->GetBackgroundColor()));
    } else {
        memory->FillSolidRect(client, inheritBackground_ ? GetEffectiveBackgroundColor() : background_);
    }
    // The control paints into the image; its rows come back through custom draw.
    CListCtrl::DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memory->GetSafeHdc()), 0);
    ExcludeOverlays(&dc);
    dc.BitBlt(0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    memory->ReleaseToPool();
}

void ListBox2::RepaintRow(int32_t row, bool reformat)
{
    Record* record = model_.GetRow(static_cast<uint32_t>(row));
    if (!record)
        return;
    if (reformat) {
        for (uint32_t c = 0; c < record->cellCount; ++c) {
            if (SubRecord* cell = record->GetCell(static_cast<int32_t>(c))) {
                cell->DropText();
                cell->GetDisplayText();
            }
        }
    }
    if (updating_ || !handle_)
        return;
    RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
    if (!SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds)))
        return;
    RECT client;
    GetClientRect(&client);
    bounds.right = std::max(bounds.right, client.right);
    MemDC* memory = OffScreen(this, bounds.right - bounds.left, bounds.bottom - bounds.top);
    if (!memory)
        return;
    for (uint32_t c = 0; c < model_.GetColumnCount(); ++c)
        PaintCell(memory, row, c, -bounds.left, -bounds.top);
    WindowDC dc(m_hWnd);
    if (dc.GetSafeHdc()) {
        ExcludeOverlays(&dc);
        dc.BitBlt(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, memory, 0, 0,
                  SRCCOPY);
    }
    memory->ReleaseToPool();
}

void ListBox2::PaintRowCells(CDC* dc, int32_t row)
{
    if (updating_)
        return;
    for (uint32_t c = 0; c < model_.GetColumnCount(); ++c)
        PaintCell(dc, row, c, 0, 0);
}

void ListBox2::RefreshColumnCells(uint32_t column, bool reformat)
{
    if (reformat) {
        for (uint32_t r = 0; r < model_.GetRowCount(); ++r) {
            if (SubRecord* cell = model_.GetRow(r)->GetCell(static_cast<int32_t>(column))) {
                cell->DropText();
                cell->GetDisplayText();
            }
        }
    }
    if (updating_ || !handle_ || column >= model_.GetColumnCount())
        return;
    WindowDC dc(m_hWnd);
    if (!dc.GetSafeHdc())
        return;
    ExcludeOverlays(&dc);
    // Only the rows on screen: the others are painted when they come into view.
    const int32_t top = static_cast<int32_t>(SendMessage(LVM_GETTOPINDEX));
    const int32_t page = static_cast<int32_t>(SendMessage(LVM_GETCOUNTPERPAGE));
    const int32_t last = std::min(top + page + 1, static_cast<int32_t>(model_.GetRowCount()));
    for (int32_t r = std::max(top, 0); r < last; ++r)
        PaintCell(&dc, r, column, 0, 0);
}

void ListBox2::RefreshOneCell(int32_t row, uint32_t column, bool reformat)
{
    Record* record = model_.GetRow(static_cast<uint32_t>(row));
    SubRecord* cell = record ? record->GetCell(static_cast<int32_t>(column)) : nullptr;
    if (cell && reformat) {
        cell->DropText();
        cell->GetDisplayText();
    }
    if (!record || updating_ || !handle_ || column >= model_.GetColumnCount())
        return;
    WindowDC dc(m_hWnd);
    if (!dc.GetSafeHdc())
        return;
    ExcludeOverlays(&dc);
    PaintCell(&dc, row, column, 0, 0);
}

bool ListBox2::SubItemBounds(int32_t row, uint32_t column, RECT* rect)
{
    rect->left = LVIR_BOUNDS;
    rect->top = static_cast<LONG>(column);
    rect->right = rect->bottom = 0;
    return SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(rect)) != 0;
}

bool ListBox2::IsLastInDisplayOrder(uint32_t column)
{
    const uint32_t count = displayOrder_.GetCount();
    return count > 0 && displayOrder_.Get(count - 1) == static_cast<int32_t>(column);
}

// The cell's rectangle in client coordinates: the first column's sub-item bounds are the whole
// row's, so its own part is taken from the header item; the last column in display order reaches
// the list's right edge.
bool ListBox2::CellRect(int32_t row, uint32_t column, RECT* rect)
{
    if (!SubItemBounds(row, column, rect))
        return false;
    if (column == 0) {
        RECT item = {};
        HWND header = header_ ? header_->GetControl() : nullptr;
        if (header && ::SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item))) {
            const LONG origin = rect->left;
            rect->left = origin + item.left;
            rect->right = origin + item.right;
        } else {
            rect->right = rect->left + static_cast<LONG>(SendMessage(LVM_GETCOLUMNWIDTH, 0));
        }
    }
    if (IsLastInDisplayOrder(column)) {
        RECT client;
        GetClientRect(&client);
        if (rect->right < client.right)
            rect->right = client.right;
    }
    return rect->right > rect->left && rect->bottom > rect->top;
}

// The drop marker on a row's top edge (the marker row) or bottom edge (the row above it), with
// the indent level its line starts at.
void ListBox2::MarkerFor(int32_t row, uint32_t column, int32_t* level, int32_t* edge, bool* selectedByMarker)
{
    *level = -1;
    *edge = -1;
    *selectedByMarker = false;
    if (dropRow_ < 0 || (row != dropRow_ && row + 1 != dropRow_))
        return;
    *edge = row == dropRow_ ? 0 : 1;
    if (!IsTreeList()) {
        *level = 0;
        return;
    }
    if (dropMode_ == 2) {
        *level = -1;
        *selectedByMarker = row == dropRow_;
        return;
    }
    DataType* type = model_.GetColumn(column);
    if (!type || !type->treeColumn) {
        *level = 0;
        return;
    }
    Record* reference = nullptr;
    if (dropMode_ == 0)
        reference = dropRow_ > 0 ? model_.GetRow(static_cast<uint32_t>(dropRow_ - 1)) : nullptr;
    else
        reference = model_.GetRow(static_cast<uint32_t>(dropRow_));
    Record* parent = reference ? reference->parent : nullptr;
    *level = parent ? parent->GetDepth() + 1 : 0;
}

void ListBox2::PaintCell(CDC* dc, int32_t row, uint32_t column, int32_t offsetX, int32_t offsetY)
{
    if (updating_ || !dc || !handle_)
        return;
    Record* record = model_.GetRow(static_cast<uint32_t>(row));
    DataType* type = model_.GetColumn(column);
    drawer::IListBox* drawer = GetDrawer();
    if (!record || !type || !drawer)
        return;
    SubRecord* cell = record->GetCell(static_cast<int32_t>(column));

    const bool itemSelected =
        (SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
    bool selected = itemSelected && (column == 0 || fullRowSelect_);
    const bool alternate = (row & 1) && alternateRows_;
    const bool transferState = cell && cell->formatter == &listbox2::FormatTransferStateCell;
    const bool emphasised = record->emphasised || (cell && cell->emphasised) || (transferState && cell->value == 8);
    const bool dimmed = record->dimmed || (cell && cell->dimmed);

    RECT rect;
    if (!CellRect(row, column, &rect))
        return;

    bool buttonShown = cell && cell->buttonShown && !cell->buttonWhenHot;
    bool hover = false;
    if (cell && (cell->hotTracked || cell->buttonWhenHot)) {
        POINT cursor;
        if (!::GetCursorPos(&cursor) || !ScreenToClient(&cursor))
            cursor.x = cursor.y = -32767;
        const int32_t x = cursor.x - rect.left;
        const int32_t y = cursor.y - rect.top;
        const bool inside = x >= cell->hotRect[0] && x < cell->hotRect[0] + cell->hotRect[2] &&
                            y >= cell->hotRect[1] && y < cell->hotRect[1] + cell->hotRect[3];
        if (inside) {
            hover = cell->hotTracked != 0;
            if (cell->buttonWhenHot)
                buttonShown = cell->buttonShown != 0;
            if (hotCell_ != cell) {
                Record* older = hotRecord_;
                hotRecord_ = record;
                hotCell_ = cell;
                if (older && older != record && model_.IsLive(older, older->id))
                    RepaintRow(older->rowIndex, false);
            }
            if (::GetCapture() != m_hWnd)
                SetCapture();
        } else if (cell->buttonWhenHot) {
            buttonShown = false;
        }
    }

    int32_t markLevel;
    int32_t markEdge;
    bool markSelected;
    MarkerFor(row, column, &markLevel, &markEdge, &markSelected);
    selected = selected || markSelected;

    std::optional<thread::ScopedLock> iconLock;
    image::ImageCache* icon = nullptr;
    if (type->iconColumn && HasIconSource(cell)) {
        iconLock.emplace(iconCache_->GetLock());
        icon = CellIcon(cell);
    }

    const int32_t width = rect.right - rect.left;
    const int32_t height = rect.bottom - rect.top;
    MemDC* memory = OffScreen(this, width, height);
    if (!memory)
        return;

    StrBuffer* text = cell ? cell->GetDisplayText() : nullptr;
    const wchar_t* shown = text ? text->GetText() : L"";
    IFont* first = dimmed ? &dimmedFont_ : (emphasised ? &emphasisedFont_ : &primaryFont_);
    IFont* second = emphasised ? &emphasisedSecondaryFont_ : &secondaryFont_;
    const bool preview = previewColumn_ >= 0 && static_cast<uint32_t>(previewColumn_) == column;
    Font* previewFirst = nullptr;
    Font* previewSecond = nullptr;
    if (preview) {
        previewFirst = Font::New();
        previewSecond = Font::New();
        for (Font* font : {previewFirst, previewSecond}) {
            if (!font)
                continue;
            font->SetFaceName(shown);
            font->SetPointSize(previewPoints_);
            font->SetBold(previewBold_);
            font->SetItalic(previewItalic_);
        }
        if (previewFirst && previewSecond) {
            const COLORREF a = first->GetColor();
            const COLORREF b = second->GetColor();
            previewFirst->SetColor(GetRValue(a), GetGValue(a), GetBValue(a));
            previewSecond->SetColor(GetRValue(b), GetGValue(b), GetBValue(b));
            first = previewFirst;
            second = previewSecond;
            shown = previewSample_ ? previewSample_->GetText() : L"";
        }
    }

    int32_t textRect[4] = {0, 0, 0, 0};
    const uint32_t last = model_.GetRowCount() - 1;
    drawer->DrawItem(memory, memory->GetImage(), 0, 0, width, height, type->alignment, selected ? 1 : 0,
                     cell ? cell->drawerFlag : 0, fullRowSelect_ ? 1 : 0, alternate ? 1 : 0, markLevel, markEdge,
                     row == 0 ? 1 : 0, static_cast<uint32_t>(row) == last ? 1 : 0,
                     cell ? static_cast<int32_t>(cell->value) : 0, shown, first, second, type->iconColumn, icon,
                     type->checkColumn, cell ? cell->checkState : 0, 0, type->treeColumn,
                     cell ? cell->expandState : 0, type->treeColumn ? record->GetDepth() : 0, &textRect[0],
                     &textRect[1], &textRect[2], &textRect[3], preview ? 0 : 1, preview ? 1 : 0, buttonShown ? 1 : 0,
                     hover ? 1 : 0, cell && cell->formatter == &listbox2::FormatPercentTenthsCell ? 1 : 0,
                     transferState ? 1 : 0);
    if (previewFirst)
        previewFirst->ReleaseToPool();
    if (previewSecond)
        previewSecond->ReleaseToPool();
    if (cell) {
        for (int i = 0; i < 4; ++i)
            cell->hotRect[i] = textRect[i];
    }
    innerHeight_ = std::max(innerHeight_, textRect[3]);
    HWND child = excludedChild_ ? NativeWindowOf(excludedChild_) : nullptr;
    if (child && ::IsWindowVisible(child)) {
        RECT area;
        ::GetWindowRect(child, &area);
        ScreenToClient(&area);
        dc->ExcludeClipRect(area);
    }
    dc->BitBlt(offsetX + rect.left, offsetY + rect.top, width, height, memory, 0, 0, SRCCOPY);
    lastRowHeight_ = height;
    memory->ReleaseToPool();
}

CImageList* ListBox2::CreateDragImage()
{
    RECT all = {0, 0, 0, 0};
    bool any = false;
    for (int item = -1; (item = static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(item),
                                                             LVNI_SELECTED))) != -1;) {
        RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
        if (!SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&bounds)))
            continue;
        if (any)
            ::UnionRect(&all, &all, &bounds);
        else
            all = bounds;
        any = true;
    }
    const int32_t width = all.right - all.left;
    const int32_t height = all.bottom - all.top;
    if (!any || width <= 0 || height <= 0)
        return nullptr;
    WindowDC screen(m_hWnd);
    CDC memory;
    if (!screen.GetSafeHdc() || !memory.CreateCompatibleDC(&screen))
        return nullptr;
    HBITMAP bitmap = screen.CreateCompatibleBitmap(width, height);
    if (!bitmap) {
        memory.DeleteDC();
        return nullptr;
    }
    HGDIOBJ old = memory.SelectObject(bitmap);
    memory.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    for (int item = -1; (item = static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(item),
                                                             LVNI_SELECTED))) != -1;) {
        const uint32_t columns = fullRowSelect_ ? model_.GetColumnCount() : std::min(1u, model_.GetColumnCount());
        for (uint32_t c = 0; c < columns; ++c)
            PaintCell(&memory, item, c, -all.left, -all.top);
    }
    memory.SelectObject(old);
    memory.DeleteDC();
    CImageList* images = new (std::nothrow) CImageList();
    if (images && (!images->Create(width, height, ILC_COLOR24 | ILC_MASK, 0, 1) || images->Add(bitmap, RGB(255, 255, 255)) < 0)) {
        delete images;
        images = nullptr;
    }
    ::DeleteObject(bitmap);
    return images;
}

} // namespace win
} // namespace gui
} // namespace s

// The list's state: construction, reset, accessors, listeners and its native window's life.
#include "lists/ListBox2.h"

#include <shellapi.h>

#include <cstring>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "images/util/ImageCacher.h"
#include "images/util/ImageCollection.h"
#include "lists/ExplorerDropTarget.h"
#include "lists/ListBox2Event.h"
#include "lists/listbox2/Record.h"
#include "skins/ISkin.h"
#include "skins/drawer/IListBox.h"
#include "skins/drawer/listbox/Basic.h"
#include "storage/lang/Localizer.h"
#include "windowing/IWindow.h"
#include "windowing/Messages.h"
#include "windowing/events/Disabler.h"
#include "windowing/events/Enabler.h"

using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace win {

namespace {

// Events 1 to 8, 20 to 26, 27 to 29 together, 30, 31, 32: one listener list each.
int32_t SlotOf(int32_t event)
{
    if (event >= 1 && event <= 8)
        return event - 1;
    if (event >= 20 && event <= 26)
        return event - 12;
    if (event >= 27 && event <= 29)
        return 15;
    if (event >= 30 && event <= 32)
        return event - 14;
    return -1;
}

HIMAGELIST SystemSmallIcons()
{
    SHFILEINFOW info = {};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

} // namespace

ListBox2::ListBox2()
    : handle_(nullptr), droppedFiles_(str::strarray::StrArray::New()), label_(StrBuffer::New()),
      editedText_(StrBuffer::New()), enabler_(nullptr), disabler_(nullptr), dragImage_(nullptr),
      shellIcons_(ImageCollection::New()), iconCache_(image::util::ImageCacher::New()), dropTarget_(nullptr),
      header_(ListHeader::New()),
      defaultDrawer_(drawer::listbox::win::Basic::CreateWithSystemColors()),
      skinDrawer_(nullptr), ownsSkinDrawer_(false), previewSample_(StrBuffer::New()), localizer_(nullptr)
{
    if (shellIcons_) {
        shellIcons_->Reset();
        HIMAGELIST system = SystemSmallIcons();
        if (system)
            shellIcons_->Attach(system);
        shellIcons_->SetOwnsList(false);
    }
    ResetState();
}

ListBox2::~ListBox2()
{
    Reset();
    if (defaultDrawer_)
        defaultDrawer_->ReleaseToPool();
    if (droppedFiles_)
        droppedFiles_->ReleaseToPool();
    for (StrBuffer* text : {label_, editedText_, previewSample_}) {
        if (text)
            text->ReleaseToPool();
    }
    if (shellIcons_) {
        shellIcons_->Detach();
        shellIcons_->ReleaseToPool();
    }
    if (iconCache_)
        iconCache_->ReleaseToPool();
    if (header_)
        header_->ReleaseToPool();
}

// Like every window of the toolkit, a list given back is destroyed: an idle list kept until
// exit would give its parts back to pools that are gone by then.
thread::EasyPooler* ListBox2::GetPool()
{
    return &thread::PoolOf<ListBox2, 0>();
}

ListBox2* ListBox2::New()
{
    return thread::TakeFromPool<ListBox2, 0>();
}

const wchar_t* ListBox2::GetClassName()
{
    return kClassName;
}

base::IObject* ListBox2::NewInstance()
{
    return New();
}

void ListBox2::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ListBox2::Reset()
{
    SetVisible(true, false);
    CreateWindowIn(nullptr);
    ResetState();
}

void ListBox2::ResetState()
{
    ResetComponent();
    background_ = RGB(255, 255, 255);
    inheritBackground_ = true;
    handle_ = nullptr;
    ResetFonts();
    brush_.DeleteObject();
    // Its entries and the drag's settings belong to the list that is going.
    dropSource_.Reset();
    model_.Reset();
    ReleaseDropTarget();
    if (iconCache_)
        iconCache_->Reset();
    if (droppedFiles_)
        droppedFiles_->Clear();
    std::memset(&item_, 0, sizeof(item_));
    if (label_)
        label_->Clear();
    if (editedText_)
        editedText_->Clear();
    rowHeight_ = -1;
    separateControlFont_ = false;
    lastRowHeight_ = 15;
    viewMode_ = 2;
    multiSelect_ = true;
    headerVisible_ = true;
    checkBoxes_ = fullRowSelect_ = gridLines_ = acceptFiles_ = oleDropTarget_ = oleHover_ = false;
    rowDrag_ = dragOut_ = keepSorted_ = false;
    selected_.FreeAll();
    selectedIds_.FreeAll();
    for (col::_array::ArrayP& listeners : listeners_)
        listeners.FreeAll();
    doubleClicked_ = nullptr;
    hotRecord_ = nullptr;
    hotCell_ = nullptr;
    cellButtonTracking_ = false;
    if (enabler_)
        enabler_->ReleaseToPool();
    if (disabler_)
        disabler_->ReleaseToPool();
    enabler_ = nullptr;
    disabler_ = nullptr;
    rowImages_.DeleteImageList();
    if (dragImage_) {
        dragImage_->DeleteImageList();
        delete dragImage_;
    }
    dragImage_ = nullptr;
    dragging_ = false;
    autoScrollTicks_ = 0;
    partners_.FreeAll();
    partner_ = nullptr;
    labelEditing_ = false;
    editedRow_ = -1;
    smallImagesAttached_ = false;
    hasIconColumn_ = false;
    lastClickedColumn_ = -1;
    contextMenu_ = nullptr;
    hideNativeScrollBars_ = false;
    verticalBar_ = nullptr;
    horizontalBar_ = nullptr;
    if (header_)
        header_->Reset();
    border_ = true;
    dragReorder_ = false;
    if (skinDrawer_ && ownsSkinDrawer_)
        skinDrawer_->ReleaseToPool();
    skinDrawer_ = nullptr;
    ownsSkinDrawer_ = false;
    if (defaultDrawer_)
        defaultDrawer_->ApplyToFonts(&primaryFont_, &secondaryFont_);
    dropRow_ = -1;
    dropMode_ = 0;
    updating_ = false;
    markerColor_ = 0;
    drawerMarkerColor_ = true;
    alternateColor_ = 0xEEEEEE;
    ownAlternateColor_ = false;
    alternateRows_ = false;
    middleButton_ = false;
    displayOrder_.FreeAll();
    lastChecked_ = nullptr;
    lastUnchecked_ = nullptr;
    key_ = 0;
    keyHandled_ = false;
    innerHeight_ = 0;
    previewColumn_ = -1;
    previewPoints_ = 14;
    previewBold_ = false;
    previewItalic_ = false;
    if (previewSample_)
        previewSample_->FreeAll();
    excludedChild_ = nullptr;
}

void ListBox2::ResetFonts()
{
    for (Font* font : {&controlFont_, &primaryFont_, &secondaryFont_, &emphasisedFont_, &emphasisedSecondaryFont_,
                       &dimmedFont_}) {
        font->Reset();
        font->SetSizeCode(-2);
    }
    emphasisedFont_.SetBold(true);
    emphasisedSecondaryFont_.SetBold(true);
    const COLORREF gray = GetSysColor(COLOR_GRAYTEXT);
    dimmedFont_.SetColor(GetRValue(gray), GetGValue(gray), GetBValue(gray));
}

void ListBox2::OnEvent(base::IObject* source, int32_t code)
{
    if (!source)
        return;
    if (dropTarget_ && source == static_cast<base::IObject*>(dropTarget_)) {
        OnDropTargetEvent(code);
        return;
    }
    if (source == static_cast<base::IObject*>(&dropSource_)) {
        OnDropSourceEvent(code);
        return;
    }
    if (localizer_ && source == static_cast<base::IObject*>(localizer_)) {
        RecaptionColumns();
        return;
    }
    if (skinLink_.IsFrom(source) && handle_)
        ::SendMessageW(handle_, msg::kSkinChanged, 0, 0);
}

bool ListBox2::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        if (!parent_ && !m_hWnd)
            return true;
        if (header_)
            header_->CreateWindowIn(nullptr);
        if (m_hWnd)
            ::SendMessageW(m_hWnd, msg::kDestroyOwnWindow, 0, 0);
        if (m_hWnd)
            Detach();
        handle_ = nullptr;
        if (localizer_)
            localizer_->RemoveListener(this);
        localizer_ = nullptr;
        if (skinLink_.Leave(this) && !ownsSkinDrawer_) {
            skinDrawer_ = nullptr;
            SetDrawer(nullptr, false);
        }
        parent_ = nullptr;
        window_ = nullptr;
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    if (window_ && window_->HasLocalizer() && window_->GetLocalizer()) {
        localizer_ = window_->GetLocalizer();
        localizer_->AddListener(this);
    }
    if (skinLink_.Join(window_, this)) {
        drawer::ISkin* skin = skinLink_.GetCurrentSkin();
        SetDrawer(skin ? skin->GetListBoxDrawer() : nullptr, false);
    }
    if (!Create(NativeWindowOf(parent))) {
        if (localizer_)
            localizer_->RemoveListener(this);
        localizer_ = nullptr;
        skinLink_.Leave(this);
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    return true;
}

drawer::IListBox* ListBox2::GetDrawer()
{
    return skinDrawer_ ? skinDrawer_ : static_cast<drawer::IListBox*>(defaultDrawer_);
}

void ListBox2::SetDrawer(drawer::IListBox* drawer, bool owned)
{
    if (skinDrawer_ && ownsSkinDrawer_ && skinDrawer_ != drawer)
        skinDrawer_->ReleaseToPool();
    skinDrawer_ = drawer;
    ownsSkinDrawer_ = drawer && owned;
    if (drawer::IListBox* current = GetDrawer())
        current->ApplyToFonts(&primaryFont_, &secondaryFont_);
    emphasisedFont_.InheritFromFont(&primaryFont_);
    emphasisedSecondaryFont_.InheritFromFont(&secondaryFont_);
    dimmedFont_.InheritFromFont(&primaryFont_);
    const COLORREF gray = GetSysColor(COLOR_GRAYTEXT);
    dimmedFont_.SetColor(GetRValue(gray), GetGValue(gray), GetBValue(gray));
    Redraw();
}

col::_array::ArrayP* ListBox2::ListenersOf(int32_t event)
{
    const int32_t slot = SlotOf(event);
    return slot < 0 ? nullptr : &listeners_[slot];
}

uint32_t ListBox2::GetListenerCount(int32_t event)
{
    col::_array::ArrayP* listeners = ListenersOf(event);
    return listeners ? listeners->GetCount() : 0;
}

void ListBox2::AddListener(int32_t event, events::IEventListener* listener)
{
    col::_array::ArrayP* listeners = ListenersOf(event);
    if (listeners && listener)
        listeners->Append(listener);
}

void ListBox2::Tell(int32_t event)
{
    if (col::_array::ArrayP* listeners = ListenersOf(event))
        events::TellListeners(*listeners, this, event);
}

void ListBox2::AddSelectListener(events::IEventListener* listener) { AddListener(ListBox2Event::RowSelected, listener); }
void ListBox2::AddDeselectListener(events::IEventListener* listener) { AddListener(ListBox2Event::RowDeselected, listener); }
void ListBox2::AddShellDropListener(events::IEventListener* listener) { AddListener(ListBox2Event::ShellFilesDropped, listener); }
void ListBox2::AddPartnerDropListener(events::IEventListener* listener) { AddListener(ListBox2Event::RowsDroppedOnPartner, listener); }
void ListBox2::AddRowsMovedListener(events::IEventListener* listener) { AddListener(ListBox2Event::RowsMoved, listener); }
void ListBox2::AddLabelEditListener(events::IEventListener* listener) { AddListener(ListBox2Event::LabelEdited, listener); }
void ListBox2::AddColumnClickListener(events::IEventListener* listener) { AddListener(ListBox2Event::ColumnClicked, listener); }
void ListBox2::AddColumnSortedListener(events::IEventListener* listener) { AddListener(ListBox2Event::ColumnSorted, listener); }
void ListBox2::AddContextMenuListener(events::IEventListener* listener) { AddListener(ListBox2Event::ContextMenuRequested, listener); }
void ListBox2::AddKeyListener(events::IEventListener* listener) { AddListener(ListBox2Event::KeyDown, listener); }
void ListBox2::AddCellButtonListener(events::IEventListener* listener) { AddListener(ListBox2Event::CellButtonClicked, listener); }
void ListBox2::AddSingleSelectListener(events::IEventListener* listener) { AddListener(ListBox2Event::SingleRowSelected, listener); }
void ListBox2::AddSelectionEmptiedListener(events::IEventListener* listener) { AddListener(ListBox2Event::SelectionEmptied, listener); }
void ListBox2::AddDoubleClickListener(events::IEventListener* listener) { AddListener(ListBox2Event::RowDoubleClicked, listener); }
void ListBox2::AddSortedListener(events::IEventListener* listener) { AddListener(ListBox2Event::Sorted, listener); }
void ListBox2::AddOleDropListener(events::IEventListener* listener) { AddListener(ListBox2Event::OleFilesDropped, listener); }
void ListBox2::AddCheckListener(events::IEventListener* listener) { AddListener(ListBox2Event::CellChecked, listener); }
void ListBox2::AddUncheckListener(events::IEventListener* listener) { AddListener(ListBox2Event::CellUnchecked, listener); }

void ListBox2::ConfigureDragOut(events::IEventListener* listener, app::IAppWindowFactory* application,
                                bool ownedByWindow, const wchar_t* caption)
{
    AddListener(ListBox2Event::DragOutStarted, listener);
    dropSource_.Configure(application, ownedByWindow && window_ ? NativeWindowOf(window_) : nullptr, caption);
}

void ListBox2::EnableWithSelection(IComponent* component)
{
    EnableWithSingleSelection(component);
    DisableWhenSelectionEmpty(component);
}

void ListBox2::EnableWithSingleSelection(IComponent* component)
{
    if (!enabler_) {
        enabler_ = events::Enabler::Create(this);
        if (!enabler_)
            return;
        AddListener(ListBox2Event::SingleRowSelected, enabler_);
    }
    if (component)
        enabler_->AddTarget(component);
}

void ListBox2::DisableWhenSelectionEmpty(IComponent* component)
{
    if (!disabler_) {
        disabler_ = events::Disabler::Create(this);
        if (!disabler_)
            return;
        AddListener(ListBox2Event::SelectionEmptied, disabler_);
    }
    if (component)
        disabler_->AddTarget(component);
}

void ListBox2::AddDropPartner(IListBox2* list)
{
    if (list && !partners_.IndexOf(list, nullptr))
        partners_.Append(list);
}

void ListBox2::SetBorder(bool border)
{
    border_ = border;
    if (m_hWnd)
        ModifyStyle(border ? 0 : WS_BORDER, border ? WS_BORDER : 0, SWP_FRAMECHANGED);
}

void ListBox2::SetDragReorder(bool on)
{
    dragReorder_ = on;
    if (on) {
        SetRowDrag(true);
        AddDropPartner(this);
    }
}

void ListBox2::SetMarkerColor(int32_t red, int32_t green, int32_t blue)
{
    markerColor_ = ColorFromBytes(red, green, blue);
    drawerMarkerColor_ = false;
    if (IsShown())
        Redraw();
}

void ListBox2::SetSecondaryFontColor(int32_t red, int32_t green, int32_t blue)
{
    secondaryFont_.SetColor(red, green, blue);
}

void ListBox2::SetAlternateColor(int32_t red, int32_t green, int32_t blue)
{
    alternateColor_ = ColorFromBytes(red, green, blue);
    ownAlternateColor_ = true;
    alternateRows_ = true;
}

void ListBox2::SetFontPreviewColumn(int32_t column, int32_t pointSize, bool bold, bool italic, const wchar_t* sample)
{
    previewColumn_ = column;
    previewPoints_ = pointSize;
    previewBold_ = bold;
    previewItalic_ = italic;
    if (previewSample_)
        previewSample_->Assign(sample ? sample : L"");
}

void ListBox2::FillParent()
{
    widthPercent_ = 100;
    heightPercent_ = 100;
}

void ListBox2::SetRowHeight(int32_t height)
{
    rowHeight_ = height;
    CImageList images;
    // One transparent picture of that height makes the control's rows that high.
    if (images.Create(1, height > 0 ? height : 1, 0, 1, 1)) {
        if (m_hWnd)
            SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images.GetSafeHandle()));
        rowImages_.DeleteImageList();
        rowImages_.Attach(images.Detach());
    }
    controlFont_.SetHeight(6);
    if (m_hWnd)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(controlFont_.GetFontHandle()), TRUE);
    separateControlFont_ = true;
    ApplyFont();
}

void ListBox2::ApplyFont()
{
    if (!m_hWnd)
        return;
    Font& font = separateControlFont_ ? controlFont_ : primaryFont_;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetFontHandle()), TRUE);
    minWidth_ = 50;
    minHeight_ = 25;
    preferredWidth_ = 50;
    preferredHeight_ = 25;
    if (parent_)
        parent_->RequestLayout();
}

void ListBox2::SetSizeCode(int32_t code)
{
    for (Font* font : {&primaryFont_, &secondaryFont_, &emphasisedFont_, &emphasisedSecondaryFont_, &dimmedFont_})
        font->SetSizeCode(code);
    ApplyFont();
}

void ListBox2::SetFaceName(const wchar_t* face)
{
    primaryFont_.SetFaceName(face);
    ApplyFont();
}

void ListBox2::SetFontHeight(int32_t height)
{
    primaryFont_.SetHeight(height);
    ApplyFont();
}

void ListBox2::SetFontColor(int32_t red, int32_t green, int32_t blue)
{
    primaryFont_.SetColor(red, green, blue);
    ApplyFont();
}

void ListBox2::SetFontWidth(int32_t width)
{
    primaryFont_.SetWidth(width);
    ApplyFont();
}

void ListBox2::SetBold(bool bold)
{
    primaryFont_.SetBold(bold);
    ApplyFont();
}

void ListBox2::SetItalic(bool italic)
{
    primaryFont_.SetItalic(italic);
    ApplyFont();
}

void ListBox2::SetUnderline(bool underline)
{
    primaryFont_.SetUnderline(underline);
    ApplyFont();
}

void ListBox2::SetStrikeOut(bool strikeOut)
{
    primaryFont_.SetStrikeOut(strikeOut);
    ApplyFont();
}

void ListBox2::SetWeight(int32_t weight)
{
    primaryFont_.SetWeight(weight);
    ApplyFont();
}

} // namespace win
} // namespace gui
} // namespace s

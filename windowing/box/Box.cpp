// The Box's pool, its one-call set-up, its reset and its settings.
#include "windowing/box/Box.h"

#include <windows.h>
#include <shellapi.h>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "windowing/box/UrlDropTarget.h"

namespace s {
namespace gui {
namespace win {

Box::Box()
    : layoutManager_(nullptr), droppedFiles_(str::strarray::StrArray::New()),
      droppedUrl_(str::strbuffer::StrBuffer::New()), urlTarget_(nullptr), drawer_(nullptr), ownsDrawer_(false), backImage_(nullptr)
{
    hiddenY_ = -kHiddenY;
    ResetBox();
}

Box::~Box()
{
    Reset();
    if (droppedFiles_)
        droppedFiles_->ReleaseToPool();
    if (droppedUrl_)
        droppedUrl_->ReleaseToPool();
}

// The pools of what a Box holds are made first, so that they outlive the Box pool at exit,
// when the idle Boxes give their texts back.
thread::EasyPooler* Box::GetPool()
{
    static const bool heldPoolsMade = str::strarray::StrArray::GetPool() && str::strbuffer::StrBuffer::GetPool() &&
                                      col::_array::ArrayP::GetPool();
    (void)heldPoolsMade;
    return &thread::PoolOf<Box, kPoolCapacity>();
}

Box* Box::Create(int32_t kind, int32_t widthPercent, int32_t heightPercent, int32_t hAlign, int32_t vAlign,
                 int32_t hGap, int32_t vGap, int32_t hMargins, int32_t vMargins)
{
    Box* box = static_cast<Box*>(GetPool()->Take());
    if (!box)
        return nullptr;
    switch (kind) {
    case kRow:
        box->SetHorizontal();
        break;
    case kColumn:
        box->SetVertical();
        break;
    case kFlow:
        box->SetFlow();
        break;
    case kPile:
        box->SetPile();
        break;
    default:
        break;
    }
    if (widthPercent >= 0)
        box->SetWidthPercent(widthPercent, true);
    if (heightPercent >= 0)
        box->SetHeightPercent(heightPercent, true);
    if (hAlign <= 0)
        box->SetHAlignLeft();
    else if (hAlign == 1)
        box->SetHAlignCenter();
    else
        box->SetHAlignRight();
    if (vAlign <= 0)
        box->SetVAlignTop();
    else if (vAlign == 1)
        box->SetVAlignCenter();
    else
        box->SetVAlignBottom();
    if (hGap > 0)
        box->SetHGap(hGap);
    if (vGap > 0)
        box->SetVGap(vGap);
    if (hMargins > 0)
        box->SetHMargins(hMargins);
    if (vMargins > 0)
        box->SetVMargins(vMargins);
    return box;
}

const wchar_t* Box::GetClassName()
{
    return kClassName;
}

base::IObject* Box::NewInstance()
{
    return static_cast<Box*>(GetPool()->Take());
}

void Box::ReleaseToPool()
{
    GetPool()->Give(this);
}

// Listeners first: a Box on its way back to the pool tells nobody of its emptying.
void Box::Reset()
{
    for (col::_array::ArrayP& list : listeners_)
        list.Clear();
    pageLocked_ = false;
    SetAcceptUrls(false);
    RemoveAllChildren(true);
    CreateWindowIn(nullptr);
    ReleaseBackImage();
    SetDrawer(nullptr, false);
    ResetComponent();
    hiddenY_ = -kHiddenY;
    ResetBox();
}

void Box::ResetBox()
{
    layoutManager_ = nullptr;
    contentMinWidth_ = contentNaturalHeight_ = contentMaxWidth_ = contentMaxHeight_ = 0;
    explicitMinWidth_ = kNotSet;
    sizeHint_ = kNotSet;
    layoutKind_ = kColumn;
    hAlign_ = vAlign_ = hGap_ = vGap_ = 0;
    marginLeft_ = marginRight_ = marginTop_ = marginBottom_ = 0;
    creatingChildren_ = false;
    acceptFiles_ = false;
    acceptUrls_ = false;
    if (droppedFiles_)
        droppedFiles_->Clear();
    if (droppedUrl_)
        droppedUrl_->Assign(L"");
    wheelLines_ = -1;
    inWheel_ = false;
    hover_ = false;
    hasHoverColor_ = false;
    hoverColor_ = 0;
    ignoreMinWidth_ = ignoreMinHeight_ = false;
    layoutDepth_ = 0;
    mouseTransparent_ = true;
    paintDC_ = nullptr;
    paintedByListener_ = false;
    for (col::_array::ArrayP& list : listeners_)
        list.Clear();
}

void Box::TellListeners(ListenerList list, int32_t code)
{
    // A listener may add another; it is told too.
    col::_array::ArrayP& listeners = listeners_[list];
    for (uint32_t i = 0; i < listeners.GetCount(); ++i)
        static_cast<events::IEventListener*>(listeners.Get(i))->OnEvent(this, code);
}

// The drop target reports a finished drop with code 3; its text is then read on the Box's
// thread like every other drop.
void Box::OnEvent(base::IObject* source, int32_t code)
{
    if (code == UrlDropTarget::kEventDropped && urlTarget_ && source == static_cast<base::IObject*>(urlTarget_) &&
        m_hWnd)
        ::SendMessageW(m_hWnd, msg::kUrlDropped, 0, 0);
}

void Box::SetHGap(int32_t gap)
{
    hGap_ = gap;
}

void Box::SetVGap(int32_t gap)
{
    vGap_ = gap;
}

void Box::OffsetChild(IComponent* child)
{
    if (child && (marginLeft_ != 0 || marginLeft_ != marginTop_))
        child->SetOffset(marginLeft_, marginTop_);
}

void Box::OffsetChildren()
{
    if (!m_hWnd)
        return;
    for (int32_t i = 0; i < GetChildCount(); ++i)
        OffsetChild(GetChildAt(i));
}

void Box::SetMarginLeft(int32_t margin)
{
    marginLeft_ = margin;
    OffsetChildren();
}

void Box::SetMarginRight(int32_t margin)
{
    marginRight_ = margin;
    OffsetChildren();
}

void Box::SetMarginTop(int32_t margin)
{
    marginTop_ = margin;
    OffsetChildren();
}

void Box::SetMarginBottom(int32_t margin)
{
    marginBottom_ = margin;
    OffsetChildren();
}

void Box::SetHMargins(int32_t margin)
{
    marginLeft_ = marginRight_ = margin;
    OffsetChildren();
}

void Box::SetVMargins(int32_t margin)
{
    marginTop_ = marginBottom_ = margin;
    OffsetChildren();
}

void Box::SetMargins(int32_t margin)
{
    marginLeft_ = marginRight_ = marginTop_ = marginBottom_ = margin;
    OffsetChildren();
}

void Box::SetVAlignTop()
{
    vAlign_ = 0;
}

void Box::SetVAlignCenter()
{
    vAlign_ = 1;
}

void Box::SetVAlignBottom()
{
    vAlign_ = 2;
}

void Box::SetHAlignLeft()
{
    hAlign_ = 0;
}

void Box::SetHAlignCenter()
{
    hAlign_ = 1;
}

void Box::SetHAlignRight()
{
    hAlign_ = 2;
}

int32_t Box::GetLayoutKind()
{
    return layoutKind_;
}

void Box::SetHorizontal()
{
    layoutKind_ = kRow;
}

void Box::SetVertical()
{
    layoutKind_ = kColumn;
}

void Box::SetFlow()
{
    layoutKind_ = kFlow;
}

void Box::SetPile()
{
    layoutKind_ = kPile;
}

void Box::SetFullSize()
{
    SetWidthPercent(100, true);
    SetHeightPercent(100, true);
}

// A negative percent or pixel count means none.
void Box::SetWidthPercent(int32_t percent, bool relayout)
{
    fixedWidth_ = kNotSet;
    widthPercent_ = percent < 0 ? kNotSet : percent;
    RelayoutAfterSizeChange(relayout);
}

void Box::SetHeightPercent(int32_t percent, bool relayout)
{
    fixedHeight_ = kNotSet;
    heightPercent_ = percent < 0 ? kNotSet : percent;
    RelayoutAfterSizeChange(relayout);
}

void Box::SetWidthPixels(int32_t pixels, bool relayout)
{
    widthPercent_ = kNotSet;
    fixedWidth_ = pixels < 0 ? kNotSet : pixels;
    RelayoutAfterSizeChange(relayout);
}

void Box::SetHeightPixels(int32_t pixels, bool relayout)
{
    heightPercent_ = kNotSet;
    fixedHeight_ = pixels < 0 ? kNotSet : pixels;
    RelayoutAfterSizeChange(relayout);
}

void Box::RelayoutAfterSizeChange(bool relayout)
{
    if (!m_hWnd)
        return;
    DoLayout();
    if (relayout)
        RequestParentLayout();
}

void Box::RequestParentLayout()
{
    if (!parent_)
        return;
    parent_->RequestLayout();
    if (layoutKind_ == kFlow)
        parent_->RequestLayout();
}

void Box::SetMinWidth(int32_t width)
{
    explicitMinWidth_ = width;
}

void Box::SetSizeHint(int32_t width)
{
    sizeHint_ = width < 0 ? kNotSet : width;
}

int32_t Box::GetSizeHint()
{
    return sizeHint_;
}

void Box::SetAcceptFiles(bool accept)
{
    acceptFiles_ = accept;
    if (m_hWnd)
        DragAcceptFiles(m_hWnd, accept ? TRUE : FALSE);
}

void Box::AddFileDropListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kFileDrop].Append(listener);
}

str::strarray::StrArray* Box::GetDroppedFiles()
{
    return droppedFiles_;
}

void Box::SetAcceptUrls(bool accept)
{
    acceptUrls_ = accept;
    if (m_hWnd)
        ::SendMessageW(m_hWnd, msg::kSetAcceptUrls, accept ? 1 : 0, 0);
}

void Box::ApplyAcceptUrls(bool accept)
{
    if (accept && !urlTarget_ && m_hWnd) {
        urlTarget_ = UrlDropTarget::New();
        if (!urlTarget_)
            return;
        urlTarget_->SetOwner(this);
        // Without OLE on this thread the Box takes no addresses; nothing else changes.
        if (!urlTarget_->Register(this)) {
            urlTarget_->ReleaseToPool();
            urlTarget_ = nullptr;
        }
    } else if (!accept && urlTarget_) {
        urlTarget_->Revoke();
        urlTarget_->ReleaseToPool();
        urlTarget_ = nullptr;
    }
}

void Box::AddUrlDropListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kUrlDrop].Append(listener);
}

str::strbuffer::StrBuffer* Box::GetDroppedUrl()
{
    return droppedUrl_;
}

void Box::AddWheelListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kWheel].Append(listener);
}

int32_t Box::GetWheelLines()
{
    return wheelLines_;
}

void Box::SetIgnoreMinWidth(bool ignore)
{
    ignoreMinWidth_ = ignore;
}

void Box::SetIgnoreMinHeight(bool ignore)
{
    ignoreMinHeight_ = ignore;
}

void Box::AddLayoutListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kLayout].Append(listener);
}

void Box::ShowOnlyChildVisible(int32_t index)
{
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        IComponent* child = GetChildAt(i);
        if (child && i != index)
            child->SetVisible(false, true);
    }
    if (IComponent* shown = GetChildAt(index))
        shown->SetVisible(true, true);
}

// The other pages wait below, locked, so that nothing shows them by the way.
void Box::ShowOnlyChild(int32_t index)
{
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        IComponent* child = GetChildAt(i);
        if (!child || i == index)
            continue;
        child->SetVisible(false, true);
        child->SetOffset(0, kPageAwayY);
        if (Box* page = dynamic_cast<Box*>(child))
            page->SetPageLock(true);
    }
    IComponent* shown = GetChildAt(index);
    if (!shown)
        return;
    if (Box* page = dynamic_cast<Box*>(shown))
        page->SetPageLock(false);
    shown->SetOffset(0, 0);
    shown->SetVisible(true, true);
}

void Box::AddBoundsListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kBounds].Append(listener);
}

void Box::AddPaintListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kPaint].Append(listener);
}

HDC Box::GetPaintDC()
{
    return paintDC_;
}

void Box::MarkPainted()
{
    paintedByListener_ = true;
}

void Box::SetMouseTransparent(bool transparent)
{
    mouseTransparent_ = transparent;
}

void Box::SetHoverColor(int32_t red, int32_t green, int32_t blue)
{
    hoverColor_ = ColorFromBytes(red, green, blue);
    hasHoverColor_ = true;
}

void Box::SetPageLock(bool locked)
{
    pageLocked_ = locked;
}

void Box::AddClickListener(events::IEventListener* listener)
{
    if (!listener)
        return;
    listeners_[kClick].Append(listener);
    mouseTransparent_ = false;
}

} // namespace win
} // namespace gui
} // namespace s

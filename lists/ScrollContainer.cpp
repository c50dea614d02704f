// The shared body of the scrollable containers: tree, geometry, layout, painting and the wheel.
#include "lists/ScrollContainer.h"

#include <algorithm>

#include "lists/IListBoxEx.h"
#include "lists/IScrollBox.h"
#include "lists/ScrollBar.h"
#include "lists/ScrollInfo.h"
#include "mfc/PaintDC.h"
#include "storage/lang/Localizer.h"
#include "windowing/box/Box.h"
#include "windowing/component/ChildList.h"
#include "windowing/component/CopyParentBackground.h"
#include "windowing/layout/LayoutPile.h"
#include "windowing/layout/Pile.h"
#include "windowing/paint/MemDC.h"

namespace s {
namespace gui {
namespace win {

namespace {

// A layout that makes the bars come or go lays out once more; deeper ones are cut off.
const int32_t kLayoutDepthLimit = 2;
// Showing one bar may show the other, which then changes the first one's view.
const int32_t kMeasurePasses = 3;

int32_t PercentOf(int32_t span, int32_t percent)
{
    return static_cast<int32_t>(static_cast<int64_t>(span) * percent / 100);
}

} // namespace

template <class Interface>
ScrollContainer<Interface>::ScrollContainer()
    : outerBox_(nullptr), inner_(nullptr), verticalBar_(nullptr), horizontalBar_(nullptr), layoutManager_(nullptr),
      marginLeft_(0), marginRight_(0), marginTop_(0), marginBottom_(0), active_(true), scrollingDisabled_(false),
      wheelLines_(0), localizer_(nullptr), layoutDepth_(0), measuredDeferred_(false)
{
    this->hiddenY_ = -this->kHiddenY;
}

template <class Interface>
void ScrollContainer<Interface>::ResetContainer()
{
    this->SetVisible(true, false);
    RemoveAllChildrenFrom(&children_, true);
    children_.Clear();
    CreateWindowIn(nullptr);
    this->ResetComponent();
    this->hiddenY_ = -this->kHiddenY;
    outerBox_ = nullptr;
    inner_ = nullptr;
    verticalBar_ = horizontalBar_ = nullptr;
    if (layoutManager_) {
        if (thread::IPoolable* pooled = dynamic_cast<thread::IPoolable*>(layoutManager_))
            pooled->ReleaseToPool();
    }
    layoutManager_ = nullptr;
    marginLeft_ = marginRight_ = marginTop_ = marginBottom_ = 0;
    active_ = true;
    scrollingDisabled_ = false;
    wheelLines_ = 0;
    layoutDepth_ = 0;
    measuredDeferred_ = false;
}

template <class Interface>
void ScrollContainer<Interface>::Store(Box* outer, IComponent* inner, IScrollBar* verticalBar,
                                       IScrollBar* horizontalBar)
{
    outerBox_ = outer;
    inner_ = inner;
    verticalBar_ = dynamic_cast<ScrollBar*>(verticalBar);
    horizontalBar_ = dynamic_cast<ScrollBar*>(horizontalBar);
    if (outer)
        children_.Append(static_cast<IComponent*>(outer));
}

template <class Interface>
bool ScrollContainer<Interface>::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        if (!this->parent_ && !this->m_hWnd)
            return true;
        this->DetachFromParent();
        if (localizer_)
            localizer_->RemoveListener(this);
        localizer_ = nullptr;
        return true;
    }
    if (this->m_hWnd)
        return true;
    this->AttachTo(parent);
    if (this->window_ && this->window_->HasLocalizer()) {
        localizer_ = this->window_->GetLocalizer();
        if (localizer_)
            localizer_->AddListener(this);
    }
    if (!CreateToolkitChild(this, NativeWindowOf(parent), WS_EX_CONTROLPARENT)) {
        if (localizer_)
            localizer_->RemoveListener(this);
        localizer_ = nullptr;
        this->parent_ = nullptr;
        this->window_ = nullptr;
        return false;
    }
    if (outerBox_) {
        // The whole tree is made on this window's thread.
        RequestChildCreation(this->m_hWnd, outerBox_);
        PlaceOuterBox();
        AttachBars();
    }
    DoLayout();
    if (this->visible_) {
        ::ShowWindow(this->m_hWnd, SW_SHOW);
        if (this->parent_)
            this->parent_->RequestLayout();
    }
    return true;
}

template <class Interface>
void ScrollContainer<Interface>::PlaceOuterBox()
{
    if (this->m_hWnd && outerBox_ && (marginLeft_ != 0 || marginTop_ != 0))
        outerBox_->SetOffset(marginLeft_, marginTop_);
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetMinWidth()
{
    return this->fixedWidth_ >= 0 ? this->fixedWidth_ : this->minWidth_ + marginLeft_ + marginRight_;
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetMinHeight()
{
    return this->fixedHeight_ >= 0 ? this->fixedHeight_ : this->minHeight_ + marginTop_ + marginBottom_;
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetMinClientWidth()
{
    return this->fixedWidth_ >= 0 ? this->fixedWidth_ : this->minWidth_;
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetMinClientHeight()
{
    return this->fixedHeight_ >= 0 ? this->fixedHeight_ : this->minHeight_;
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetMaxWidth()
{
    if (this->fixedWidth_ >= 0)
        return this->fixedWidth_;
    if (this->widthPercent_ < 0 || !this->parent_)
        return marginLeft_ + marginRight_ + std::max(this->minWidth_, this->preferredWidth_);
    return PercentOf(this->parent_->GetClientWidth(), this->widthPercent_);
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetMaxHeight()
{
    if (this->fixedHeight_ >= 0)
        return this->fixedHeight_;
    if (this->heightPercent_ < 0 || !this->parent_)
        return marginTop_ + marginBottom_ + std::max(this->minHeight_, this->preferredHeight_);
    return PercentOf(this->parent_->GetClientHeight(), this->heightPercent_);
}

template <class Interface>
void ScrollContainer<Interface>::SetSize(int32_t width, int32_t height)
{
    const bool changed = width != this->width_ || height != this->height_;
    Component<Interface>::SetSize(width, height);
    if (changed)
        DoLayout();
}

template <class Interface>
void ScrollContainer<Interface>::SetBounds(int32_t x, int32_t y, int32_t width, int32_t height)
{
    const bool changed = width != this->width_ || height != this->height_;
    Component<Interface>::SetBounds(x, y, width, height);
    if (changed)
        DoLayout();
}

template <class Interface>
void ScrollContainer<Interface>::SetLayoutSize(int32_t width, int32_t height)
{
    const int32_t w = std::max(std::min(width, GetMaxWidth()), GetMinWidth());
    const int32_t h = std::max(std::min(height, GetMaxHeight()), GetMinHeight());
    SetSize(w, h);
}

template <class Interface>
void ScrollContainer<Interface>::ResumeBounds()
{
    Component<Interface>::ResumeBounds();
    if (!measuredDeferred_)
        return;
    // The view's window has its new size only now.
    measuredDeferred_ = false;
    DoLayout();
}

template <class Interface>
void ScrollContainer<Interface>::SetVisible(bool show, bool)
{
    if (show == this->visible_)
        return;
    this->visible_ = show;
    if (show) {
        if (this->m_hWnd)
            ::ShowWindow(this->m_hWnd, SW_SHOW);
        if (outerBox_)
            outerBox_->SetVisible(true, false);
        if (this->m_hWnd && this->parent_)
            this->parent_->RequestLayout();
        return;
    }
    if (this->m_hWnd) {
        ::ShowWindow(this->m_hWnd, SW_HIDE);
        if (::IsWindow(this->m_hWnd))
            this->SetPosition(this->hiddenX_, this->hiddenY_);
    }
    if (outerBox_)
        outerBox_->SetVisible(false, false);
}

template <class Interface>
void ScrollContainer<Interface>::AddChild(IComponent* child)
{
    if (!inner_ || !child)
        return;
    inner_->AddChild(child);
    if (!this->m_hWnd)
        return;
    DoLayout();
    if (verticalBar_)
        verticalBar_->SetScrolledComponent(inner_);
    if (horizontalBar_)
        horizontalBar_->SetScrolledComponent(inner_);
}

template <class Interface>
void ScrollContainer<Interface>::RemoveChild(IComponent* child, bool recursive)
{
    if (RemoveChildFrom(&children_, child, recursive))
        DoLayout();
}

template <class Interface>
void ScrollContainer<Interface>::RemoveAllChildren(bool recursive)
{
    RemoveAllChildrenFrom(&children_, recursive);
    DoLayout();
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetChildCount()
{
    return ChildCount(&children_);
}

template <class Interface>
IComponent* ScrollContainer<Interface>::GetChildAt(int32_t index)
{
    return ChildAt(&children_, index);
}

template <class Interface>
void ScrollContainer<Interface>::DoLayout()
{
    if (layoutDepth_ >= kLayoutDepthLimit)
        return;
    ++layoutDepth_;
    // A bar that comes or goes changes the room of the content and of the other bar: laid out
    // and measured once more then.
    for (int32_t pass = 0; pass < kMeasurePasses; ++pass) {
        this->minWidth_ = this->minHeight_ = this->preferredWidth_ = this->preferredHeight_ = 0;
        if (outerBox_)
            layout::LayoutPile(this, 0, 0, 0, &this->minWidth_, &this->minHeight_, &this->preferredWidth_,
                               &this->preferredHeight_);
        if (!active_ || !inner_)
            break;
        if (this->IsBoundsSuspended())
            measuredDeferred_ = true;
        const bool horizontalShown = horizontalBar_ && horizontalBar_->IsShown();
        const bool verticalShown = verticalBar_ && verticalBar_->IsShown();
        if (horizontalBar_)
            horizontalBar_->GetScrollInfo()->Recompute(inner_);
        if (verticalBar_)
            verticalBar_->GetScrollInfo()->Recompute(inner_);
        if (horizontalShown == (horizontalBar_ && horizontalBar_->IsShown()) &&
            verticalShown == (verticalBar_ && verticalBar_->IsShown()))
            break;
    }
    --layoutDepth_;
}

template <class Interface>
ILayoutManager* ScrollContainer<Interface>::GetLayoutManager()
{
    return layoutManager_ ? layoutManager_ : layout::Pile::Shared();
}

template <class Interface>
void ScrollContainer<Interface>::SetWidthPercent(int32_t percent)
{
    this->widthPercent_ = percent;
    this->fixedWidth_ = this->kNotSet;
}

template <class Interface>
void ScrollContainer<Interface>::SetHeightPercent(int32_t percent)
{
    this->heightPercent_ = percent;
    this->fixedHeight_ = this->kNotSet;
}

template <class Interface>
void ScrollContainer<Interface>::SetFixedWidth(int32_t width)
{
    this->fixedWidth_ = width;
    this->widthPercent_ = this->kNotSet;
}

template <class Interface>
void ScrollContainer<Interface>::SetFixedHeight(int32_t height)
{
    this->fixedHeight_ = height;
    this->heightPercent_ = this->kNotSet;
}

template <class Interface>
IBox* ScrollContainer<Interface>::GetOuterBox()
{
    return outerBox_;
}

template <class Interface>
void ScrollContainer<Interface>::SetScrollingDisabled(bool disabled)
{
    if (disabled == scrollingDisabled_)
        return;
    scrollingDisabled_ = disabled;
    for (ScrollBar* bar : {verticalBar_, horizontalBar_}) {
        if (bar)
            bar->GetScrollInfo()->SetDisabled(inner_, disabled);
    }
    DoLayout();
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetVerticalBarThickness()
{
    return verticalBar_ ? verticalBar_->GetThickness() : 0;
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetHorizontalBarThickness()
{
    return horizontalBar_ ? horizontalBar_->GetThickness() : 0;
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetVisibleVerticalBarThickness()
{
    return verticalBar_ ? verticalBar_->GetScrollInfo()->GetVisibleThickness() : 0;
}

template <class Interface>
int32_t ScrollContainer<Interface>::GetVisibleHorizontalBarThickness()
{
    return horizontalBar_ ? horizontalBar_->GetScrollInfo()->GetVisibleThickness() : 0;
}

template <class Interface>
bool ScrollContainer<Interface>::ReadWheel(WPARAM wParam, LPARAM lParam, int32_t* lines, int32_t* step, POINT* point)
{
    // Signed words: a monitor left of or above the primary one has negative coordinates.
    point->x = static_cast<int16_t>(LOWORD(lParam));
    point->y = static_cast<int16_t>(HIWORD(lParam));
    if (!this->ContainsScreenPoint(point->x, point->y))
        return false;
    UINT systemLines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &systemLines, 0);
    // Only the direction counts, not the size of the turn.
    wheelLines_ = static_cast<int32_t>(systemLines);
    if (static_cast<int32_t>(wParam) <= 0)
        wheelLines_ = -wheelLines_;
    *lines = wheelLines_;
    *step = wheelLines_ * -15;
    return true;
}

template <class Interface>
ScrollBar* ScrollContainer<Interface>::BarAt(POINT point)
{
    for (ScrollBar* bar : {verticalBar_, horizontalBar_}) {
        if (bar && bar->IsShown() && bar->ContainsScreenPoint(point.x, point.y))
            return bar;
    }
    return nullptr;
}

template <class Interface>
void ScrollContainer<Interface>::Paint()
{
    CPaintDC dc(this);
    HDC target = dc.GetSafeHdc();
    if (!target)
        return;
    RECT client;
    ::GetClientRect(this->m_hWnd, &client);
    // Only the margins are painted; the children paint themselves.
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        IComponent* child = GetChildAt(i);
        if (!child)
            continue;
        const int32_t left = child->GetX() + marginLeft_;
        const int32_t top = child->GetY() + marginTop_;
        ::ExcludeClipRect(target, left, top, left + child->GetWidth(), top + child->GetHeight());
    }
    if (!this->inheritBackground_ || !CopyParentBackground(this, &dc)) {
        HBRUSH brush = ::CreateSolidBrush(this->GetEffectiveBackgroundColor());
        ::FillRect(target, &client, brush);
        ::DeleteObject(brush);
    }
    PaintOver(target, client);
}

template <class Interface>
bool ScrollContainer<Interface>::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        Paint();
        return true;
    case WM_NCPAINT:
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_MOUSEWHEEL:
        *result = HandleWheel(wParam, lParam);
        return true;
    default:
        return Component<Interface>::HandleMessage(result, message, wParam, lParam);
    }
}

template class ScrollContainer<IListBoxEx>;
template class ScrollContainer<IScrollBox>;

} // namespace win
} // namespace gui
} // namespace s

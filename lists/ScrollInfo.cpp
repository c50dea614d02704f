#include "lists/ScrollInfo.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "lists/IScrollBar.h"
#include "lists/ListBox2.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/component/IContainer.h"

namespace s {
namespace gui {
namespace scrollbar {
namespace win {

using gui::win::ListBox2;

namespace {

int32_t RoundHalfAway(double value)
{
    return static_cast<int32_t>(std::lround(value));
}

void ChangeNativeStyle(HWND window, DWORD remove, DWORD add)
{
    if (!window)
        return;
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR changed = (style & ~static_cast<LONG_PTR>(remove)) | static_cast<LONG_PTR>(add);
    if (changed == style)
        return;
    ::SetWindowLongPtrW(window, GWL_STYLE, changed);
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

ScrollInfo::ScrollInfo()
{
    Reset();
}

thread::EasyPooler* ScrollInfo::GetPool()
{
    return &thread::PoolOf<ScrollInfo, kPoolCapacity>();
}

ScrollInfo* ScrollInfo::New()
{
    return static_cast<ScrollInfo*>(GetPool()->Take());
}

const wchar_t* ScrollInfo::GetClassName()
{
    return kClassName;
}

base::IObject* ScrollInfo::NewInstance()
{
    return New();
}

void ScrollInfo::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ScrollInfo::Reset()
{
    axis_ = kHorizontal;
    scrollable_ = 0;
    disabled_ = 1;
    centerMode_ = 0;
    recomputeDepth_ = 0;
    position_ = range_ = page_ = center_ = appliedOffset_ = 0;
    active_ = 0;
    owner_ = nullptr;
    lineHeight_ = kDefaultLineHeight;
}

int32_t ScrollInfo::GetThickness()
{
    if (owner_)
        return owner_->GetThickness();
    return ::GetSystemMetrics(IsHorizontal() ? SM_CYHSCROLL : SM_CXVSCROLL);
}

int32_t ScrollInfo::NativeBar() const
{
    return axis_ == kHorizontal ? SB_HORZ : SB_VERT;
}

void ScrollInfo::Recompute(IComponent* component)
{
    if (!component || recomputeDepth_ >= 1 || !active_ || disabled_ || component->GetClientHeight() == 0)
        return;
    ++recomputeDepth_;
    if (ListBox2* list = dynamic_cast<ListBox2*>(component))
        MeasureList(list);
    else
        MeasureContent(component);
    ShowBar(component, IsScrolling());
    // The bar's coming or going changes the room left for the content; the nested recompute
    // that this layout asks for stops at the depth test.
    if (component->IsContainer()) {
        if (IContainer* container = dynamic_cast<IContainer*>(component))
            container->DoLayout();
    }
    if (owner_)
        owner_->Redraw();
    --recomputeDepth_;
}

void ScrollInfo::MeasureList(ListBox2* list)
{
    HWND view = list->GetSafeHwnd();
    const int32_t count = view ? static_cast<int32_t>(::SendMessageW(view, LVM_GETITEMCOUNT, 0, 0)) : 0;
    if (count <= 0) {
        scrollable_ = 0;
        return;
    }
    RECT client = {};
    ::GetClientRect(view, &client);
    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageW(view, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    lineHeight_ = row.bottom - row.top;
    if (IsVertical()) {
        page_ = client.bottom - client.top - list->HeaderHeight();
        const int32_t top = static_cast<int32_t>(::SendMessageW(view, LVM_GETTOPINDEX, 0, 0));
        position_ = lineHeight_ * std::max(top, 0);
        // The remainder of the page makes the largest position a whole number of rows; rows
        // of no height have none.
        const int32_t remainder = lineHeight_ > 0 && page_ > 0 ? page_ % lineHeight_ : 0;
        range_ = lineHeight_ * count + remainder;
    } else {
        page_ = client.right - client.left;
        range_ = row.right - row.left;
    }
    scrollable_ = range_ > page_ ? 1 : 0;
}

void ScrollInfo::MeasureContent(IComponent* component)
{
    HWND window = gui::win::NativeWindowOf(component);
    RECT client = {};
    if (window)
        ::GetClientRect(window, &client);
    const int32_t view = IsHorizontal() ? std::max<int32_t>(client.right - client.left, component->GetClientWidth())
                                        : client.bottom - client.top;
    IComponent* content = component->GetChildCount() > 0 ? component->GetChildAt(0) : nullptr;
    if (content) {
        range_ = IsHorizontal() ? content->GetWidth() : content->GetHeight();
        if (centerMode_ && (center_ == 0 || !scrollable_))
            center_ = range_ / 2;
    }
    int32_t position = 0;
    if (view < range_) {
        if (centerMode_)
            position = std::max(0, std::min(center_ - RoundHalfAway(view * 0.5), range_ - view));
        else if (page_ > 0 && position_ > 0)
            // The view keeps its proportion when it is resized.
            position = RoundHalfAway(static_cast<double>(position_) * view / page_);
        else
            position = position_;
        position = std::min(position, range_ - view);
        page_ = view;
        scrollable_ = 1;
    } else {
        page_ = 0;
        scrollable_ = 0;
    }
    if (!owner_ && window) {
        SCROLLINFO native = {};
        native.cbSize = sizeof(native);
        native.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
        native.nMax = scrollable_ ? range_ : 0;
        native.nPage = static_cast<UINT>(std::max(page_, 0));
        native.nPos = position;
        ::SetScrollInfo(window, NativeBar(), &native, TRUE);
    }
    const int32_t shift = position_ - position;
    position_ = position;
    if (shift != 0 && MoveContent(component, shift))
        appliedOffset_ += shift;
}

bool ScrollInfo::MoveContent(IComponent* component, int32_t shift)
{
    if (!component || component->GetChildCount() <= 0)
        return false;
    IComponent* content = component->GetChildAt(0);
    if (!content)
        return false;
    if (IsHorizontal())
        content->OffsetBy(shift, 0);
    else
        content->OffsetBy(0, shift);
    return true;
}

void ScrollInfo::ShowBar(IComponent* component, bool show)
{
    if (owner_) {
        owner_->SetVisible(show, false);
        return;
    }
    const DWORD style = IsHorizontal() ? WS_HSCROLL : WS_VSCROLL;
    ChangeNativeStyle(gui::win::NativeWindowOf(component), show ? 0 : style, show ? style : 0);
}

void ScrollInfo::ScrollBy(IComponent* component, int32_t delta)
{
    if (!component || !active_ || !IsScrolling())
        return;
    if (position_ + delta < 0)
        delta = -position_;
    if (position_ + delta > range_ - page_)
        delta = range_ - page_ - position_;
    if (delta == 0)
        return;
    const int32_t old = position_;
    position_ += delta;
    if (ListBox2* list = dynamic_cast<ListBox2*>(component)) {
        ScrollList(list, delta, old);
        return;
    }
    HWND window = gui::win::NativeWindowOf(component);
    if (!owner_ && window)
        ::SetScrollPos(window, NativeBar(), position_, TRUE);
    if (MoveContent(component, -delta))
        appliedOffset_ -= delta;
    if (centerMode_)
        center_ += delta;
}

void ScrollInfo::ScrollList(ListBox2* list, int32_t delta, int32_t old)
{
    HWND view = list->GetSafeHwnd();
    if (!view)
        return;
    if (IsHorizontal()) {
        ::SendMessageW(view, LVM_SCROLL, static_cast<WPARAM>(delta), 0);
        appliedOffset_ -= delta;
        Recompute(list);
        return;
    }
    // The list-view shows whole rows only.
    if (lineHeight_ > 0)
        position_ -= position_ % lineHeight_;
    const int32_t moved = position_ - old;
    if (moved == 0)
        return;
    ::SendMessageW(view, LVM_SCROLL, 0, static_cast<LPARAM>(moved));
    appliedOffset_ -= moved;
    Recompute(list);
}

void ScrollInfo::ScrollToTrack(IComponent* component)
{
    HWND window = gui::win::NativeWindowOf(component);
    if (!window)
        return;
    SCROLLINFO native = {};
    native.cbSize = sizeof(native);
    native.fMask = SIF_ALL;
    if (::GetScrollInfo(window, NativeBar(), &native))
        ScrollBy(component, native.nTrackPos - position_);
}

void ScrollInfo::Clear(IComponent* component)
{
    // The content goes back to its unscrolled place before the offset is forgotten.
    if (component && appliedOffset_ != 0) {
        if (ListBox2* list = dynamic_cast<ListBox2*>(component)) {
            if (HWND view = list->GetSafeHwnd()) {
                const WPARAM dx = IsHorizontal() ? static_cast<WPARAM>(appliedOffset_) : 0;
                const LPARAM dy = IsHorizontal() ? 0 : static_cast<LPARAM>(appliedOffset_);
                ::SendMessageW(view, LVM_SCROLL, dx, dy);
            }
        } else {
            MoveContent(component, -appliedOffset_);
        }
    }
    HWND window = component ? gui::win::NativeWindowOf(component) : nullptr;
    if (!owner_ && window) {
        SCROLLINFO native = {};
        native.cbSize = sizeof(native);
        native.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        ::SetScrollInfo(window, NativeBar(), &native, TRUE);
    }
    scrollable_ = 0;
    centerMode_ = 0;
    position_ = range_ = page_ = center_ = appliedOffset_ = 0;
    disabled_ = 1;
    if (owner_)
        owner_->SetVisible(false, false);
}

void ScrollInfo::SetActive(IComponent* component, bool active)
{
    if (active_ == (active ? 1 : 0))
        return;
    active_ = active ? 1 : 0;
    if (active) {
        // The saved offset is applied again.
        MoveContent(component, appliedOffset_);
        SetDisabled(component, false);
        return;
    }
    SetDisabled(component, true);
    MoveContent(component, -appliedOffset_);
}

void ScrollInfo::SetDisabled(IComponent* component, bool disabled)
{
    if (disabled_ == (disabled ? 1 : 0))
        return;
    const bool wasScrolling = IsScrolling();
    disabled_ = disabled ? 1 : 0;
    if (disabled) {
        if (owner_)
            owner_->SetVisible(false, false);
        else
            ChangeNativeStyle(component ? gui::win::NativeWindowOf(component) : nullptr, WS_HSCROLL | WS_VSCROLL, 0);
    } else if (active_ && IsScrolling() != wasScrolling) {
        ShowBar(component, true);
    }
    Recompute(component);
}

} // namespace win
} // namespace scrollbar
} // namespace gui
} // namespace s

// The scroll box: its pool, assembly, centre, wheel listeners and hand-mode dragging.
#include "lists/ScrollBox.h"

#include "lists/AsyncKeys.h"
#include "lists/ScrollBar.h"
#include "lists/ScrollInfo.h"
#include "storage/events/IEventListener.h"
#include "windowing/box/Box.h"

namespace s {
namespace gui {
namespace win {

ScrollBox::ScrollBox()
{
    ResetScrollBox();
}

ScrollBox::~ScrollBox()
{
    Reset();
}

thread::EasyPooler* ScrollBox::GetPool()
{
    static const bool partsFirst = ScrollBar::GetPool() && Box::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<ScrollBox, kPoolCapacity>();
}

ScrollBox* ScrollBox::New()
{
    return static_cast<ScrollBox*>(GetPool()->Take());
}

ScrollBox* ScrollBox::Create(double widthPercent, double heightPercent)
{
    ScrollBox* box = New();
    ScrollBar* horizontal = ScrollBar::CreateBar(0);
    ScrollBar* vertical = ScrollBar::CreateBar(1);
    Box* content = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
    Box* row = Box::Create(IBox::kRow, 100, 100, 0, 0, 0, 0, 0, 0);
    Box* outer = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
    if (!box || !horizontal || !vertical || !content || !row || !outer) {
        ReleaseParts({box, horizontal, vertical, content, row, outer});
        return nullptr;
    }
    row->AddChild(content);
    row->AddChild(vertical);
    outer->AddChild(row);
    outer->AddChild(horizontal);
    content->SetIgnoreMinWidth(true);
    content->SetIgnoreMinHeight(true);
    horizontal->SetPairedBar(vertical);
    box->Assemble(outer, content, vertical, horizontal);
    if (widthPercent >= 0)
        box->SetWidthPercent(static_cast<int32_t>(widthPercent));
    if (heightPercent >= 0)
        box->SetHeightPercent(static_cast<int32_t>(heightPercent));
    return box;
}

const wchar_t* ScrollBox::GetClassName()
{
    return kClassName;
}

base::IObject* ScrollBox::NewInstance()
{
    return New();
}

void ScrollBox::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ScrollBox::Reset()
{
    ResetContainer();
    ResetScrollBox();
}

void ScrollBox::ResetScrollBox()
{
    centerMode_ = false;
    wheelListeners_.Clear();
    handMode_ = false;
    dragging_ = false;
    dragStart_ = dragLast_ = POINT{0, 0};
}

void ScrollBox::Assemble(IBox* outer, IBox* content, IScrollBar* verticalBar, IScrollBar* horizontalBar)
{
    Store(dynamic_cast<Box*>(outer), content, verticalBar, horizontalBar);
    active_ = false;
    SetActive(true);
}

IBox* ScrollBox::GetContentBox()
{
    return dynamic_cast<IBox*>(inner_);
}

void ScrollBox::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    for (ScrollBar* bar : {horizontalBar_, verticalBar_}) {
        if (bar)
            bar->GetScrollInfo()->SetActive(inner_, active);
    }
    // An active box lets its content Box shrink below its content: the content Box is the view
    // and its first child the sheet.
    if (IBox* content = GetContentBox()) {
        content->SetIgnoreMinWidth(active);
        content->SetIgnoreMinHeight(active);
    }
    DoLayout();
}

bool ScrollBox::ContentHasChildren()
{
    return inner_ && inner_->GetChildCount() > 0;
}

void ScrollBox::AttachBars()
{
    if (!ContentHasChildren())
        return;
    for (ScrollBar* bar : {verticalBar_, horizontalBar_}) {
        if (bar)
            bar->SetScrolledComponent(inner_);
    }
}

void ScrollBox::ScrollBy(int32_t dx, int32_t dy)
{
    if (!ContentHasChildren() || !active_)
        return;
    if (horizontalBar_)
        horizontalBar_->ScrollBy(dx);
    if (verticalBar_)
        verticalBar_->ScrollBy(dy);
}

void ScrollBox::SetCenterMode(bool on)
{
    if (on == centerMode_)
        return;
    centerMode_ = on;
    for (ScrollBar* bar : {horizontalBar_, verticalBar_}) {
        if (!bar)
            continue;
        bar->GetScrollInfo()->SetCenterMode(on);
        if (on && active_)
            bar->GetScrollInfo()->Recompute(inner_);
    }
}

int32_t ScrollBox::GetCenterX()
{
    return horizontalBar_ ? *horizontalBar_->GetScrollInfo()->GetCenter() : 0;
}

int32_t ScrollBox::GetCenterY()
{
    return verticalBar_ ? *verticalBar_->GetScrollInfo()->GetCenter() : 0;
}

void ScrollBox::SetCenter(int32_t x, int32_t y)
{
    if (horizontalBar_)
        horizontalBar_->GetScrollInfo()->SetCenter(x);
    if (verticalBar_)
        verticalBar_->GetScrollInfo()->SetCenter(y);
}

void ScrollBox::ClearScrolling()
{
    for (ScrollBar* bar : {horizontalBar_, verticalBar_}) {
        if (bar)
            bar->GetScrollInfo()->Clear(inner_);
    }
    scrollingDisabled_ = false;
    centerMode_ = false;
}

void ScrollBox::AddWheelListener(events::IEventListener* listener)
{
    if (listener)
        wheelListeners_.Append(listener);
}

bool ScrollBox::IsScrollable()
{
    return active_ && ((verticalBar_ && verticalBar_->IsShown()) || (horizontalBar_ && horizontalBar_->IsShown()));
}

LRESULT ScrollBox::HandleWheel(WPARAM wParam, LPARAM lParam)
{
    int32_t lines = 0;
    int32_t step = 0;
    POINT point;
    if (!ReadWheel(wParam, lParam, &lines, &step, &point))
        return 1;
    if (ContentHasChildren()) {
        if (ScrollBar* bar = BarAt(point)) {
            bar->ScrollBy(step);
            return 0;
        }
    }
    if (wheelListeners_.GetCount() > 0) {
        events::TellListeners(wheelListeners_, this, kEventWheel);
        return 0;
    }
    if (!ContentHasChildren())
        return 0;
    if (verticalBar_ && verticalBar_->IsShown())
        verticalBar_->ScrollBy(step);
    else if (horizontalBar_)
        horizontalBar_->ScrollBy(step);
    return 0;
}

bool ScrollBox::TakesMouse()
{
    return handMode_ && IsScrollable() && !IsKeyHeld(VK_RBUTTON) && !IsKeyHeld(VK_MBUTTON);
}

POINT ScrollBox::ScreenPointOf(LPARAM lParam)
{
    // Signed: a captured mouse reports points left of and above the window.
    POINT point = {static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
    ClientToScreen(&point);
    return point;
}

void ScrollBox::StartDrag(LPARAM lParam)
{
    SetCapture();
    dragging_ = true;
    dragStart_ = ScreenPointOf(lParam);
    dragLast_ = dragStart_;
}

void ScrollBox::DragTo(LPARAM lParam)
{
    const POINT point = ScreenPointOf(lParam);
    const int32_t dx = point.x - dragLast_.x;
    const int32_t dy = point.y - dragLast_.y;
    // The sheet follows the mouse.
    if (active_)
        ScrollBy(-dx, -dy);
    dragLast_.x += dx;
    dragLast_.y += dy;
}

void ScrollBox::EndDrag(LPARAM lParam)
{
    const POINT release = ScreenPointOf(lParam);
    if (active_ && release.x == dragStart_.x && release.y == dragStart_.y && inner_) {
        // A click without movement brings the clicked point to the middle of the view.
        ScrollBy(release.x - inner_->GetClientWidth() / 2 - inner_->GetScreenX(),
                 release.y - inner_->GetClientHeight() / 2 - inner_->GetScreenY());
    }
    dragging_ = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

bool ScrollBox::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_NCHITTEST:
        *result = DefWindowProc(message, wParam, lParam);
        if (*result == HTCLIENT && !TakesMouse())
            *result = HTTRANSPARENT;
        return true;
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, handMode_ ? IDC_HAND : IDC_ARROW));
        *result = 1;
        return true;
    case WM_GETDLGCODE:
        *result = DefWindowProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    case WM_LBUTTONDOWN:
        StartDrag(lParam);
        return true;
    case WM_MOUSEMOVE:
        if (dragging_)
            DragTo(lParam);
        return true;
    case WM_LBUTTONUP:
        if (dragging_)
            EndDrag(lParam);
        return true;
    case WM_CAPTURECHANGED:
        dragging_ = dragging_ && reinterpret_cast<HWND>(lParam) == m_hWnd;
        return false;
    default:
        return ScrollContainer<IScrollBox>::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s

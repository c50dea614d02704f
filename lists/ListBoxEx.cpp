// The list box: its pool, assembly, border, wheel and dialog keys.
#include "lists/ListBoxEx.h"

#include "lists/ListBox2.h"
#include "lists/ScrollBar.h"
#include "lists/ScrollInfo.h"
#include "windowing/box/Box.h"

namespace s {
namespace gui {
namespace win {

namespace {

Box* NewFullBox(int32_t kind)
{
    return Box::Create(kind, 100, 100, 0, 0, 0, 0, 0, 0);
}

} // namespace

ListBoxEx::ListBoxEx() : border_(false) {}

ListBoxEx::~ListBoxEx()
{
    Reset();
}

thread::EasyPooler* ListBoxEx::GetPool()
{
    static const bool partsFirst = ScrollBar::GetPool() && ListBox2::GetPool() && Box::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<ListBoxEx, kPoolCapacity>();
}

ListBoxEx* ListBoxEx::New()
{
    return static_cast<ListBoxEx*>(GetPool()->Take());
}

ListBoxEx* ListBoxEx::Create(double widthPercent, double heightPercent)
{
    ListBoxEx* box = New();
    ScrollBar* horizontal = ScrollBar::CreateBar(0);
    ScrollBar* vertical = ScrollBar::CreateBar(1);
    ListBox2* list = ListBox2::New();
    Box* row = NewFullBox(IBox::kRow);
    Box* outer = NewFullBox(IBox::kColumn);
    if (!box || !horizontal || !vertical || !list || !row || !outer) {
        ReleaseParts({box, horizontal, vertical, list, row, outer});
        return nullptr;
    }
    list->SetWidthPercent(100);
    list->SetHeightPercent(100);
    row->AddChild(list);
    row->AddChild(vertical);
    outer->AddChild(row);
    outer->AddChild(horizontal);
    list->SetBorder(false);
    list->SetScrollBars(vertical, horizontal);
    outer->SetIgnoreMinWidth(true);
    outer->SetIgnoreMinHeight(true);
    horizontal->SetPairedBar(vertical);
    box->Assemble(outer, list, vertical, horizontal);
    if (widthPercent >= 0)
        box->SetWidthPercent(static_cast<int32_t>(widthPercent));
    if (heightPercent >= 0)
        box->SetHeightPercent(static_cast<int32_t>(heightPercent));
    return box;
}

ListBoxEx* ListBoxEx::CreateWithHeight(double heightPercent)
{
    ListBoxEx* box = Create(-1, -1);
    if (!box)
        return nullptr;
    box->SetFixedWidth(100);
    if (heightPercent >= 0)
        box->SetHeightPercent(static_cast<int32_t>(heightPercent));
    return box;
}

const wchar_t* ListBoxEx::GetClassName()
{
    return kClassName;
}

base::IObject* ListBoxEx::NewInstance()
{
    return New();
}

void ListBoxEx::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ListBoxEx::Reset()
{
    ResetContainer();
    border_ = false;
}

void ListBoxEx::Assemble(IBox* outer, IListBox2* list, IScrollBar* verticalBar, IScrollBar* horizontalBar)
{
    Store(dynamic_cast<Box*>(outer), list, verticalBar, horizontalBar);
    if (list)
        list->SetHideNativeScrollBars(true);
    active_ = true;
    for (ScrollBar* bar : {horizontalBar_, verticalBar_}) {
        if (bar)
            bar->GetScrollInfo()->SetActive(list, true);
    }
}

IListBox2* ListBoxEx::GetListBox()
{
    return dynamic_cast<IListBox2*>(inner_);
}

void ListBoxEx::AttachBars()
{
    for (ScrollBar* bar : {verticalBar_, horizontalBar_}) {
        if (bar)
            bar->SetScrolledComponent(inner_);
    }
}

void ListBoxEx::ScrollBy(int32_t dx, int32_t dy)
{
    // A list has no children: it scrolls through its bars' own paths.
    if (!inner_ || inner_->GetChildCount() <= 0 || !active_)
        return;
    if (horizontalBar_)
        horizontalBar_->ScrollBy(dx);
    if (verticalBar_)
        verticalBar_->ScrollBy(dy);
}

void ListBoxEx::SetBorder(bool border)
{
    if (border == border_)
        return;
    border_ = border;
    const int32_t change = border ? 1 : -1;
    marginLeft_ += change;
    marginRight_ += change;
    marginTop_ += change;
    marginBottom_ += change;
    // Also when the frame goes, so that the list moves back to the corner.
    if (m_hWnd && outerBox_)
        outerBox_->SetOffset(marginLeft_, marginTop_);
    DoLayout();
    Redraw();
}

void ListBoxEx::PaintOver(HDC dc, const RECT& client)
{
    if (!border_)
        return;
    HBRUSH black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    ::FrameRect(dc, &client, black);
}

LRESULT ListBoxEx::HandleWheel(WPARAM wParam, LPARAM lParam)
{
    int32_t lines = 0;
    int32_t step = 0;
    POINT point;
    if (!ReadWheel(wParam, lParam, &lines, &step, &point))
        return 1;
    if (ScrollBar* bar = BarAt(point))
        bar->ScrollBy(step);
    else if (verticalBar_ && verticalBar_->IsShown())
        verticalBar_->ScrollBy(step);
    else if (horizontalBar_)
        horizontalBar_->ScrollBy(step);
    return 0;
}

bool ListBoxEx::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCHITTEST) {
        // The mouse goes to what lies below: the list and the bars.
        *result = DefWindowProc(message, wParam, lParam);
        if (*result == HTCLIENT)
            *result = HTTRANSPARENT;
        return true;
    }
    return ScrollContainer<IListBoxEx>::HandleMessage(result, message, wParam, lParam);
}

BOOL ListBoxEx::PreTranslateMessage(MSG* message)
{
    if (m_hWnd && ::IsDialogMessageW(m_hWnd, message))
        return TRUE;
    return ScrollContainer<IListBoxEx>::PreTranslateMessage(message);
}

} // namespace win
} // namespace gui
} // namespace s

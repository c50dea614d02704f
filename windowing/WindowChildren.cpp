// The window's children: created on the window's thread, laid out by the window's manager (the
// column unless another is set), the bottom bar placed after them.
#include <algorithm>

#include "windowing/Window.h"
#include "windowing/component/ChildList.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/layout/Vertical.h"

namespace s {
namespace gui {
namespace win {

void Window::AddChild(IComponent* child)
{
    if (!child)
        return;
    children_.Append(child);
    RequestChildCreation(m_hWnd, child);
    DoLayout();
}

bool Window::HandleCreateChild(WPARAM wParam, LPARAM lParam)
{
    return HandleChildCreation(this, wParam, lParam);
}

void Window::RemoveChild(IComponent* child, bool recursive)
{
    if (child == bottomBar_)
        bottomBar_ = nullptr;
    RemoveChildFrom(&children_, child, recursive);
    DoLayout();
}

void Window::RemoveAllChildren(bool recursive)
{
    bottomBar_ = nullptr;
    RemoveAllChildrenFrom(&children_, recursive);
    DoLayout();
}

int32_t Window::GetChildCount()
{
    return ChildCount(&children_);
}

IComponent* Window::GetChildAt(int32_t index)
{
    return ChildAt(&children_, index);
}

col::_array::ArrayP* Window::GetChildren()
{
    return &children_;
}

void Window::DoLayout()
{
    if (!m_hWnd)
        return;
    GetLayoutManager()->Layout(this);
    PlaceBottomBar();
}

ILayoutManager* Window::GetLayoutManager()
{
    return layoutManager_ ? layoutManager_ : layout::Vertical::Shared();
}

void Window::SetLayoutManager(ILayoutManager* manager)
{
    layoutManager_ = manager;
}

void Window::RequestLayout()
{
    DoLayout();
}

void Window::ValidateLayout()
{
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        IComponent* child = GetChildAt(i);
        if (child && child->IsContainer())
            child->RequestLayout();
    }
}

void Window::SetBottomBar(IComponent* bar)
{
    bottomBar_ = bar;
    DoLayout();
}

// Along the bottom of the client area, below what the layout used.
void Window::PlaceBottomBar()
{
    if (!bottomBar_ || !bottomBar_->IsShown())
        return;
    const RECT client = ClientRect();
    const int32_t height = std::max(bottomBar_->GetMaxHeight(), 0);
    bottomBar_->SetBounds(0, client.bottom - height, client.right - client.left, height);
}

} // namespace win
} // namespace gui
} // namespace s

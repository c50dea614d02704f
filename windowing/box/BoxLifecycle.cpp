// The Box's native window, its children and its visibility.
#include <windows.h>
#include <shellapi.h>

#include "windowing/box/Box.h"
#include "windowing/component/ChildList.h"

namespace s {
namespace gui {
namespace win {

bool Box::IsContainer()
{
    return true;
}

bool Box::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        DetachFromParent();
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    if (!CreateToolkitChild(this, NativeWindowOf(parent), WS_EX_CONTROLPARENT)) {
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    if (acceptFiles_)
        DragAcceptFiles(m_hWnd, TRUE);
    if (acceptUrls_)
        ApplyAcceptUrls(true);
    // The children's own layout requests wait until all of them exist.
    creatingChildren_ = true;
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        IComponent* child = GetChildAt(i);
        RequestChildCreation(m_hWnd, child);
        OffsetChild(child);
    }
    creatingChildren_ = false;
    DoLayout();
    RequestParentLayout();
    // Marked visible before the window existed: shown now (the children keep their own marks).
    if (visible_)
        ::ShowWindow(m_hWnd, SW_SHOW);
    return true;
}

void Box::SetVisible(bool show, bool children)
{
    if (pageLocked_ || show == visible_)
        return;
    visible_ = show;
    if (show) {
        if (m_hWnd)
            ::ShowWindow(m_hWnd, SW_SHOW);
        if (children) {
            for (int32_t i = 0; i < GetChildCount(); ++i) {
                if (IComponent* child = GetChildAt(i))
                    child->SetVisible(true, true);
            }
        }
        if (parent_) {
            parent_->RequestLayout();
            parent_->RequestLayout();
        }
        return;
    }
    if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
        SetPosition(hiddenX_, hiddenY_);
    }
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        if (IComponent* child = GetChildAt(i))
            child->SetVisible(false, true);
    }
    ReleaseBackImage();
}

void Box::AddChild(IComponent* child)
{
    if (!child)
        return;
    children_.Append(child);
    if (!m_hWnd)
        return;
    RequestChildCreation(m_hWnd, child);
    OffsetChild(child);
    DoLayout();
    RequestParentLayout();
}

void Box::RemoveChild(IComponent* child, bool recursive)
{
    RemoveChildFrom(&children_, child, recursive);
    DoLayout();
}

void Box::RemoveAllChildren(bool recursive)
{
    RemoveAllChildrenFrom(&children_, recursive);
    DoLayout();
}

int32_t Box::GetChildCount()
{
    return ChildCount(&children_);
}

IComponent* Box::GetChildAt(int32_t index)
{
    return ChildAt(&children_, index);
}

col::_array::ArrayP* Box::GetChildren()
{
    return &children_;
}

image::win::BufferedImage* Box::GetBackBuffer(int32_t* x, int32_t* y)
{
    if (backImage_)
        return backImage_;
    return Component<IBox>::GetBackBuffer(x, y);
}

} // namespace win
} // namespace gui
} // namespace s

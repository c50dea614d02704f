#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "images/win/BufferedImage.h"
#include "windowing/component/ChildList.h"
#include "windowing/layout/Pile.h"

namespace s {
namespace gui {
namespace win {

// The body of a container whose children hold one content (a group box, a counter), laid out
// over its client area, and which paints into a back buffer of its own that the content paints
// its background from. Removing the content forgets it; the container lays out again after each
// removal and each new size.
template <class Body, class Content>
class ContentContainer : public Body {
public:
    bool IsContainer() override { return true; }
    void RemoveChild(IComponent* child, bool recursive) override
    {
        RemoveContentChild(&children_, &content_, child, recursive);
        this->DoLayout();
    }
    void RemoveAllChildren(bool recursive) override
    {
        RemoveAllContentChildren(&children_, &content_, recursive);
        this->DoLayout();
    }
    int32_t GetChildCount() override { return ChildCount(&children_); }
    IComponent* GetChildAt(int32_t index) override { return ChildAt(&children_, index); }
    col::_array::ArrayP* GetChildren() override { return &children_; }

    // The explicit manager, else the shared pile.
    ILayoutManager* GetLayoutManager() override { return layoutManager_ ? layoutManager_ : layout::Pile::Shared(); }
    void SetLayoutManager(ILayoutManager* manager) override { layoutManager_ = manager; }
    // Clamped into the limits, then the content follows the new size.
    void SetLayoutSize(int32_t width, int32_t height) override
    {
        Body::SetLayoutSize(width, height);
        this->DoLayout();
    }

    // Hidden, the container waits at its hidden place with its content hidden too and paints
    // nothing: its buffer is made anew when it shows again.
    void SetVisible(bool show, bool) override
    {
        if (show == this->visible_)
            return;
        this->visible_ = show;
        if (show) {
            if (this->m_hWnd)
                ::ShowWindow(this->m_hWnd, SW_SHOW);
            if (content_)
                content_->SetVisible(true, true);
            if (this->m_hWnd && this->parent_)
                this->parent_->RequestLayout();
            return;
        }
        if (this->m_hWnd) {
            ::ShowWindow(this->m_hWnd, SW_HIDE);
            if (::IsWindow(this->m_hWnd))
                this->SetPosition(this->hiddenX_, this->hiddenY_);
        }
        if (content_)
            content_->SetVisible(false, true);
        ReleaseBackBuffer();
    }
    // The own buffer itself, the offsets left as they are: the content paints from it.
    image::win::BufferedImage* GetBackBuffer(int32_t*, int32_t*) override { return backBuffer_; }

protected:
    ContentContainer() : content_(nullptr), layoutManager_(nullptr), backBuffer_(nullptr) {}

    void ReleaseBackBuffer()
    {
        if (backBuffer_)
            backBuffer_->ReleaseToPool();
        backBuffer_ = nullptr;
    }

    col::_array::ArrayP children_;
    Content* content_;
    ILayoutManager* layoutManager_;
    image::win::BufferedImage* backBuffer_;
};

} // namespace win
} // namespace gui
} // namespace s

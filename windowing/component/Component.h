#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "mfc/Wnd.h"
#include "windowing/IWindow.h"
#include "windowing/Messages.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/component/IComponent.h"
#include "windowing/component/SkinLink.h"

namespace s {
namespace gui {
namespace win {

// The body every leaf widget of the toolkit shares, over the widget's own interface (ILabel,
// ICounter, IBox...): stored geometry and limits, moves deferred while the bounds are suspended
// and applied in one SetWindowPos, visibility, background, the child-creation and self-destroy
// messages. A widget overrides what differs (its native creation, measuring, painting). A widget
// over a native control names the control's framework class as its native base.
template <class Interface, class NativeBase = CWnd>
class Component : public Interface, public NativeBase {
public:
    static constexpr int32_t kNotSet = -1;
    // Where a hidden widget waits, away from every screen.
    static constexpr int32_t kHiddenX = -10000;
    static constexpr int32_t kHiddenY = -10000;

    IComponent* GetParent() override { return parent_; }
    IWindow* GetWindow() override { return window_; }
    bool IsContainer() override { return false; }

    int32_t GetX() override { return x_; }
    int32_t GetY() override { return y_; }
    void SetX(int32_t x) override { this->SetPosition(x, y_); }
    void SetY(int32_t y) override { this->SetPosition(x_, y); }
    int32_t GetScreenX() override { return this->m_hWnd ? ScreenOrigin().x : x_ + offsetX_; }
    int32_t GetScreenY() override { return this->m_hWnd ? ScreenOrigin().y : y_ + offsetY_; }
    bool ContainsScreenPoint(int32_t x, int32_t y) override
    {
        return this->IsShown() && WindowContainsPoint(this->m_hWnd, x, y);
    }

    int32_t GetWidth() override { return width_; }
    int32_t GetHeight() override { return height_; }
    void SetWidth(int32_t width) override { this->SetSize(width, height_); }
    void SetHeight(int32_t height) override { this->SetSize(width_, height); }
    int32_t GetClientWidth() override { return width_; }
    int32_t GetClientHeight() override { return height_; }
    void SetClientWidth(int32_t width) override { this->SetWidth(width); }
    void SetClientHeight(int32_t height) override { this->SetHeight(height); }

    void SetPosition(int32_t x, int32_t y) override
    {
        x_ = x;
        y_ = y;
        ApplyBounds(SWP_NOSIZE);
    }
    void SetSize(int32_t width, int32_t height) override
    {
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        ApplyBounds(SWP_NOMOVE);
    }
    void SetBounds(int32_t x, int32_t y, int32_t width, int32_t height) override
    {
        x_ = x;
        y_ = y;
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        ApplyBounds(0);
    }
    void SetOffset(int32_t dx, int32_t dy) override
    {
        offsetX_ = dx;
        offsetY_ = dy;
        ApplyBounds(SWP_NOSIZE);
    }
    void OffsetBy(int32_t dx, int32_t dy) override { this->SetOffset(offsetX_ + dx, offsetY_ + dy); }

    int32_t GetMinWidth() override
    {
        if (!this->IsShown())
            return 0;
        return fixedWidth_ >= 0 ? fixedWidth_ : minWidth_;
    }
    int32_t GetMinHeight() override
    {
        if (!this->IsShown())
            return 0;
        return fixedHeight_ >= 0 ? fixedHeight_ : minHeight_;
    }
    int32_t GetMinClientWidth() override { return this->GetMinWidth(); }
    int32_t GetMinClientHeight() override { return this->GetMinHeight(); }
    int32_t GetMaxWidth() override
    {
        if (!this->IsShown())
            return 0;
        if (fixedWidth_ >= 0)
            return fixedWidth_;
        if (widthPercent_ < 0 || !parent_)
            return std::max(minWidth_, preferredWidth_);
        return static_cast<int32_t>(static_cast<int64_t>(parent_->GetClientWidth()) * widthPercent_ / 100);
    }
    int32_t GetMaxHeight() override
    {
        if (!this->IsShown())
            return 0;
        if (fixedHeight_ >= 0)
            return fixedHeight_;
        if (heightPercent_ < 0 || !parent_)
            return std::max(minHeight_, preferredHeight_);
        return static_cast<int32_t>(static_cast<int64_t>(parent_->GetClientHeight()) * heightPercent_ / 100);
    }
    int32_t GetMaxClientWidth() override { return this->GetMaxWidth(); }
    int32_t GetMaxClientHeight() override { return this->GetMaxHeight(); }
    // Clamped into the limits, a minimum above the maximum winning (button, slider, progress bar).
    void SetLayoutSize(int32_t width, int32_t height) override
    {
        const int32_t w = std::max(std::min(width, this->GetMaxWidth()), this->GetMinWidth());
        const int32_t h = std::max(std::min(height, this->GetMaxHeight()), this->GetMinHeight());
        this->SetSize(w, h);
    }

    void SuspendBounds() override
    {
        boundsSuspended_ = true;
        for (int32_t i = 0; i < this->GetChildCount(); ++i) {
            if (IComponent* child = this->GetChildAt(i))
                child->SuspendBounds();
        }
    }
    void ResumeBounds() override
    {
        boundsSuspended_ = false;
        if (boundsPending_ && this->m_hWnd) {
            boundsPending_ = false;
            Place(0);
        }
        for (int32_t i = 0; i < this->GetChildCount(); ++i) {
            if (IComponent* child = this->GetChildAt(i))
                child->ResumeBounds();
        }
    }
    bool IsBoundsSuspended() override { return boundsSuspended_; }
    void ValidateLayout() override
    {
        for (int32_t i = 0; i < this->GetChildCount(); ++i) {
            IComponent* child = this->GetChildAt(i);
            if (child && child->IsContainer())
                child->RequestLayout();
        }
    }
    void RequestLayout() override {}

    void CenterHorizontally() override
    {
        if (parent_)
            this->SetX(CenteredIn(parent_->GetClientWidth(), this->GetWidth()));
    }
    void CenterVertically() override
    {
        if (parent_)
            this->SetY(CenteredIn(parent_->GetClientHeight(), this->GetHeight()));
    }
    void Center() override
    {
        if (parent_)
            this->SetPosition(CenteredIn(parent_->GetClientWidth(), this->GetWidth()),
                              CenteredIn(parent_->GetClientHeight(), this->GetHeight()));
    }

    // Shown: the window appears and the parent lays out again; hidden: the window goes away
    // from every screen.
    void SetVisible(bool show, bool) override
    {
        if (show == visible_)
            return;
        visible_ = show;
        if (!this->m_hWnd)
            return;
        if (show) {
            ::ShowWindow(this->m_hWnd, SW_SHOW);
            if (parent_)
                parent_->RequestLayout();
        } else {
            ::ShowWindow(this->m_hWnd, SW_HIDE);
            this->SetPosition(hiddenX_, hiddenY_);
        }
    }
    bool IsShown() override { return visible_ && this->m_hWnd; }
    bool IsEnabled() override { return enabled_; }
    void SetEnabled(bool enabled) override
    {
        enabled_ = enabled;
        this->EnableWindow(enabled ? TRUE : FALSE);
    }
    bool IsEditable() override { return false; }
    void SetEditable(bool) override {}
    void Redraw() override
    {
        if (visible_)
            this->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
    }
    void RedrawRect(int32_t x, int32_t y, int32_t width, int32_t height) override
    {
        const RECT area = {x, y, x + width, y + height};
        if (visible_)
            this->RedrawWindow(&area, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
    }

    COLORREF GetBackgroundColor() override { return background_; }
    bool IsBackgroundInherited() override { return inheritBackground_; }
    void InheritBackground(bool redraw) override
    {
        inheritBackground_ = true;
        RedrawWhenAsked(redraw);
    }
    void ResetBackgroundColor(bool redraw) override
    {
        inheritBackground_ = false;
        background_ = GetSysColor(COLOR_BTNFACE);
        RedrawWhenAsked(redraw);
    }
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue, bool redraw) override
    {
        inheritBackground_ = false;
        background_ = ColorFromBytes(red, green, blue);
        RedrawWhenAsked(redraw);
    }
    void SetBackgroundWhite() override { this->SetBackgroundColor(255, 255, 255, true); }
    void SetBackgroundBlack() override { this->SetBackgroundColor(0, 0, 0, true); }
    void SetBackgroundPale(bool redraw) override
    {
        int32_t red = 0;
        int32_t green = 0;
        int32_t blue = 0;
        PaleBackground(&red, &green, &blue);
        this->SetBackgroundColor(red, green, blue, redraw);
    }
    COLORREF GetEffectiveBackgroundColor() override
    {
        if (!inheritBackground_ || !parent_)
            return background_;
        return parent_->GetEffectiveBackgroundColor();
    }
    // A widget without an image of its own shows through to the parent's.
    image::win::BufferedImage* GetBackBuffer(int32_t* x, int32_t* y) override
    {
        if (!parent_)
            return nullptr;
        image::win::BufferedImage* buffer = parent_->GetBackBuffer(x, y);
        if (buffer) {
            if (x)
                *x += x_ + offsetX_;
            if (y)
                *y += y_ + offsetY_;
        }
        return buffer;
    }

    void AddChild(IComponent*) override {}
    void RemoveChild(IComponent*, bool) override {}
    void RemoveAllChildren(bool) override {}
    int32_t GetChildCount() override { return 0; }
    IComponent* GetChildAt(int32_t) override { return nullptr; }
    col::_array::ArrayP* GetChildren() override { return nullptr; }

    // Every message of the widget's window: HandleMessage first; what it leaves goes to the
    // default handling and then to AfterMessage.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT result = 0;
        if (HandleMessage(&result, message, wParam, lParam))
            return result;
        result = NativeBase::WindowProc(message, wParam, lParam);
        AfterMessage(message, wParam, lParam, result);
        return result;
    }

protected:
    Component() { ResetComponent(); }

    // Writes the result and says whether the message was taken.
    virtual bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
    {
        *result = 0;
        switch (message) {
        case msg::kDestroyOwnWindow:
            NativeBase::DestroyWindow();
            return true;
        case msg::kCreateChild:
            *result = HandleChildCreation(this, wParam, lParam) ? 1 : 0;
            return true;
        default:
            return false;
        }
    }
    virtual void AfterMessage(UINT, WPARAM, LPARAM, LRESULT) {}

    // Keeps the parent and its owning window; false without a parent.
    bool AttachTo(IComponent* parent)
    {
        parent_ = parent;
        window_ = parent ? parent->GetWindow() : nullptr;
        return parent != nullptr;
    }
    // Destroys the native window on its own thread and forgets parent and owning window.
    void DetachFromParent()
    {
        DestroyOnOwnThread(this);
        parent_ = nullptr;
        window_ = nullptr;
    }
    // Leaves the skin manager, then the parent. A drawer the manager lent is not kept: the manager
    // may give it back once nobody follows.
    template <class Drawer>
    void LeaveSkinAndParent(SkinLink* skinLink, events::IEventListener* follower, Drawer** drawer, bool owned)
    {
        const bool skinned = skinLink->Leave(follower);
        DetachFromParent();
        if (skinned && !owned)
            *drawer = nullptr;
    }

    // Applies the stored bounds unless they are suspended or there is no window yet (then they
    // wait for the next resume or the creation). Placing a widget shows its window, unless the
    // widget was hidden: a layout never brings back what the user hid.
    void ApplyBounds(UINT flags)
    {
        if (boundsSuspended_ || !this->m_hWnd) {
            boundsPending_ = true;
            return;
        }
        Place(flags);
    }
    void Place(UINT flags)
    {
        const UINT show = visible_ ? SWP_SHOWWINDOW : 0;
        this->SetWindowPos(nullptr, x_ + offsetX_, y_ + offsetY_, width_, height_, flags | show | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The other rule, of the text field: clamped into the limits, a maximum below the minimum
    // winning.
    void SetLayoutSizeMaximumWinning(int32_t width, int32_t height)
    {
        const int32_t w = std::min(std::max(width, this->GetMinWidth()), this->GetMaxWidth());
        const int32_t h = std::min(std::max(height, this->GetMinHeight()), this->GetMaxHeight());
        this->SetSize(w, h);
    }
    void RedrawWhenAsked(bool redraw)
    {
        if (redraw)
            this->Redraw();
    }
    static int32_t CenteredIn(int32_t span, int32_t size) { return span > size ? (span - size) / 2 : 0; }
    POINT ScreenOrigin() const
    {
        POINT origin = {0, 0};
        this->ClientToScreen(&origin);
        return origin;
    }

    // The construction and pool-reset values of the shared state.
    void ResetComponent()
    {
        parent_ = nullptr;
        window_ = nullptr;
        x_ = y_ = offsetX_ = offsetY_ = width_ = height_ = 0;
        minWidth_ = minHeight_ = preferredWidth_ = preferredHeight_ = 0;
        fixedWidth_ = fixedHeight_ = widthPercent_ = heightPercent_ = kNotSet;
        background_ = GetSysColor(COLOR_BTNFACE);
        inheritBackground_ = true;
        visible_ = true;
        enabled_ = true;
        boundsSuspended_ = false;
        boundsPending_ = false;
        hiddenX_ = kHiddenX;
        hiddenY_ = kHiddenY;
    }

    IComponent* parent_;
    IWindow* window_;
    int32_t x_;
    int32_t y_;
    int32_t offsetX_;
    int32_t offsetY_;
    int32_t width_;
    int32_t height_;
    // The two stored widths and heights that measuring writes: the minimum and the preferred.
    int32_t minWidth_;
    int32_t minHeight_;
    int32_t preferredWidth_;
    int32_t preferredHeight_;
    // Explicit sizes and sizes in percent of the parent's client area; kNotSet when free.
    int32_t fixedWidth_;
    int32_t fixedHeight_;
    int32_t widthPercent_;
    int32_t heightPercent_;
    COLORREF background_;
    bool inheritBackground_;
    bool visible_;
    bool enabled_;
    bool boundsSuspended_;
    bool boundsPending_;
    // Where SetVisible (false) moves the window; a spacer or a box waits at (-10000, 10000).
    int32_t hiddenX_;
    int32_t hiddenY_;
};

} // namespace win
} // namespace gui
} // namespace s

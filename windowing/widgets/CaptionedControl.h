#pragma once
#include <windows.h>

#include <cstdint>

#include "mfc/Brush.h"
#include "mfc/Button.h"
#include "storage/events/IEventListener.h"
#include "windowing/MessageBoxW.h"
#include "windowing/Messages.h"
#include "windowing/component/Component.h"
#include "windowing/component/ReflectedColor.h"
#include "windowing/component/SkinLink.h"
#include "windowing/paint/Font.h"
#include "windowing/widgets/Caption.h"

namespace s {
namespace gui {
namespace drawer {
class ISkin;
}
namespace win {

// The body of a captioned widget over a native button control (check box, radio button, group
// box): the caption and its two fonts, the drawer they are handed to, and the window's localizer
// and skin manager, followed from the control's creation until it goes. Interface brings the
// caption-font forwards (CaptionFontForwards); Drawer is the widget's kind of skin drawer, whose
// header the widget's own header includes.
template <class Interface, class Drawer>
class CaptionedControl : public Component<Interface, CButton>, public events::IEventListener {
    using Base = Component<Interface, CButton>;

public:
    void SetCaption(const wchar_t* caption) override
    {
        if (caption_.Set(this->m_hWnd, caption))
            Measure();
    }
    const wchar_t* GetCaption() override { return caption_.GetText(); }
    void SetCaptionTextId(int32_t id) override
    {
        if (caption_.SetTextId(this->m_hWnd, id))
            Measure();
    }
    // Not measured again: the drawer only sets the fonts' looks.
    void SetDrawer(Drawer* drawer, bool owned) override
    {
        if (drawer_ && drawerOwned_ && drawer_ != drawer)
            drawer_->ReleaseToPool();
        drawer_ = drawer;
        drawerOwned_ = drawer && owned;
        if (drawer_)
            drawer_->ApplyToFonts(&font_, &disabledFont_);
        this->Redraw();
    }

    // Language and skin changes of the owning window.
    void OnEvent(base::IObject* source, int32_t) override { TakeWindowChange(source); }

protected:
    CaptionedControl() : drawer_(nullptr), drawerOwned_(false) {}

    Font* CaptionFont() override { return &font_; }
    void CaptionFontChanged() override { Measure(); }
    // The sizes from the caption in the font, once the control exists.
    virtual void Measure() = 0;
    // The skin's drawer of the widget's kind.
    virtual Drawer* SkinDrawer(drawer::ISkin* skin) = 0;

    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        *result = 0;
        switch (message) {
        case WM_ERASEBKGND:
            *result = 1;
            return true;
        case msg::kSkinChanged:
            TakeSkinDrawer();
            return true;
        case msg::kReflectCtlColor:
            *result = AnswerReflectedColor(&brush_, reinterpret_cast<HDC>(wParam), this->inheritBackground_,
                                           this->parent_, this->background_, font_.GetColor());
            return true;
        default:
            return Base::HandleMessage(result, message, wParam, lParam);
        }
    }

    // True when the source is the followed skin manager or localizer, whose change is then taken.
    bool TakeWindowChange(base::IObject* source)
    {
        if (skinLink_.IsFrom(source)) {
            // Synchronous, so that the old skin's drawer is let go before its manager may give it
            // back.
            if (HWND window = this->m_hWnd)
                ::SendMessageW(window, msg::kSkinChanged, 0, 0);
            else
                TakeSkinDrawer();
            return true;
        }
        bool shown = false;
        if (!caption_.TakeLanguage(source, this->m_hWnd, &shown))
            return false;
        if (shown)
            Measure();
        return true;
    }

    // Attaches to the parent, follows its window's localizer and skin manager, and makes the
    // control. When it cannot be made the failure is shown and the widget is left detached.
    bool CreateControl(IComponent* parent, const wchar_t* windowClass, DWORD style, UINT id)
    {
        this->AttachTo(parent);
        JoinManagers();
        const RECT empty = {0, 0, 0, 0};
        if (!this->Create(windowClass, style, empty, NativeWindowOf(parent), id)) {
            ShowWindowCreationFailed();
            LeaveManagers();
            this->parent_ = nullptr;
            this->window_ = nullptr;
            return false;
        }
        return true;
    }
    // Leaves the managers and destroys the control; false when the widget was not attached.
    bool DetachControl()
    {
        if (!this->parent_)
            return false;
        LeaveManagers();
        this->DetachFromParent();
        return true;
    }

    // No caption, fonts reset, and the owned drawer let go.
    void ResetCaptioned()
    {
        caption_.Reset();
        font_.Reset();
        disabledFont_.Reset();
        brush_.DeleteObject();
        if (drawer_ && drawerOwned_)
            drawer_->ReleaseToPool();
        drawer_ = nullptr;
        drawerOwned_ = false;
    }

    Caption caption_;
    Font font_;
    Font disabledFont_;
    CBrush brush_;
    Drawer* drawer_;
    bool drawerOwned_;

private:
    void TakeSkinDrawer()
    {
        drawer::ISkin* skin = skinLink_.GetCurrentSkin();
        SetDrawer(skin ? SkinDrawer(skin) : nullptr, false);
    }
    void JoinManagers()
    {
        caption_.Join(this->window_, this);
        if (skinLink_.Join(this->window_, this))
            TakeSkinDrawer();
    }
    // The skin's drawer is not kept: its manager may give it back once nobody follows.
    void LeaveManagers()
    {
        caption_.Leave(this);
        if (skinLink_.Leave(this) && !drawerOwned_)
            drawer_ = nullptr;
    }

    SkinLink skinLink_;
};

} // namespace win
} // namespace gui
} // namespace s

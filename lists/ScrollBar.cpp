// The scroll bar's pool, reset, drawer, sizes and scrolled component.
#include "lists/ScrollBar.h"

#include "images/win/BufferedImage.h"
#include "lists/ScrollInfo.h"
#include "skins/ISkin.h"
#include "skins/drawer/scrollbar/Thin.h"
#include "windowing/Messages.h"
#include "windowing/box/Box.h"

namespace s {
namespace gui {
namespace win {

namespace {

// A hidden bar waits below and left of every screen.
const int32_t kHiddenBarY = 10000;

} // namespace

ScrollBar::ScrollBar()
    : defaultDrawer_(drawer::scrollbar::win::Thin::New()), skinDrawer_(nullptr), skinDrawerOwned_(false),
      scrollInfo_(scrollbar::win::ScrollInfo::New()), scrolledComponent_(nullptr), pairedBar_(nullptr)
{
    ResetBar();
}

ScrollBar::~ScrollBar()
{
    Reset();
    if (defaultDrawer_)
        defaultDrawer_->ReleaseToPool();
    if (scrollInfo_)
        scrollInfo_->ReleaseToPool();
}

thread::EasyPooler* ScrollBar::GetPool()
{
    // The pools of what a bar holds come first, so that they outlive the bars this pool still
    // keeps at process exit.
    static const bool partsFirst = drawer::scrollbar::win::Thin::GetPool() &&
                                   scrollbar::win::ScrollInfo::GetPool() && image::win::BufferedImage::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<ScrollBar, kPoolCapacity>();
}

ScrollBar* ScrollBar::New()
{
    return static_cast<ScrollBar*>(GetPool()->Take());
}

ScrollBar* ScrollBar::CreateBar(int32_t orientation)
{
    ScrollBar* bar = New();
    if (!bar)
        return nullptr;
    bar->SetOrientation(orientation);
    bar->SetLengthPercent(100);
    bar->SetThickness(-1);
    return bar;
}

const wchar_t* ScrollBar::GetClassName()
{
    return kClassName;
}

base::IObject* ScrollBar::NewInstance()
{
    return New();
}

void ScrollBar::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ScrollBar::Reset()
{
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetBar();
}

void ScrollBar::ResetBar()
{
    // Hidden until its scroll information finds content that does not fit.
    visible_ = false;
    hiddenY_ = kHiddenBarY;
    orientation_ = 1;
    pressed_ = false;
    activePart_ = kNoPart;
    partState_ = kNormal;
    draggingThumb_ = false;
    dragStartCoordinate_ = dragStartPosition_ = 0;
    if (skinDrawerOwned_ && skinDrawer_)
        skinDrawer_->ReleaseToPool();
    skinDrawer_ = nullptr;
    skinDrawerOwned_ = false;
    if (scrollInfo_) {
        scrollInfo_->Reset();
        scrollInfo_->SetVertical();
        scrollInfo_->SetOwner(this);
    }
    scrolledComponent_ = nullptr;
    pairedBar_ = nullptr;
    thicknessExplicit_ = false;
    trackColorSet_ = false;
    trackColor_ = RGB(255, 255, 255);
}

bool ScrollBar::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        if (!parent_ && !m_hWnd)
            return true;
        LeaveSkinAndParent(&skinLink_, this, &skinDrawer_, skinDrawerOwned_);
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    if (skinLink_.Join(window_, this))
        TakeSkinDrawer();
    if (!CreateToolkitChild(this, NativeWindowOf(parent), 0)) {
        skinLink_.Leave(this);
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    parent->RequestLayout();
    if (visible_) {
        visible_ = false;
        SetVisible(true, false);
    }
    return true;
}

void ScrollBar::SetVisible(bool show, bool)
{
    if (show) {
        if (!scrollInfo_ || scrollInfo_->IsDisabled() || visible_)
            return;
        visible_ = true;
        if (m_hWnd) {
            ::ShowWindow(m_hWnd, SW_SHOW);
            if (parent_)
                parent_->RequestLayout();
        }
    } else {
        if (!visible_)
            return;
        visible_ = false;
        if (m_hWnd) {
            ::ShowWindow(m_hWnd, SW_HIDE);
            SetPosition(hiddenX_, hiddenY_);
        }
    }
    if (pairedBar_)
        pairedBar_->Redraw();
}

void ScrollBar::OnEvent(base::IObject* source, int32_t code)
{
    if (scrolledComponent_ && source == static_cast<base::IObject*>(scrolledComponent_) &&
        code == IBox::kEventLayout) {
        scrollInfo_->Recompute(scrolledComponent_);
        return;
    }
    skinLink_.Follow(source, m_hWnd, [this] { TakeSkinDrawer(); });
}

void ScrollBar::TakeSkinDrawer()
{
    drawer::ISkin* skin = skinLink_.GetCurrentSkin();
    SetDrawer(skin ? skin->GetScrollBarDrawer() : nullptr, false);
}

drawer::IScrollBar* ScrollBar::GetDrawer()
{
    if (skinDrawer_)
        return skinDrawer_;
    return defaultDrawer_;
}

void ScrollBar::SetDrawer(drawer::IScrollBar* drawer, bool owned)
{
    if (skinDrawerOwned_ && skinDrawer_ && skinDrawer_ != drawer)
        skinDrawer_->ReleaseToPool();
    skinDrawer_ = drawer;
    skinDrawerOwned_ = drawer && owned;
    if (!thicknessExplicit_) {
        if (drawer::IScrollBar* current = GetDrawer())
            StoreThickness(current->GetBarWidth());
    }
    Redraw();
}

void ScrollBar::StoreThickness(int32_t thickness)
{
    if (IsHorizontal())
        fixedHeight_ = thickness;
    else
        fixedWidth_ = thickness;
}

void ScrollBar::SetThickness(int32_t thickness)
{
    if (thickness >= 0) {
        thicknessExplicit_ = true;
        StoreThickness(thickness);
        return;
    }
    StoreThickness(defaultDrawer_ ? defaultDrawer_->GetBarWidth() : 0);
}

void ScrollBar::SetThicknessPercent(int32_t percent)
{
    if (IsHorizontal())
        heightPercent_ = percent;
    else
        widthPercent_ = percent;
}

void ScrollBar::SetLength(int32_t length)
{
    if (IsVertical())
        fixedHeight_ = length;
    else
        fixedWidth_ = length;
}

void ScrollBar::SetLengthPercent(int32_t percent)
{
    if (IsVertical())
        heightPercent_ = percent;
    else
        widthPercent_ = percent;
}

void ScrollBar::SetHorizontal()
{
    orientation_ = 0;
    scrollInfo_->SetHorizontal();
}

void ScrollBar::SetVertical()
{
    orientation_ = 1;
    scrollInfo_->SetVertical();
}

void ScrollBar::SetOrientation(int32_t orientation)
{
    orientation_ = orientation;
    if (IsHorizontal())
        scrollInfo_->SetHorizontal();
    else
        scrollInfo_->SetVertical();
}

void ScrollBar::SetScrolledComponent(IComponent* component)
{
    const bool changed = component != scrolledComponent_;
    scrolledComponent_ = component;
    // Every layout of a Box may change how much of it fits.
    Box* box = dynamic_cast<Box*>(component);
    if (box && changed)
        box->AddLayoutListener(this);
    scrollInfo_->SetActive(component, true);
    scrollInfo_->Recompute(component);
}

scrollbar::IScrollInfo* ScrollBar::GetScrollInfo()
{
    return scrollInfo_;
}

void ScrollBar::ScrollBy(int32_t delta)
{
    if (scrolledComponent_)
        scrollInfo_->ScrollBy(scrolledComponent_, delta);
    Repaint();
}

void ScrollBar::SetTrackColor(int32_t red, int32_t green, int32_t blue)
{
    trackColor_ = ColorFromBytes(red, green, blue);
    trackColorSet_ = true;
}

bool ScrollBar::HasCorner()
{
    return pairedBar_ && pairedBar_->IsShown();
}

} // namespace win
} // namespace gui
} // namespace s

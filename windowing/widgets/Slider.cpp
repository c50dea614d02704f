// The slider's pool, stored settings and their native counterparts.
#include "windowing/widgets/Slider.h"

#include <commctrl.h>

#include <algorithm>

#include "skins/ISkin.h"
#include "skins/drawer/ISlider.h"
#include "windowing/MessageBoxW.h"
#include "windowing/Messages.h"

namespace s {
namespace gui {
namespace win {

Slider::Slider() : drawer_(nullptr), drawerOwned_(false)
{
    ResetSlider();
}

Slider::~Slider()
{
    Reset();
}

thread::EasyPooler* Slider::GetPool()
{
    return &thread::PoolOf<Slider, kPoolCapacity>();
}

Slider* Slider::New()
{
    return static_cast<Slider*>(GetPool()->Take());
}

Slider* Slider::Create(double widthPercent, double heightPercent)
{
    Slider* slider = New();
    if (!slider)
        return nullptr;
    slider->SetRange(0, 100);
    slider->SetPosition(100);
    slider->SetStep(10);
    slider->SetTicksShown(false);
    slider->SetDrawerFlag(false);
    if (widthPercent >= 0)
        slider->SetWidthPercent(static_cast<int32_t>(widthPercent));
    if (heightPercent >= 0)
        slider->SetHeightPercent(static_cast<int32_t>(heightPercent));
    return slider;
}

const wchar_t* Slider::GetClassName()
{
    return kClassName;
}

base::IObject* Slider::NewInstance()
{
    return New();
}

void Slider::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Slider::Reset()
{
    SetVisible(false, false);
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetSlider();
}

void Slider::ResetSlider()
{
    background_ = RGB(255, 255, 255);
    inheritBackground_ = true;
    minimum_ = 0;
    maximum_ = 100;
    position_ = 0;
    step_ = 10;
    ticksShown_ = true;
    thumbLength_ = -1;
    brush_.DeleteObject();
    changeListeners_.Clear();
    if (drawer_ && drawerOwned_)
        drawer_->ReleaseToPool();
    drawer_ = nullptr;
    drawerOwned_ = false;
    drawerFlag_ = false;
    drawerValue_ = 0;
    rangeMode_ = 0;
    secondValue_ = 0;
    gradientKind_ = 0;
    gradientA_ = gradientB_ = -1;
    dragging_ = moved_ = draggingSecond_ = false;
    paintedMinimum_ = paintedMaximum_ = paintedPosition_ = -1;
}

// The range clamp comes last, so that a value never leaves the range, even when the second
// value stands at its minimum.
int32_t Slider::ClampPosition(int32_t value)
{
    const int32_t highest = std::max(minimum_, maximum_);
    int32_t clamped = std::min(std::max(value, minimum_), highest);
    if (rangeMode_ != 0)
        clamped = std::min(clamped, secondValue_ - 1);
    return std::min(std::max(clamped, minimum_), highest);
}

int32_t Slider::ClampSecondValue(int32_t value)
{
    const int32_t highest = std::max(minimum_, maximum_);
    int32_t clamped = std::min(std::max(value, minimum_), highest);
    if (rangeMode_ != 0)
        clamped = std::max(clamped, position_ + 1);
    return std::min(std::max(clamped, minimum_), highest);
}

void Slider::SetThumbLength(int32_t length)
{
    thumbLength_ = length;
    if (!m_hWnd)
        return;
    ApplyThumbLength();
    Measure();
}

void Slider::ApplyThumbLength()
{
    if (thumbLength_ <= 0)
        return;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | TBS_FIXEDLENGTH);
    CSliderCtrl::SetThumbLength(thumbLength_);
}

void Slider::SetRange(int32_t minimum, int32_t maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    if (m_hWnd)
        ApplyRange();
}

void Slider::ApplyRange()
{
    CSliderCtrl::SetRange(minimum_, maximum_, TRUE);
}

void Slider::SetPosition(int32_t value)
{
    position_ = ClampPosition(value);
    if (m_hWnd)
        SetPos(position_);
}

void Slider::SetStep(int32_t step)
{
    step_ = step;
    if (m_hWnd)
        ApplyStep();
}

void Slider::ApplyStep()
{
    SetTicFreq(step_);
    SetPageSize(kStepsPerPage * step_);
    SetLineSize(step_);
}

void Slider::SetTicksShown(bool shown)
{
    ticksShown_ = shown;
    if (m_hWnd)
        ApplyTicks();
}

void Slider::ApplyTicks()
{
    LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE) & ~(TBS_AUTOTICKS | TBS_NOTICKS);
    style |= ticksShown_ ? TBS_AUTOTICKS : TBS_NOTICKS;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, style);
    // The automatic ticks are made when the range is set.
    ApplyRange();
}

void Slider::AddChangeListener(events::IEventListener* listener)
{
    if (listener)
        changeListeners_.Append(listener);
}

void Slider::SetDrawer(drawer::ISlider* drawer, bool owned)
{
    if (drawer_ && drawerOwned_ && drawer_ != drawer)
        drawer_->ReleaseToPool();
    drawer_ = drawer;
    drawerOwned_ = drawer && owned;
    if (m_hWnd)
        Redraw();
}

void Slider::SetDrawerFlag(bool flag)
{
    if (flag == drawerFlag_)
        return;
    drawerFlag_ = flag;
    if (m_hWnd)
        Redraw();
}

void Slider::SetSecondValue(int32_t value)
{
    secondValue_ = ClampSecondValue(value);
}

void Slider::SetTrackGradient(int32_t kind, int32_t a, int32_t b)
{
    gradientKind_ = kind;
    gradientA_ = a;
    gradientB_ = b;
    if (m_hWnd)
        Redraw();
}

void Slider::OnEvent(base::IObject* source, int32_t)
{
    skinLink_.Follow(source, m_hWnd, [this] { TakeSkinDrawer(); }, msg::kControlSkinChanged);
}

void Slider::TakeSkinDrawer()
{
    drawer::ISkin* skin = skinLink_.GetCurrentSkin();
    SetDrawer(skin ? skin->GetSliderDrawer() : nullptr, false);
}

bool Slider::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        if (!parent_)
            return true;
        LeaveSkinAndParent(&skinLink_, this, &drawer_, drawerOwned_);
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    if (skinLink_.Join(window_, this))
        TakeSkinDrawer();
    const RECT empty = {0, 0, 0, 0};
    const DWORD ticks = ticksShown_ ? TBS_AUTOTICKS : TBS_NOTICKS;
    if (!CSliderCtrl::Create(WS_CHILD | TBS_TOP | ticks, empty, NativeWindowOf(parent), kControlId)) {
        ShowWindowCreationFailed();
        skinLink_.Leave(this);
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    if (!enabled_)
        EnableWindow(FALSE);
    ApplyRange();
    SetPos(position_);
    ApplyStep();
    ApplyThumbLength();
    Measure();
    return true;
}

void Slider::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (m_hWnd)
        EnableWindow(enabled ? TRUE : FALSE);
}

void Slider::Measure()
{
    minWidth_ = preferredWidth_ = kMeasuredWidth;
    minHeight_ = preferredHeight_ = kMeasuredHeight;
    if (parent_)
        parent_->RequestLayout();
}

} // namespace win
} // namespace gui
} // namespace s

#include "windowing/widgets/Spacer.h"

#include <algorithm>

#include "mfc/PaintDC.h"
#include "windowing/box/IBox.h"
#include "windowing/component/CopyParentBackground.h"

namespace s {
namespace gui {
namespace win {

Spacer::Spacer() : orientation_(kHorizontal)
{
    hiddenY_ = -kHiddenY;
}

Spacer::~Spacer()
{
    Reset();
}

thread::EasyPooler* Spacer::GetPool()
{
    return &thread::PoolOf<Spacer, kPoolCapacity>();
}

Spacer* Spacer::New()
{
    return static_cast<Spacer*>(GetPool()->Take());
}

Spacer* Spacer::Create(int32_t orientation, int32_t length, bool percent)
{
    Spacer* spacer = New();
    if (!spacer)
        return nullptr;
    spacer->SetOrientation(orientation);
    if (length >= 0) {
        if (percent)
            spacer->SetLengthPercent(length);
        else
            spacer->SetLengthPixels(length);
    }
    return spacer;
}

const wchar_t* Spacer::GetClassName()
{
    return kClassName;
}

base::IObject* Spacer::NewInstance()
{
    return New();
}

void Spacer::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Spacer::Reset()
{
    CreateWindowIn(nullptr);
    ResetComponent();
    // A hidden spacer waits below the screens, not above them.
    hiddenY_ = -kHiddenY;
    orientation_ = kHorizontal;
}

void Spacer::SetOrientation(int32_t orientation)
{
    orientation_ = orientation == kVertical ? kVertical : kHorizontal;
    if (parent_)
        parent_->RequestLayout();
}

int32_t Spacer::GetOrientation()
{
    return orientation_;
}

void Spacer::SetLengthPixels(int32_t pixels)
{
    if (orientation_ == kVertical) {
        fixedHeight_ = pixels;
        heightPercent_ = kNotSet;
    } else {
        fixedWidth_ = pixels;
        widthPercent_ = kNotSet;
    }
    if (parent_)
        parent_->RequestLayout();
}

void Spacer::SetLengthPercent(int32_t percent)
{
    if (orientation_ == kVertical) {
        heightPercent_ = percent;
        fixedHeight_ = kNotSet;
    } else {
        widthPercent_ = percent;
        fixedWidth_ = kNotSet;
    }
    if (parent_)
        parent_->RequestLayout();
}

void Spacer::SetMinWidth(int32_t width)
{
    minWidth_ = std::max(width, 0);
    if (parent_)
        parent_->RequestLayout();
}

bool Spacer::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        DetachFromParent();
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    if (!CreateToolkitChild(this, NativeWindowOf(parent), 0)) {
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    return true;
}

int32_t Spacer::ParentLayoutKind()
{
    IBox* box = dynamic_cast<IBox*>(parent_);
    return box ? box->GetLayoutKind() : -1;
}

bool Spacer::Widthless()
{
    return orientation_ == kVertical && ParentLayoutKind() == IBox::kRow;
}

bool Spacer::Heightless()
{
    return orientation_ == kHorizontal && ParentLayoutKind() == IBox::kColumn;
}

int32_t Spacer::GetMinWidth()
{
    if (!IsShown() || Widthless())
        return 0;
    return fixedWidth_ >= 0 ? fixedWidth_ : minWidth_;
}

int32_t Spacer::GetMinHeight()
{
    if (!IsShown() || Heightless())
        return 0;
    return fixedHeight_ >= 0 ? fixedHeight_ : minHeight_;
}

int32_t Spacer::GetMinClientWidth()
{
    return GetMinWidth();
}

int32_t Spacer::GetMinClientHeight()
{
    return GetMinHeight();
}

int32_t Spacer::GetMaxWidth()
{
    if (!IsShown() || Widthless())
        return 0;
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    if (widthPercent_ < 0 || !parent_)
        return std::max(minWidth_, preferredWidth_);
    return static_cast<int32_t>(static_cast<int64_t>(parent_->GetClientWidth()) * widthPercent_ / 100);
}

int32_t Spacer::GetMaxHeight()
{
    if (!IsShown() || Heightless())
        return 0;
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    if (heightPercent_ < 0 || !parent_)
        return std::max(minHeight_, preferredHeight_);
    return static_cast<int32_t>(static_cast<int64_t>(parent_->GetClientHeight()) * heightPercent_ / 100);
}

int32_t Spacer::GetMaxClientWidth()
{
    return GetMaxWidth();
}

int32_t Spacer::GetMaxClientHeight()
{
    return GetMaxHeight();
}

void Spacer::Paint()
{
    CPaintDC dc(this);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (client.right <= 0 || client.bottom <= 0 || !dc.GetSafeHdc())
        return;
    if (!inheritBackground_ || !CopyParentBackground(this, &dc))
        dc.FillSolidRect(client, GetEffectiveBackgroundColor());
}

bool Spacer::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        Paint();
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_NCHITTEST:
        // It takes no mouse input: clicks go to what lies below.
        *result = HTTRANSPARENT;
        return true;
    default:
        return Component<ISpacer>::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s

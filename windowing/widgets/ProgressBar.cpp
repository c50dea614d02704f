#include "windowing/widgets/ProgressBar.h"

#include <commctrl.h>

#include "windowing/MessageBoxW.h"

namespace s {
namespace gui {
namespace win {

ProgressBar::ProgressBar()
{
    ResetProgressBar();
}

ProgressBar::~ProgressBar()
{
    Reset();
}

thread::EasyPooler* ProgressBar::GetPool()
{
    return &thread::PoolOf<ProgressBar, kPoolCapacity>();
}

ProgressBar* ProgressBar::New()
{
    return static_cast<ProgressBar*>(GetPool()->Take());
}

const wchar_t* ProgressBar::GetClassName()
{
    return kClassName;
}

base::IObject* ProgressBar::NewInstance()
{
    return New();
}

void ProgressBar::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ProgressBar::Reset()
{
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetProgressBar();
}

void ProgressBar::ResetProgressBar()
{
    low_ = 0;
    high_ = 100;
    position_ = 0;
}

// From another thread the control's messages are sent, and so handled on its own.
void ProgressBar::SetRange(int32_t low, int32_t high)
{
    low_ = low;
    high_ = high;
    if (m_hWnd)
        SetRange32(low, high);
}

void ProgressBar::SetPosition(int32_t position)
{
    position_ = position;
    if (m_hWnd)
        SetPos(position);
}

bool ProgressBar::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        if (parent_)
            DetachFromParent();
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    const RECT empty = {0, 0, 0, 0};
    if (!Create(WS_CHILD, empty, NativeWindowOf(parent), kControlId)) {
        ShowWindowCreationFailed();
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    SetRange32(low_, high_);
    SetPos(position_);
    if (!enabled_)
        EnableWindow(FALSE);
    parent->RequestLayout();
    return true;
}

void ProgressBar::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (m_hWnd)
        EnableWindow(enabled ? TRUE : FALSE);
}

bool ProgressBar::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    if (message == WM_ERASEBKGND) {
        // The control paints all of itself.
        *result = 1;
        return true;
    }
    return Component<IProgressBar, CProgressCtrl>::HandleMessage(result, message, wParam, lParam);
}

} // namespace win
} // namespace gui
} // namespace s

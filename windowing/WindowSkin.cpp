// The window's skin manager: the current skin's window drawer paints the window, and each new
// current skin hands its drawer to the window's own thread.
#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "windowing/Messages.h"
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace win {

void Window::SetSkinner(drawer::Skinner* skinner)
{
    if (skinner == skinner_)
        return;
    if (skinner_)
        LeaveSkinner();
    skinner_ = skinner;
    if (skinner_)
        skinner_->AddListener(this);
    // The drawer is taken where it paints; before the frame exists nothing paints yet.
    if (m_hWnd)
        ::SendMessageW(m_hWnd, msg::kSkinChanged, 0, 0);
    else
        TakeSkinDrawer();
}

bool Window::HasSkinner()
{
    return skinner_ != nullptr;
}

drawer::Skinner* Window::GetSkinner()
{
    return skinner_;
}

void Window::LeaveSkinner()
{
    skinner_->RemoveListener(this);
    skinner_ = nullptr;
}

// A skin manager without a current skin, or none at all, leaves the background colour.
void Window::TakeSkinDrawer()
{
    drawer::ISkin* skin = skinner_ ? skinner_->GetCurrentSkin() : nullptr;
    SetDrawer(skin ? skin->GetWindowDrawer() : nullptr);
}

} // namespace win
} // namespace gui
} // namespace s

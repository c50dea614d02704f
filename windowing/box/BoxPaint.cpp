// The Box's painting: paint listeners first, then the background (hover colour, the parent's
// background or its own colour) with the children left out.
#include "mfc/PaintDC.h"
#include "windowing/box/Box.h"

namespace s {
namespace gui {
namespace win {

void Box::Paint()
{
    paintedByListener_ = false;
    CPaintDC dc(this);
    if (listeners_[kPaint].GetCount() > 0) {
        paintDC_ = dc.GetSafeHdc();
        TellListeners(kPaint, kEventPaint);
        paintDC_ = nullptr;
        if (paintedByListener_)
            return;
    }
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        IComponent* child = GetChildAt(i);
        if (!child || !child->IsShown())
            continue;
        const int32_t left = child->GetX() + marginLeft_;
        const int32_t top = child->GetY() + marginTop_;
        const RECT area = {left, top, left + child->GetWidth(), top + child->GetHeight()};
        dc.ExcludeClipRect(area);
    }
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    FillBackground(dc.GetSafeHdc(), client);
}

void Box::FillBackground(HDC dc, const RECT& client)
{
    CDC target;
    target.Attach(dc);
    if (hover_ && hasHoverColor_)
        target.FillSolidRect(client, hoverColor_);
    else
        target.FillSolidRect(client, GetEffectiveBackgroundColor());
    target.Detach();
}

void Box::ReleaseBackImage() {}

void Box::SetDrawer(drawer::IWindow* drawer, bool owned)
{
    drawer_ = drawer;
    ownsDrawer_ = owned;
    Redraw();
}

} // namespace win
} // namespace gui
} // namespace s

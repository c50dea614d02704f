#include "windowing/component/OffScreenPaint.h"

#include "mfc/Wnd.h"
#include "windowing/component/CopyParentBackground.h"
#include "windowing/paint/MemDC.h"

namespace s {
namespace gui {
namespace win {

OffScreenPaint::OffScreenPaint(CWnd* window, IComponent* component, bool inherited, COLORREF fill)
    : dc_(window), client_(), canvas_(nullptr)
{
    ::GetClientRect(window->m_hWnd, &client_);
    if (dc_.GetSafeHdc())
        canvas_ = NewBackgroundCanvas(component, GetWidth(), GetHeight(), inherited, fill);
}

OffScreenPaint::~OffScreenPaint()
{
    if (canvas_)
        canvas_->ReleaseToPool();
}

void OffScreenPaint::CopyToScreen()
{
    if (canvas_)
        dc_.BitBlt(0, 0, GetWidth(), GetHeight(), canvas_, 0, 0, SRCCOPY);
}

} // namespace win
} // namespace gui
} // namespace s

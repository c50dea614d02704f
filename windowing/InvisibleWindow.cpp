#include "windowing/InvisibleWindow.h"

#include "windowing/Messages.h"

namespace s {
namespace gui {
namespace win {

InvisibleWindow::InvisibleWindow() {}

InvisibleWindow::~InvisibleWindow()
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, msg::kCloseOnOwnThread, 0, 0);
    DestroyWindow();
}

} // namespace win
} // namespace gui
} // namespace s

#include "windowing/InvisibleWindow.h"

#include "windowing/Messages.h"

namespace s {
namespace gui {
namespace win {

namespace {

const UINT kCloseBoundMillis = 1000;

} // namespace

InvisibleWindow::InvisibleWindow() {}

InvisibleWindow::~InvisibleWindow()
{
    // Bounded, so that a window whose thread was stopped for not answering holds nobody.
    DWORD_PTR ignored = 0;
    if (m_hWnd)
        SendMessageTimeoutW(m_hWnd, msg::kCloseOnOwnThread, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kCloseBoundMillis,
                            &ignored);
    DestroyWindow();
}

} // namespace win
} // namespace gui
} // namespace s

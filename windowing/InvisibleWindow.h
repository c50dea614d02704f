#pragma once
#include "mfc/Wnd.h"

namespace s {
namespace gui {
namespace win {

// The hidden window of a window thread, owner of the visible frame: it keeps the frame off the
// taskbar and takes the frame down with it when it closes.
class InvisibleWindow : public CWnd {
public:
    InvisibleWindow();
    // Closes the window on its own thread first, so that its owned frame goes with it.
    ~InvisibleWindow() override;
};

} // namespace win
} // namespace gui
} // namespace s

#pragma once
#include <windows.h>

#include <cstdint>

#include "mfc/PaintDC.h"

class CWnd;

namespace s {
namespace gui {

class IComponent;

namespace win {

class MemDC;

// One WM_PAINT of a self-painted widget: the paint context and an off-screen canvas of the
// client size over the widget's background (NewBackgroundCanvas), copied to the screen in one
// BitBlt. Without a paint context, a canvas or a client area the canvas is null and nothing is
// painted. The canvas goes back to its pool before the paint ends.
class OffScreenPaint {
public:
    template <class Widget>
    OffScreenPaint(Widget* widget, bool inherited, COLORREF fill) : OffScreenPaint(widget, widget, inherited, fill)
    {
    }
    OffScreenPaint(CWnd* window, IComponent* component, bool inherited, COLORREF fill);
    ~OffScreenPaint();

    MemDC* GetCanvas() const { return canvas_; }
    const RECT& GetClient() const { return client_; }
    int32_t GetWidth() const { return client_.right - client_.left; }
    int32_t GetHeight() const { return client_.bottom - client_.top; }
    void CopyToScreen();

private:
    OffScreenPaint(const OffScreenPaint&) = delete;
    OffScreenPaint& operator=(const OffScreenPaint&) = delete;

    CPaintDC dc_;
    RECT client_;
    MemDC* canvas_;
};

} // namespace win
} // namespace gui
} // namespace s

#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col
namespace image {
namespace win {
class BufferedImage;
}
} // namespace image
namespace gui {

class IWindow;

// What every widget, container and window offers its parent and its layout. Positions are
// relative to the parent's client area; sizes are pixels. A component is made without a native
// window; CreateWindowIn makes it on the owning window's thread.
class IComponent : public base::IObject {
public:
    // The container the component stands in, and the top-level window that owns it; null
    // before the component is created in one.
    virtual IComponent* GetParent() = 0;
    virtual IWindow* GetWindow() = 0;
    // Makes the native window inside the parent's; null destroys it (on its own thread).
    virtual bool CreateWindowIn(IComponent* parent) = 0;
    virtual bool IsContainer() = 0;

    virtual int32_t GetX() = 0;
    virtual int32_t GetY() = 0;
    virtual void SetX(int32_t x) = 0;
    virtual void SetY(int32_t y) = 0;
    // The client origin in screen coordinates.
    virtual int32_t GetScreenX() = 0;
    virtual int32_t GetScreenY() = 0;
    // Shown, and the screen point inside the window rectangle (edges included).
    virtual bool ContainsScreenPoint(int32_t x, int32_t y) = 0;

    virtual int32_t GetWidth() = 0;
    virtual int32_t GetHeight() = 0;
    virtual void SetWidth(int32_t width) = 0;
    virtual void SetHeight(int32_t height) = 0;
    virtual int32_t GetClientWidth() = 0;
    virtual int32_t GetClientHeight() = 0;
    virtual void SetClientWidth(int32_t width) = 0;
    virtual void SetClientHeight(int32_t height) = 0;

    // Moves and sizes the native window (at the position plus the offset); while the bounds are
    // suspended only the values are kept and applied by ResumeBounds in one move.
    virtual void SetPosition(int32_t x, int32_t y) = 0;
    virtual void SetSize(int32_t width, int32_t height) = 0;
    virtual void SetBounds(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    // Sets the offset added to the position (scrolling); OffsetBy adds to it.
    virtual void SetOffset(int32_t dx, int32_t dy) = 0;
    virtual void OffsetBy(int32_t dx, int32_t dy) = 0;

    virtual int32_t GetMinWidth() = 0;
    virtual int32_t GetMinHeight() = 0;
    virtual int32_t GetMinClientWidth() = 0;
    virtual int32_t GetMinClientHeight() = 0;
    virtual int32_t GetMaxWidth() = 0;
    virtual int32_t GetMaxHeight() = 0;
    virtual int32_t GetMaxClientWidth() = 0;
    virtual int32_t GetMaxClientHeight() = 0;
    // The size a layout assigns; a height of 0 asks for the natural height at that width. The
    // component clamps it by its own limits.
    virtual void SetLayoutSize(int32_t width, int32_t height) = 0;

    // The deferred-bounds bracket of a layout pass: suspended moves are recorded, and resumed
    // ones applied in one native move (a container passes both on to its children).
    virtual void SuspendBounds() = 0;
    virtual void ResumeBounds() = 0;
    virtual bool IsBoundsSuspended() = 0;
    // Lays out again every child container.
    virtual void ValidateLayout() = 0;
    // Asks for a new layout pass of this container.
    virtual void RequestLayout() = 0;

    // In the parent's client area; nothing without a parent.
    virtual void CenterHorizontally() = 0;
    virtual void CenterVertically() = 0;
    virtual void Center() = 0;

    virtual void SetVisible(bool show, bool children) = 0;
    virtual bool IsShown() = 0;
    virtual bool IsEnabled() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool IsEditable() = 0;
    virtual void SetEditable(bool editable) = 0;
    virtual void Redraw() = 0;
    virtual void RedrawRect(int32_t x, int32_t y, int32_t width, int32_t height) = 0;

    virtual COLORREF GetBackgroundColor() = 0;
    virtual bool IsBackgroundInherited() = 0;
    virtual void InheritBackground(bool redraw) = 0;
    // Back to the face colour of buttons, not inherited.
    virtual void ResetBackgroundColor(bool redraw) = 0;
    virtual void SetBackgroundColor(int32_t red, int32_t green, int32_t blue, bool redraw) = 0;
    virtual void SetBackgroundWhite() = 0;
    virtual void SetBackgroundBlack() = 0;
    virtual void SetBackgroundPale(bool redraw) = 0;
    // The own colour unless inherited; else that of the nearest ancestor that does not inherit.
    virtual COLORREF GetEffectiveBackgroundColor() = 0;
    // The image this component paints off-screen into, or the nearest buffered ancestor's; x and
    // y get this component's origin in that image added. Null when none is buffered.
    virtual image::win::BufferedImage* GetBackBuffer(int32_t* x, int32_t* y) = 0;

    // Children in insertion order; leaves have none and ignore additions.
    virtual void AddChild(IComponent* child) = 0;
    // Takes the child out (emptied first when recursive), destroys its native window and gives
    // it back to its pool, then lays out again (also when the child was not there).
    virtual void RemoveChild(IComponent* child, bool recursive) = 0;
    virtual void RemoveAllChildren(bool recursive) = 0;
    virtual int32_t GetChildCount() = 0;
    virtual IComponent* GetChildAt(int32_t index) = 0;
    // The list itself (not a copy); null for leaves.
    virtual col::_array::ArrayP* GetChildren() = 0;
};

} // namespace gui
} // namespace s

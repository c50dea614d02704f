#pragma once

namespace s {
namespace gui {

// Something on screen that can be asked to paint itself again. It lives here, below the
// toolkit's components, so that a counter's data series can tell its components of a new point.
class IRedrawable {
public:
    virtual ~IRedrawable() {}
    virtual void Redraw() = 0;
};

} // namespace gui
} // namespace s

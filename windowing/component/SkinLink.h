#pragma once
#include "core/base/IObject.h"

namespace s {
namespace gui {

class IWindow;
namespace drawer {
class ISkin;
class Skinner;
} // namespace drawer
namespace events {
class IEventListener;
}

namespace win {

// The skin manager a widget follows: the one of its window when the widget's native window is
// made there, kept until that native window goes. The widget leaves the manager it joined, not
// whatever its window holds by then (a window given back lets go of its manager first).
class SkinLink {
public:
    SkinLink() : skinner_(nullptr) {}

    // Joins the window's skin manager, when it has one; true when joined.
    bool Join(IWindow* window, events::IEventListener* follower);
    // Leaves the manager joined, if any; true when there was one.
    bool Leave(events::IEventListener* follower);
    // True when the event comes from the manager joined.
    bool IsFrom(base::IObject* source) const;
    // The joined manager's current skin; null without either.
    drawer::ISkin* GetCurrentSkin() const;

private:
    drawer::Skinner* skinner_;
};

} // namespace win
} // namespace gui
} // namespace s

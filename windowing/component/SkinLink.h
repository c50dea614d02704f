#pragma once
#include <windows.h>

#include "core/base/IObject.h"
#include "windowing/Messages.h"

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
    // True when the event comes from the manager joined. The change then reaches the widget's
    // native window at once as message, on its own thread, so that the old skin's drawer is let
    // go before its manager may give it back; a widget without one takes its new drawer in take.
    template <class Take>
    bool Follow(base::IObject* source, HWND window, Take take, UINT message = msg::kSkinChanged) const
    {
        if (!IsFrom(source))
            return false;
        if (window)
            ::SendMessageW(window, message, 0, 0);
        else
            take();
        return true;
    }
    // The joined manager's current skin; null without either.
    drawer::ISkin* GetCurrentSkin() const;

private:
    drawer::Skinner* skinner_;
};

} // namespace win
} // namespace gui
} // namespace s

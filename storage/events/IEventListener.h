#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"

namespace s {
namespace gui {
namespace events {

// Told by a source (a window, a widget, a language or skin manager) that something happened;
// the meaning of the code depends on the source.
class IEventListener {
public:
    virtual ~IEventListener() {}
    virtual void OnEvent(base::IObject* source, int32_t code) = 0;
};

// Tells every listener of the list, in order. A listener may leave the list while it is told (a
// window going away, or rebuilding its menus): the count is read each turn, and the walk moves on
// only while the one just told still stands at its place, so the listener that moved down into it
// is told as well; one that joins meanwhile is told in the same round.
inline void TellListeners(col::_array::ArrayP& listeners, base::IObject* source, int32_t code)
{
    for (uint32_t i = 0; i < listeners.GetCount();) {
        void* listener = listeners.Get(i);
        static_cast<IEventListener*>(listener)->OnEvent(source, code);
        if (i < listeners.GetCount() && listeners.Get(i) == listener)
            ++i;
    }
}

} // namespace events
} // namespace gui
} // namespace s

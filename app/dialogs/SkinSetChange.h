#pragma once
#include <functional>

#include "windowing/NamedEvent.h"

namespace s {
namespace gui {

class IWindow;

namespace dialogs {

// A change of a skin manager that other windows paint with (skins added, removed, renamed,
// reordered, drawer colours written). The manager has no lock: the change runs on the thread of
// the window that paints with it, inside a synchronous send, so that window never paints in the
// middle of it.
class ISkinSetChange {
public:
    virtual void Run() = 0;

protected:
    ~ISkinSetChange() {}
};

// The event that carries the change: "ChangeSkinSet", first argument the ISkinSetChange. The
// receiving window's listener runs it.
extern const gui::win::NamedEvent kChangeSkinSet;

// Runs the change on the painting window's thread and returns when it has run. A window that is
// gone or does not carry the event out leaves it to the calling thread, so no change is lost.
void ChangeSkinSet(IWindow* painter, const std::function<void()>& change);

} // namespace dialogs
} // namespace gui
} // namespace s

#pragma once
#include "core/base/IObject.h"
#include "core/col/ArrayP.h"

namespace s {
namespace gui {

class IComponent;

namespace events {

class TargetSwitch;

// What a link does to its targets when its trigger tells it anything.
enum class SwitchKind { kEnable, kDisable, kEditable, kReadOnly };

// One ready-made link of a widget (its check box's "enable while checked" and the like): the
// switch is made on first use with the widget as trigger and joins the listener list it serves;
// every call adds one target. False when no switch could be made.
bool LinkTarget(TargetSwitch** link, SwitchKind kind, base::IObject* trigger, col::_array::ArrayP* listeners,
                IComponent* target);
// Gives the links back to their pools and forgets them.
void ReleaseLinks(TargetSwitch** links, int count);

} // namespace events
} // namespace gui
} // namespace s

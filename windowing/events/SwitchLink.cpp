#include "windowing/events/SwitchLink.h"

#include "windowing/events/Disabler.h"
#include "windowing/events/Editabler.h"
#include "windowing/events/Enabler.h"
#include "windowing/events/UnEditabler.h"

namespace s {
namespace gui {
namespace events {

namespace {

TargetSwitch* MakeSwitch(SwitchKind kind, base::IObject* trigger)
{
    switch (kind) {
    case SwitchKind::kEnable:
        return Enabler::Create(trigger);
    case SwitchKind::kDisable:
        return Disabler::Create(trigger);
    case SwitchKind::kEditable:
        return Editabler::Create(trigger);
    case SwitchKind::kReadOnly:
        return UnEditabler::Create(trigger);
    }
    return nullptr;
}

} // namespace

bool LinkTarget(TargetSwitch** link, SwitchKind kind, base::IObject* trigger, col::_array::ArrayP* listeners,
                IComponent* target)
{
    if (!link || !listeners || !target)
        return false;
    if (!*link) {
        *link = MakeSwitch(kind, trigger);
        if (!*link)
            return false;
        listeners->Append(static_cast<IEventListener*>(*link));
    }
    (*link)->AddTarget(target);
    return true;
}

void ReleaseLinks(TargetSwitch** links, int count)
{
    for (int i = 0; i < count; ++i) {
        if (links[i])
            links[i]->ReleaseToPool();
        links[i] = nullptr;
    }
}

} // namespace events
} // namespace gui
} // namespace s

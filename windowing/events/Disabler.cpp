#include "windowing/events/Disabler.h"

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace events {

thread::EasyPooler* Disabler::GetPool()
{
    return &thread::PoolOf<Disabler, kPoolCapacity>();
}

Disabler* Disabler::New()
{
    return static_cast<Disabler*>(GetPool()->Take());
}

Disabler* Disabler::Create(base::IObject* trigger)
{
    Disabler* made = New();
    if (made)
        made->SetTrigger(trigger);
    return made;
}

const wchar_t* Disabler::GetClassName()
{
    return kClassName;
}

base::IObject* Disabler::NewInstance()
{
    return New();
}

void Disabler::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Disabler::Apply(IComponent* target)
{
    target->SetEnabled(false);
}

} // namespace events
} // namespace gui
} // namespace s

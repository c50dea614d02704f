#include "windowing/events/Enabler.h"

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace events {

thread::EasyPooler* Enabler::GetPool()
{
    return &thread::PoolOf<Enabler, kPoolCapacity>();
}

Enabler* Enabler::New()
{
    return static_cast<Enabler*>(GetPool()->Take());
}

Enabler* Enabler::Create(base::IObject* trigger)
{
    Enabler* made = New();
    if (made)
        made->SetTrigger(trigger);
    return made;
}

const wchar_t* Enabler::GetClassName()
{
    return kClassName;
}

base::IObject* Enabler::NewInstance()
{
    return New();
}

void Enabler::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Enabler::Apply(IComponent* target)
{
    target->SetEnabled(true);
}

} // namespace events
} // namespace gui
} // namespace s

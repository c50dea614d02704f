#include "windowing/events/Editabler.h"

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace events {

thread::EasyPooler* Editabler::GetPool()
{
    return &thread::PoolOf<Editabler, kPoolCapacity>();
}

Editabler* Editabler::New()
{
    return static_cast<Editabler*>(GetPool()->Take());
}

Editabler* Editabler::Create(base::IObject* trigger)
{
    Editabler* made = New();
    if (made)
        made->SetTrigger(trigger);
    return made;
}

const wchar_t* Editabler::GetClassName()
{
    return kClassName;
}

base::IObject* Editabler::NewInstance()
{
    return New();
}

void Editabler::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Editabler::Apply(IComponent* target)
{
    target->SetEditable(true);
}

} // namespace events
} // namespace gui
} // namespace s

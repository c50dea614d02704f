#include "windowing/events/UnEditabler.h"

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace events {

thread::EasyPooler* UnEditabler::GetPool()
{
    return &thread::PoolOf<UnEditabler, kPoolCapacity>();
}

UnEditabler* UnEditabler::New()
{
    return static_cast<UnEditabler*>(GetPool()->Take());
}

UnEditabler* UnEditabler::Create(base::IObject* trigger)
{
    UnEditabler* made = New();
    if (made)
        made->SetTrigger(trigger);
    return made;
}

const wchar_t* UnEditabler::GetClassName()
{
    return kClassName;
}

base::IObject* UnEditabler::NewInstance()
{
    return New();
}

void UnEditabler::ReleaseToPool()
{
    GetPool()->Give(this);
}

void UnEditabler::Apply(IComponent* target)
{
    target->SetEditable(false);
}

} // namespace events
} // namespace gui
} // namespace s

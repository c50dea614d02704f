#include "windowing/layout/Pile.h"

#include "windowing/layout/LayoutPile.h"

namespace s {
namespace gui {
namespace layout {

thread::EasyPooler* Pile::GetPool()
{
    return &thread::PoolOf<Pile>();
}

Pile* Pile::New()
{
    return thread::TakeFromPool<Pile>();
}

Pile* Pile::Shared()
{
    static Pile shared;
    return &shared;
}

const wchar_t* Pile::GetClassName()
{
    return kClassName;
}

base::IObject* Pile::NewInstance()
{
    return New();
}

void Pile::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Pile::Reset() {}

void Pile::Layout(IComponent* container)
{
    LayoutPile(container, 0, 0, 0);
}

} // namespace layout
} // namespace gui
} // namespace s

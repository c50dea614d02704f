#include "windowing/layout/Vertical.h"

#include "windowing/layout/LayoutVertical.h"

namespace s {
namespace gui {
namespace layout {

thread::EasyPooler* Vertical::GetPool()
{
    return &thread::PoolOf<Vertical>();
}

Vertical* Vertical::New()
{
    return thread::TakeFromPool<Vertical>();
}

Vertical* Vertical::Shared()
{
    static Vertical shared;
    return &shared;
}

const wchar_t* Vertical::GetClassName()
{
    return kClassName;
}

base::IObject* Vertical::NewInstance()
{
    return New();
}

void Vertical::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Vertical::Reset() {}

void Vertical::Layout(IComponent* container)
{
    LayoutVertical(container, 0, 0, 0);
}

} // namespace layout
} // namespace gui
} // namespace s

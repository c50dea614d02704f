#include "windowing/layout/FlowH.h"

#include "windowing/layout/LayoutFlow.h"

namespace s {
namespace gui {
namespace layout {

thread::EasyPooler* FlowH::GetPool()
{
    return &thread::PoolOf<FlowH>();
}

FlowH* FlowH::New()
{
    return thread::TakeFromPool<FlowH>();
}

FlowH* FlowH::Shared()
{
    static FlowH shared;
    return &shared;
}

const wchar_t* FlowH::GetClassName()
{
    return kClassName;
}

base::IObject* FlowH::NewInstance()
{
    return New();
}

void FlowH::ReleaseToPool()
{
    GetPool()->Give(this);
}

void FlowH::Reset() {}

void FlowH::Layout(IComponent* container)
{
    LayoutFlow(container, 0, 0, 0, 0);
}

} // namespace layout
} // namespace gui
} // namespace s

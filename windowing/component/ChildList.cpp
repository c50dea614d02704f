#include "windowing/component/ChildList.h"

#include "core/col/ArrayP.h"
#include "core/thread/IPoolable.h"
#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace win {

namespace {

// The child is out of the list before its window goes, so that a layout the destruction sets
// off never reaches the destroyed window.
void Dispose(IComponent* child, bool recursive)
{
    if (recursive && child->IsContainer())
        child->RemoveAllChildren(true);
    child->CreateWindowIn(nullptr);
    ReleaseComponent(child);
}

} // namespace

bool RemoveChildFrom(col::_array::ArrayP* children, IComponent* child, bool recursive)
{
    int32_t index = -1;
    if (!children || !child || !children->IndexOf(child, &index))
        return false;
    children->RemoveAt(static_cast<uint32_t>(index));
    Dispose(child, recursive);
    return true;
}

void RemoveAllChildrenFrom(col::_array::ArrayP* children, bool recursive)
{
    if (!children)
        return;
    while (children->GetCount() > 0) {
        IComponent* child = static_cast<IComponent*>(children->RemoveAt(children->GetCount() - 1));
        if (child)
            Dispose(child, recursive);
    }
}

void ReleaseComponent(IComponent* component)
{
    thread::IPoolable* poolable = dynamic_cast<thread::IPoolable*>(component);
    if (poolable)
        poolable->ReleaseToPool();
}

int32_t ChildCount(col::_array::ArrayP* children)
{
    return children ? static_cast<int32_t>(children->GetCount()) : 0;
}

IComponent* ChildAt(col::_array::ArrayP* children, int32_t index)
{
    if (!children || index < 0 || static_cast<uint32_t>(index) >= children->GetCount())
        return nullptr;
    return static_cast<IComponent*>(children->Get(static_cast<uint32_t>(index)));
}

} // namespace win
} // namespace gui
} // namespace s

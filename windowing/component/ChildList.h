#pragma once
#include <cstdint>

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col
namespace gui {

class IComponent;

namespace win {

// The child operations every container shares. The container lays out again afterwards.

// Takes the child out of the list keeping the order, empties it first when recursive and it is
// a container, destroys its native window and gives it back to its pool. False when the child
// was not in the list (nothing else happens then).
bool RemoveChildFrom(col::_array::ArrayP* children, IComponent* child, bool recursive);
// Removes every child from the last to the first in the same way, until none is left (a child
// that adds one while it goes is removed too).
void RemoveAllChildrenFrom(col::_array::ArrayP* children, bool recursive);
// Gives a component back to its class's pool; components that are not pooled are left alone.
void ReleaseComponent(IComponent* component);

// The same for a container that keeps one content among its children: the content removed is
// forgotten.
template <class Content>
void RemoveContentChild(col::_array::ArrayP* children, Content** content, IComponent* child, bool recursive)
{
    if (RemoveChildFrom(children, child, recursive) && child == *content)
        *content = nullptr;
}
template <class Content>
void RemoveAllContentChildren(col::_array::ArrayP* children, Content** content, bool recursive)
{
    RemoveAllChildrenFrom(children, recursive);
    *content = nullptr;
}

int32_t ChildCount(col::_array::ArrayP* children);
IComponent* ChildAt(col::_array::ArrayP* children, int32_t index);

} // namespace win
} // namespace gui
} // namespace s

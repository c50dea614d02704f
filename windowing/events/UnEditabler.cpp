#include "windowing/events/UnEditabler.h"

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace events {

void UnEditabler::Apply(IComponent* target)
{
    target->SetEditable(false);
}

} // namespace events
} // namespace gui
} // namespace s

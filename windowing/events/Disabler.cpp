#include "windowing/events/Disabler.h"

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace events {

void Disabler::Apply(IComponent* target)
{
    target->SetEnabled(false);
}

} // namespace events
} // namespace gui
} // namespace s

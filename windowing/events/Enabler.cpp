#include "windowing/events/Enabler.h"

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace events {

void Enabler::Apply(IComponent* target)
{
    target->SetEnabled(true);
}

} // namespace events
} // namespace gui
} // namespace s

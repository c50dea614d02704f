#include "windowing/events/Editabler.h"

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace events {

void Editabler::Apply(IComponent* target)
{
    target->SetEditable(true);
}

} // namespace events
} // namespace gui
} // namespace s

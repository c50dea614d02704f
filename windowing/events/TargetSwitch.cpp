#include "windowing/events/TargetSwitch.h"

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace events {

void TargetSwitch::OnEvent(base::IObject* source, int32_t)
{
    if (!source || source != trigger_)
        return;
    for (uint32_t i = 0; i < targets_.GetCount(); ++i) {
        if (IComponent* target = static_cast<IComponent*>(targets_.Get(i)))
            Apply(target);
    }
}

void TargetSwitch::AddTarget(IComponent* target)
{
    if (target)
        targets_.Append(target);
}

int32_t TargetSwitch::GetTargetCount()
{
    return static_cast<int32_t>(targets_.GetCount());
}

IComponent* TargetSwitch::GetTargetAt(int32_t index)
{
    if (index < 0 || static_cast<uint32_t>(index) >= targets_.GetCount())
        return nullptr;
    return static_cast<IComponent*>(targets_.Get(static_cast<uint32_t>(index)));
}

void TargetSwitch::Reset()
{
    trigger_ = nullptr;
    targets_.Clear();
}

} // namespace events
} // namespace gui
} // namespace s

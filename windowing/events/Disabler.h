#pragma once
#include "windowing/events/TargetSwitch.h"

namespace s {
namespace gui {
namespace events {

// Disables every target whenever its trigger tells it anything.
class Disabler : public PooledSwitch<Disabler> {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_events_Disabler";

protected:
    void Apply(IComponent* target) override;
};

} // namespace events
} // namespace gui
} // namespace s

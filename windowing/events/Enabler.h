#pragma once
#include "windowing/events/TargetSwitch.h"

namespace s {
namespace gui {
namespace events {

// Enables every target whenever its trigger tells it anything.
class Enabler : public PooledSwitch<Enabler> {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_events_Enabler";

protected:
    void Apply(IComponent* target) override;
};

} // namespace events
} // namespace gui
} // namespace s

#pragma once
#include "windowing/events/TargetSwitch.h"

namespace s {
namespace gui {
namespace events {

// Makes every target read-only whenever its trigger tells it anything.
class UnEditabler : public PooledSwitch<UnEditabler> {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_events_UnEditabler";

protected:
    void Apply(IComponent* target) override;
};

} // namespace events
} // namespace gui
} // namespace s

#pragma once
#include "windowing/events/TargetSwitch.h"

namespace s {
namespace gui {
namespace events {

// Makes every target editable whenever its trigger tells it anything.
class Editabler : public PooledSwitch<Editabler> {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_events_Editabler";

protected:
    void Apply(IComponent* target) override;
};

} // namespace events
} // namespace gui
} // namespace s

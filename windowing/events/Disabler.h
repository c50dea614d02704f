#pragma once
#include "core/thread/EasyPooler.h"
#include "windowing/events/TargetSwitch.h"

namespace s {
namespace gui {
namespace events {

// Disables every target whenever its trigger tells it anything.
class Disabler : public TargetSwitch {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_events_Disabler";
    static constexpr int32_t kPoolCapacity = 1000;

    static thread::EasyPooler* GetPool();
    static Disabler* New();
    // One from the pool listening for the trigger; null when none could be made.
    static Disabler* Create(base::IObject* trigger);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;

protected:
    void Apply(IComponent* target) override;
};

} // namespace events
} // namespace gui
} // namespace s

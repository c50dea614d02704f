#pragma once
#include "core/thread/EasyPooler.h"
#include "windowing/events/TargetSwitch.h"

namespace s {
namespace gui {
namespace events {

// Enables every target whenever its trigger tells it anything.
class Enabler : public TargetSwitch {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_events_Enabler";
    static constexpr int32_t kPoolCapacity = 1000;

    static thread::EasyPooler* GetPool();
    static Enabler* New();
    // One from the pool listening for the trigger; null when none could be made.
    static Enabler* Create(base::IObject* trigger);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;

protected:
    void Apply(IComponent* target) override;
};

} // namespace events
} // namespace gui
} // namespace s

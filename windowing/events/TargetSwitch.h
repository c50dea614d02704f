#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/thread/IPoolable.h"
#include "core/thread/PooledClass.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace gui {

class IComponent;

namespace events {

// A listener that ties components to one trigger: whatever the trigger tells it, every target
// is switched the same way (enabled, disabled, made editable or read-only). The event code is
// not looked at.
class TargetSwitch : public base::IObject, public thread::IPoolable, public IEventListener {
public:
    void OnEvent(base::IObject* source, int32_t code) override;

    void SetTrigger(base::IObject* trigger) { trigger_ = trigger; }
    base::IObject* GetTrigger() { return trigger_; }
    void AddTarget(IComponent* target);
    int32_t GetTargetCount();
    IComponent* GetTargetAt(int32_t index);
    void Reset() override;

protected:
    TargetSwitch() = default;
    // What the switch does to one target.
    virtual void Apply(IComponent* target) = 0;

private:
    base::IObject* trigger_ = nullptr;
    col::_array::ArrayP targets_;
};

// The pool side of each switch (PooledClass), and one made listening for a trigger.
template <class Self>
class PooledSwitch : public thread::PooledClass<Self, TargetSwitch> {
public:
    // One from the pool listening for the trigger; null when none could be made.
    static Self* Create(base::IObject* trigger)
    {
        Self* made = Self::New();
        if (made)
            made->SetTrigger(trigger);
        return made;
    }
};

} // namespace events
} // namespace gui
} // namespace s

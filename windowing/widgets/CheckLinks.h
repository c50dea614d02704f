#pragma once
#include <cstdint>

#include "core/col/ArrayP.h"
#include "storage/events/IEventListener.h"
#include "windowing/events/SwitchLink.h"

namespace s {
namespace gui {
namespace win {

// The listener lists of a two-state widget (check box, radio button) and the ready-made links
// that switch other components with its state; the widget decides what it tells and when.
template <class Interface>
class CheckLinks : public Interface {
public:
    void AddCheckListener(events::IEventListener* listener) override { AddTo(kCheck, listener); }
    void AddUncheckListener(events::IEventListener* listener) override { AddTo(kUncheck, listener); }
    void AddEnableListener(events::IEventListener* listener) override { AddTo(kEnable, listener); }
    void AddDisableListener(events::IEventListener* listener) override { AddTo(kDisable, listener); }

    void AddEnabledWhileCheckedTarget(IComponent* target) override
    {
        AddEnableTarget(target);
        AddDisableTarget(target);
    }
    void AddEnableTarget(IComponent* target) override { Link(kEnableOnCheck, target); }
    void AddDisableTarget(IComponent* target) override { Link(kDisableOnUncheck, target); }
    void AddDisabledWhileCheckedTarget(IComponent* target) override
    {
        AddEnableOnUncheckTarget(target);
        AddDisableOnCheckTarget(target);
    }
    void AddEnableOnUncheckTarget(IComponent* target) override { Link(kEnableOnUncheck, target); }
    void AddDisableOnCheckTarget(IComponent* target) override { Link(kDisableOnCheck, target); }

protected:
    enum ListenerList { kCheck, kUncheck, kEnable, kDisable, kListenerLists };
    enum LinkKind { kEnableOnCheck, kDisableOnUncheck, kEnableOnUncheck, kDisableOnCheck, kEditableOnCheck,
                    kReadOnlyOnUncheck, kLinks };

    CheckLinks() : links_{} {}

    void Tell(ListenerList list, int32_t code) { events::TellListeners(listeners_[list], this, code); }
    // Each link serves the list of the state it follows, made on its first target.
    void Link(LinkKind link, IComponent* target)
    {
        static const events::SwitchKind kinds[kLinks] = {events::SwitchKind::kEnable,   events::SwitchKind::kDisable,
                                                         events::SwitchKind::kEnable,   events::SwitchKind::kDisable,
                                                         events::SwitchKind::kEditable, events::SwitchKind::kReadOnly};
        const bool onCheck = link == kEnableOnCheck || link == kDisableOnCheck || link == kEditableOnCheck;
        events::LinkTarget(&links_[link], kinds[link], this, &listeners_[onCheck ? kCheck : kUncheck], target);
    }
    // Every listener and link let go.
    void ResetLinks()
    {
        for (col::_array::ArrayP& list : listeners_)
            list.Clear();
        events::ReleaseLinks(links_, kLinks);
    }

private:
    void AddTo(ListenerList list, events::IEventListener* listener)
    {
        if (listener)
            listeners_[list].Append(listener);
    }

    col::_array::ArrayP listeners_[kListenerLists];
    events::TargetSwitch* links_[kLinks];
};

} // namespace win
} // namespace gui
} // namespace s

#pragma once
#include <windows.h>

#include <cstdint>

#include "windowing/component/IComponent.h"
#include "windowing/widgets/ICaptionFont.h"

namespace s {
namespace gui {

namespace drawer {
class IRadioButton;
}
namespace events {
class IEventListener;
}

// One choice of several: the radio buttons under one native parent form one group, a click on
// one clearing the others. Its state can switch other components on and off or make them
// editable.
class IRadioButton : public IComponent, public ICaptionFont {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_IRadioButton";
    // The code every listener of a radio button is told.
    static constexpr int32_t kEventChanged = 0;

    // Shown as written: an "&" is no accelerator.
    virtual void SetCaption(const wchar_t* caption) = 0;
    virtual void SetCaptionTextId(int32_t id) = 0;
    virtual const wchar_t* GetCaption() = 0;
    virtual int32_t GetCaptionTextId() = 0;
    virtual void AddCheckListener(events::IEventListener* listener) = 0;
    virtual void AddUncheckListener(events::IEventListener* listener) = 0;
    virtual void AddEnableListener(events::IEventListener* listener) = 0;
    virtual void AddDisableListener(events::IEventListener* listener) = 0;
    // The control's own state while it exists (a click shows at once), else the stored one.
    virtual bool IsChecked() = 0;
    // Sets the state, telling the check or uncheck listeners when notify is set, also when the
    // state stays.
    virtual void SetChecked(bool checked, bool notify) = 0;
    virtual void AddEnabledWhileCheckedTarget(IComponent* target) = 0;
    virtual void AddDisabledWhileCheckedTarget(IComponent* target) = 0;
    virtual void AddEnableTarget(IComponent* target) = 0;
    virtual void AddDisableTarget(IComponent* target) = 0;
    virtual void AddDisableOnCheckTarget(IComponent* target) = 0;
    virtual void AddEnableOnUncheckTarget(IComponent* target) = 0;
    // Editable while checked, read-only while not.
    virtual void AddEditableWhileCheckedTarget(IComponent* target) = 0;
    virtual void AddEditableTarget(IComponent* target) = 0;
    virtual void AddReadOnlyTarget(IComponent* target) = 0;
    // The skin's look, or null for the native one.
    virtual void SetDrawer(drawer::IRadioButton* drawer, bool owned) = 0;
};

} // namespace gui
} // namespace s

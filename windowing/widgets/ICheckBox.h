#pragma once
#include <windows.h>

#include <cstdint>

#include "windowing/component/IComponent.h"
#include "windowing/widgets/ICaptionFont.h"

namespace s {
namespace gui {

namespace drawer {
class ICheckBox;
}
namespace events {
class IEventListener;
}

// A two-state check box whose state can switch other components on and off.
class ICheckBox : public IComponent, public ICaptionFont {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_ICheckBox";
    // The codes the check and uncheck listeners are told; the enable and disable ones hear 0.
    static constexpr int32_t kEventChecked = 1;
    static constexpr int32_t kEventUnchecked = 2;

    // Word-wrapped captions break at a narrow width; a control keeps the mode it was made with.
    virtual void SetWordWrap(bool wordWrap) = 0;
    // Shown as written: an "&" is no accelerator.
    virtual void SetCaption(const wchar_t* caption) = 0;
    virtual const wchar_t* GetCaption() = 0;
    virtual void SetCaptionTextId(int32_t id) = 0;
    virtual void AddCheckListener(events::IEventListener* listener) = 0;
    virtual void AddUncheckListener(events::IEventListener* listener) = 0;
    virtual void AddEnableListener(events::IEventListener* listener) = 0;
    virtual void AddDisableListener(events::IEventListener* listener) = 0;
    virtual bool IsChecked() = 0;
    // A change tells the check or uncheck listeners, as a click does.
    virtual void SetChecked(bool checked) = 0;
    // The same, telling nobody.
    virtual void SetCheckedQuietly(bool checked) = 0;
    // Enabled while checked, disabled while not.
    virtual void AddEnabledWhileCheckedTarget(IComponent* target) = 0;
    virtual void AddEnableTarget(IComponent* target) = 0;
    virtual void AddDisableTarget(IComponent* target) = 0;
    // Disabled while checked, enabled while not.
    virtual void AddDisabledWhileCheckedTarget(IComponent* target) = 0;
    virtual void AddEnableOnUncheckTarget(IComponent* target) = 0;
    virtual void AddDisableOnCheckTarget(IComponent* target) = 0;
    // The skin's look, or null for the native one.
    virtual void SetDrawer(drawer::ICheckBox* drawer, bool owned) = 0;
};

} // namespace gui
} // namespace s

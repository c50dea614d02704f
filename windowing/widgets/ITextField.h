#pragma once
#include <cstdint>

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {

class IFont;
namespace events {
class IEventListener;
}

// A single-line text input over the system's edit control.
class ITextField : public IComponent {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_ITextField";
    // The codes the listeners are told.
    static constexpr int32_t kEventChanged = 1;
    static constexpr int32_t kEventEnter = 2;
    static constexpr int32_t kEventFocusLost = 3;

    // With notify the change listeners hear of it; without they do not.
    virtual void SetText(const wchar_t* text, bool notify) = 0;
    // The control's text once it exists; valid until the next call.
    virtual const wchar_t* GetText() = 0;
    // While off, changes of the text (typed or set) reach no change listener.
    virtual void SetNotifyChanges(bool notify) = 0;
    virtual bool IsNotifyChanges() = 0;
    // An explicit minimum width; the field is never narrower, however little its content needs.
    virtual void SetMinWidth(int32_t width) = 0;
    // Change listeners (code 1).
    virtual void AddListener(events::IEventListener* listener) = 0;
    // Told of Enter (code 2); the key never reaches the control.
    virtual void AddEnterListener(events::IEventListener* listener) = 0;
    // Told when the field loses the keyboard focus (code 3).
    virtual void AddFocusLostListener(events::IEventListener* listener) = 0;
    // Each character shows as "*".
    virtual void SetPassword(bool password) = 0;
    virtual bool IsPassword() = 0;
    // The background of the nearest ancestor with its own colour, instead of the field's.
    virtual void SetSpecialBackground(bool special) = 0;
    // Its colour is the text colour; the font is given to the control at its creation.
    virtual IFont* GetFont() = 0;
    // Selects the whole text on the control's thread, from any thread.
    virtual void SelectAll() = 0;
    // The same on the calling thread, which must be the control's.
    virtual void SelectAllNow() = 0;
};

} // namespace gui
} // namespace s

#pragma once
#include <cstdint>

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {

namespace drawer {
class IButton;
}
namespace events {
class IEventListener;
}

// A push button: plain, toggling, repeating while held, or the "#Resizer" size grip that
// resizes its top-level window while dragged.
class IButton : public IComponent {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_IButton";
    // The codes the listeners are told.
    static constexpr int32_t kEventClick = 1;
    static constexpr int32_t kEventAfterClick = 2;
    static constexpr int32_t kEventPress = 3;

    virtual void SetCaption(const wchar_t* caption) = 0;
    virtual const wchar_t* GetCaption() = 0;
    // The language pack's text of the id becomes the caption once the button is created in a
    // window with a language manager; -1 keeps the literal caption.
    virtual void SetCaptionTextId(int32_t id) = 0;
    // A swatch of the colour: the caption "#Color-" and the colour value in eight hex digits.
    virtual void SetColorSwatch(int32_t red, int32_t green, int32_t blue) = 0;
    // The skin's look, or null for the native one; an owned drawer goes back to its pool with
    // the button.
    virtual void SetDrawer(drawer::IButton* drawer, bool owned) = 0;
    virtual void SetHighlight(bool highlight) = 0;
    // A toggling click flips the checked state; without canUncheck it only sets it. The
    // inverted look draws the checked look for the unchecked state and the reverse.
    virtual void SetToggleMode(bool toggles, bool canUncheck, bool invertLook, bool drawerFlag) = 0;
    // Held down, the press listeners hear again every 100 ms from 500 ms on.
    virtual void SetAutoRepeat(bool autoRepeat) = 0;
    virtual bool IsChecked() = 0;
    virtual void SetChecked(bool checked) = 0;
    virtual void SetDefaultButton() = 0;
    virtual void ClearDefaultButton() = 0;
    virtual bool IsDefaultButton() = 0;
    virtual void SetFixedSize(int32_t width, int32_t height) = 0;
    // Told of a completed click (code 1).
    virtual void AddClickListener(events::IEventListener* listener) = 0;
    // Told after every click, once a toggling one has changed the state (code 2).
    virtual void AddToggleListener(events::IEventListener* listener) = 0;
    // Told when the button goes down and at every repeat (code 3).
    virtual void AddPressListener(events::IEventListener* listener) = 0;
};

} // namespace gui
} // namespace s
